#pragma once

#include "Velmor4StateButton.h"

// The effect footswitch: off released, off pressed, on released, on pressed (frames 0 to 3);
// hovering changes nothing.
class Velmor4StateButton3PDT final : public Velmor4StateButton
{
public:
    explicit Velmor4StateButton3PDT(const juce::String& componentName);

protected:
    void paintButton(juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;
};
