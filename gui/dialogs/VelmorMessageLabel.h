#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The text of a message box: line breaks kept, lines broken only at spaces and after path
// separators, every line in one font size, the largest (up to the label's font) at which the
// whole text fits inside the border. A word too long for a line even at the smallest size is
// broken where it must be.
class VelmorMessageLabel final : public juce::Label
{
public:
    using juce::Label::Label;

    void paint(juce::Graphics& g) override;

private:
    struct Layout
    {
        juce::Font font;
        juce::StringArray lines;
    };

    static Layout layOut(const juce::String& text, const juce::Font& font,
                         juce::Rectangle<float> area);

    // The last layout and what it was made for; painting lays out again only when one changes.
    Layout layout;
    juce::String laidOutText;
    juce::Font laidOutFont;
    juce::Rectangle<float> laidOutArea;
};
