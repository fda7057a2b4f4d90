#include "VelmorPresetMenu.h"

#include "GuardedXml.h"
#include "StompixZR7714AudioProcessor.h"
#include "VelmorFolderPaths.h"

namespace
{
const juce::String changedMark{"*"};

juce::Result saveFailure(const juce::String& reason)
{
    return juce::Result::fail("Couldn't save the preset! " + reason);
}
} // namespace

VelmorPresetMenu::VelmorPresetMenu(const juce::String& name) : VelmorOptionMenuTree(name) {}

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

    // writeTo goes through a temporary file beside the target: a failed write leaves an existing
    // preset as it was and no empty file behind.
    if (!processor->writePreset(true).writeTo(file, format))
        return saveFailure("The file could not be written.");

    setSelectedFilePath(velmor::relativePathBelow(getDirectory(), file));
    return juce::Result::ok();
}
