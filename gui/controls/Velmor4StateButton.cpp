#include "Velmor4StateButton.h"

Velmor4StateButton::Velmor4StateButton(const juce::String& name) : juce::Button(name)
{
    setClickingTogglesState(true);
}

void Velmor4StateButton::setImage(juce::Image image)
{
    strip.setImage(std::move(image), numFrames);
    repaint();
}

int Velmor4StateButton::getImageHeight() const
{
    return strip.getFrameHeight();
}

int Velmor4StateButton::getImageWidth() const
{
    return strip.getFrameWidth();
}

void Velmor4StateButton::paintButton(juce::Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    int frame;
    if (getClickingTogglesState())
        frame = getToggleState() ? (isMouseOverButton ? 2 : 3) : (isMouseOverButton ? 1 : 0);
    else
        frame = isButtonDown ? 2 : (isMouseOverButton ? 1 : 0);
    drawFrameAtStateOpacity(g, frame);
}

void Velmor4StateButton::drawFrameAtStateOpacity(juce::Graphics& g, int frame) const
{
    g.setOpacity(isEnabled() ? 1.0f : 0.4f);
    strip.drawFrame(g, frame, getLocalBounds());
}
