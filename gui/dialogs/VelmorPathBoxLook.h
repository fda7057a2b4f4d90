#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The look of a file browser's path box: the editor's look (the framework's LookAndFeel_V3),
// except that a path too long for the box shows its end (the folders nearest to the one shown),
// cut at the start after "...". While the path is being edited it is the framework's text field
// as usual.
class VelmorPathBoxLook final : public juce::LookAndFeel_V3
{
public:
    void drawLabel(juce::Graphics& g, juce::Label& label) override;
};
