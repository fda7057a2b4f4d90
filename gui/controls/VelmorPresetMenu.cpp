#include "VelmorPresetMenu.h"

#include "GuardedXml.h"
#include "PresetFiles.h"
#include "StompixZR7714AudioProcessor.h"
#include "VelmorFolderPaths.h"

namespace
{
const juce::String changedMark{"*"};

juce::Result saveFailure(const juce::String& reason)
{
    return juce::Result::fail("Couldn't save the preset! " + reason);
}

// What the user is told when a save did not replace the file; empty when it did.
juce::String whyNotReplaced(PresetFiles::Replacement replacement)
{
    using PresetFiles::Replacement;
    switch (replacement)
    {
    case Replacement::replaced:
        return {};
    case Replacement::linkTargetMissing:
        return "The preset is a link to a file that is missing.";
    case Replacement::notARegularFile:
        return "The preset is not a regular file.";
    case Replacement::writeProtected:
        return "The preset is write-protected.";
    case Replacement::failed:
        break;
    }
    return "The file could not be written.";
}

// Whether the framework draws text on one line of that width without cutting it: it squeezes a
// line down to the minimum horizontal scale before it cuts it with an ellipsis.
bool fitsOnOneLine(const juce::String& text, const juce::Font& font, float width,
                   float minimumHorizontalScale)
{
    const float scale = minimumHorizontalScale > 0.0f
                            ? minimumHorizontalScale
                            : juce::Font::getDefaultMinimumHorizontalScaleFactor();
    return font.getStringWidthFloat(text.trim()) * scale < width;
}

// text (a name followed by the mark) as it fits on one line: whole, or with the name cut and an
// ellipsis in the framework's manner before the mark.
juce::String withMarkInSight(const juce::String& text, const juce::Font& font, float width,
                             float minimumHorizontalScale)
{
    if (fitsOnOneLine(text, font, width, minimumHorizontalScale))
        return text;

    const auto name = text.dropLastCharacters(changedMark.length());
    for (int length = name.length() - 1; length > 0; --length)
    {
        const auto shortened = name.substring(0, length).trimEnd() + "..." + changedMark;
        if (fitsOnOneLine(shortened, font, width, minimumHorizontalScale))
            return shortened;
    }
    return "..." + changedMark;
}
} // namespace

VelmorPresetMenu::VelmorPresetMenu(const juce::String& name) : VelmorOptionMenuTree(name) {}

void VelmorPresetMenu::paint(juce::Graphics& g)
{
    auto& look = getLookAndFeel();
    const auto labelFont = look.getLabelFont(*this);
    const auto area = look.getLabelBorderSize(*this).subtractedFrom(getLocalBounds());
    const int numLines = juce::jmax(1, (int)((float)area.getHeight() / labelFont.getHeight()));
    const auto text = getText();

    const bool markMayBeCut =
        markedAsChange && text.endsWith(changedMark) && numLines == 1 && !isBeingEdited();
    const auto shown = markMayBeCut ? withMarkInSight(text, labelFont, (float)area.getWidth(),
                                                      getMinimumHorizontalScale())
                                    : text;

    if (shown == text)
    {
        juce::Label::paint(g);
        return;
    }

    // The framework's own label drawing (the look's drawLabel, which this editor does not
    // replace), with the shortened text: a look that drew labels otherwise would need it here.
    const float alpha = isEnabled() ? 1.0f : 0.5f;
    g.fillAll(findColour(backgroundColourId));
    g.setColour(findColour(textColourId).withMultipliedAlpha(alpha));
    g.setFont(labelFont);
    g.drawFittedText(shown, area, getJustificationType(), numLines, getMinimumHorizontalScale());
    g.setColour(findColour(outlineColourId).withMultipliedAlpha(alpha));
    g.drawRect(getLocalBounds());
}

void VelmorPresetMenu::setSelectedFilePath(juce::String relativePath)
{
    markedAsChange = false;
    if (!selectFilePath(relativePath))
        setPresetHasChanged();
}

void VelmorPresetMenu::setSelectedFileIndex(int itemId)
{
    if (selectFileIndex(itemId))
        markedAsChange = false;
}

void VelmorPresetMenu::menuResult(int result, const Listing& listing)
{
    const bool chosen = result >= 1 && result <= listing.filePaths.size();
    const juce::Component::SafePointer<VelmorPresetMenu> guard(this);

    VelmorOptionMenuTree::menuResult(result, listing);

    if (chosen && guard != nullptr)
        markedAsChange = false;
}

void VelmorPresetMenu::setPresetHasChanged()
{
    if (markedAsChange)
        return;

    setText(getText() + changedMark, juce::dontSendNotification);
    markedAsChange = true;
}

void VelmorPresetMenu::setMarkedAsChange(bool isMarked)
{
    markedAsChange = isMarked;
}

juce::File VelmorPresetMenu::presetFileAt(const juce::String& path) const
{
    return velmor::resolveInsideFolder(getDirectory(), path);
}

void VelmorPresetMenu::compareAndMarkPreset(StompixZR7714AudioProcessor* processor)
{
    const auto file = presetFileAt(getSelectedFilePath());
    if (processor == nullptr || !file.existsAsFile())
        return;

    if (processor->comparePreset(GuardedXml::parse(file)))
        setPresetHasChanged();
}

int VelmorPresetMenu::readPreset(StompixZR7714AudioProcessor* processor, juce::String path)
{
    const auto file = presetFileAt(path);
    if (processor == nullptr || !file.existsAsFile())
        return 0;

    return processor->readPreset(GuardedXml::parse(file), true);
}

juce::Result VelmorPresetMenu::writePreset(StompixZR7714AudioProcessor* processor,
                                           juce::String path)
{
    const auto file = presetFileAt(path);
    if (file == juce::File())
        return saveFailure("Presets can only be saved inside the preset folder.");
    if (processor == nullptr)
        return saveFailure("There are no settings to save.");
    if (file.isDirectory())
        return saveFailure("A folder of that name already exists.");

    const auto folder = file.getParentDirectory();
    if (!folder.isDirectory() && folder.createDirectory().failed())
        return saveFailure("Its folder could not be created.");

    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    juce::MemoryOutputStream document;
    processor->writePreset(true).writeTo(document, format);

    // Through a temporary file that replaces the preset only when every byte is in: a failed or
    // short write leaves an existing preset as it was and no file behind.
    if (const auto reason = whyNotReplaced(
            PresetFiles::replaceWhole(file, document.getData(), document.getDataSize()));
        reason.isNotEmpty())
        return saveFailure(reason);

    setSelectedFilePath(velmor::relativePathBelow(getDirectory(), file));
    return juce::Result::ok();
}
