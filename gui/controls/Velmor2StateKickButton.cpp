#include "Velmor2StateKickButton.h"

Velmor2StateKickButton::Velmor2StateKickButton(const juce::String& name) : juce::Button(name)
{
    setClickingTogglesState(false);
}

void Velmor2StateKickButton::setImage(juce::Image image)
{
    strip.setImage(std::move(image), 2);
    repaint();
}

void Velmor2StateKickButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    strip.drawFrame(g, isButtonDown ? 1 : 0, getLocalBounds());
}
