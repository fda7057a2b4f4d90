#pragma once

#include "Filmstrip.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A rotary control on 0..1 that draws one frame of a filmstrip: vertical mouse movement turns
// it; wheel, keys, double-click reset, value bubble and listeners are the slider's own.
class VelmorKnob : public juce::Slider
{
public:
    explicit VelmorKnob(const juce::String& componentName);

    // A null image (or one with fewer pixels than frames) makes the knob draw nothing; it
    // still takes the mouse.
    void setImage(juce::Image image, int frameCount);

    void paint(juce::Graphics& g) override;

protected:
    Filmstrip strip;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorKnob)
};
