#include "Velmor2StateButton.h"

Velmor2StateButton::Velmor2StateButton(const juce::String& name) : juce::Button(name)
{
    setClickingTogglesState(true);
}

void Velmor2StateButton::setImage(juce::Image image)
{
    strip.setImage(std::move(image), 2);
    repaint();
}

void Velmor2StateButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    const bool second = getClickingTogglesState() ? getToggleState() : isButtonDown;
    strip.drawFrame(g, second ? 1 : 0, getLocalBounds());
}
