#include "VelmorKnob.h"

VelmorKnob::VelmorKnob(const juce::String& name) : juce::Slider(name)
{
    setSliderStyle(juce::Slider::RotaryVerticalDrag);
    setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
    setRange(0.0, 1.0, 0.0);
}

void VelmorKnob::setImage(juce::Image image, int frameCount)
{
    strip.setImage(std::move(image), frameCount);
    repaint();
}

void VelmorKnob::paint(juce::Graphics& g)
{
    strip.drawFrame(g, strip.frameForValue(getValue(), getMinimum(), getMaximum()),
                    getLocalBounds());
}
