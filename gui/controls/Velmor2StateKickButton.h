#pragma once

#include "Filmstrip.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A momentary button with two pictures: released above, pressed below. Without an image it
// draws nothing and is an invisible hot spot that still takes clicks.
class Velmor2StateKickButton final : public juce::Button
{
public:
    explicit Velmor2StateKickButton(const juce::String& componentName);

    // May be called again whenever the picture changes.
    void setImage(juce::Image image);

protected:
    void paintButton(juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    Filmstrip strip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(Velmor2StateKickButton)
};
