#pragma once

#include "Filmstrip.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A toggle button with two pictures: off above, on below (momentary: released, down).
class Velmor2StateButton final : public juce::Button
{
public:
    explicit Velmor2StateButton(const juce::String& componentName);

    void setImage(juce::Image image);

protected:
    void paintButton(juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    Filmstrip strip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(Velmor2StateButton)
};
