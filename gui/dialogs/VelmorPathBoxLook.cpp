#include "VelmorPathBoxLook.h"

namespace
{
const juce::String cutMark{"..."};

// All of text when it fits width, otherwise the longest end of it that fits after the cut mark.
juce::String endThatFits(const juce::String& text, const juce::Font& font, float width)
{
    if (font.getStringWidthFloat(text) <= width)
        return text;

    for (int start = 1; start < text.length(); ++start)
        if (const auto shown = cutMark + text.substring(start);
            font.getStringWidthFloat(shown) <= width)
            return shown;
    return cutMark;
}
} // namespace

void VelmorPathBoxLook::drawLabel(juce::Graphics& g, juce::Label& label)
{
    if (label.isBeingEdited())
    {
        juce::LookAndFeel_V3::drawLabel(g, label);
        return;
    }

    g.fillAll(label.findColour(juce::Label::backgroundColourId));

    const auto alpha = label.isEnabled() ? 1.0f : 0.5f;
    const auto font = getLabelFont(label);
    const auto area = getLabelBorderSize(label).subtractedFrom(label.getLocalBounds());
    g.setColour(label.findColour(juce::Label::textColourId).withMultipliedAlpha(alpha));
    g.setFont(font);
    g.drawText(endThatFits(label.getText(), font, (float)area.getWidth()), area,
               label.getJustificationType(), false);

    g.setColour(label.findColour(juce::Label::outlineColourId).withMultipliedAlpha(alpha));
    g.drawRect(label.getLocalBounds());
}
