#pragma once

#include "Filmstrip.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A button with four pictures. Toggling (the default): off plain, off highlighted, on
// highlighted, on plain (frames 0 to 3); momentary: plain, highlighted, down. Drawn at 40 %
// opacity while disabled.
class Velmor4StateButton : public juce::Button
{
public:
    explicit Velmor4StateButton(const juce::String& componentName);

    void setImage(juce::Image image);

    // One frame's size, or 0 without a usable image.
    virtual int getImageHeight() const;
    virtual int getImageWidth() const;

protected:
    static constexpr int numFrames = 4;

    void paintButton(juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;
    void drawFrameAtStateOpacity(juce::Graphics& g, int frame) const;

    Filmstrip strip;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(Velmor4StateButton)
};
