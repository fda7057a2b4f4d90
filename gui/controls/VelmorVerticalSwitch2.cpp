#include "VelmorVerticalSwitch2.h"

VelmorVerticalSwitch2::VelmorVerticalSwitch2(const juce::String& name) : juce::Slider(name)
{
    setSliderStyle(juce::Slider::LinearVertical);
    setRange(0.0, 1.0, 0.0);
}

void VelmorVerticalSwitch2::setImage(juce::Image image, int frameCount)
{
    const bool usable = image.isValid() && frameCount >= 2;
    strip.setImage(std::move(image), usable ? frameCount : 0);
    if (!strip.isEmpty())
        setRange(0.0, 1.0, 1.0 / (double)(frameCount - 1));
    repaint();
}

void VelmorVerticalSwitch2::setControllableImageHeight(int pixels)
{
    controllableImageHeight = (double)pixels;
}

void VelmorVerticalSwitch2::paint(juce::Graphics& g)
{
    // Drawn in its natural size: the lever's frame, not the whole component.
    strip.drawFrame(g, strip.frameForValue(getValue(), getMinimum(), getMaximum()),
                    {0, 0, strip.getFrameWidth(), strip.getFrameHeight()});
}

double VelmorVerticalSwitch2::travelScale() const
{
    if (getHeight() <= 0 || !(controllableImageHeight > 0.0))
        return 0.0;
    return (double)getHeight() / controllableImageHeight;
}

// The framework's own mappings insist on proportions within 0..1, so the distance from the
// top, stretched by the travel scale, is clamped before it is handed on, and so is the result.
double VelmorVerticalSwitch2::proportionOfLengthToValue(double proportion)
{
    const double fromTop = travelScale() * (1.0 - proportion);
    return juce::Slider::proportionOfLengthToValue(juce::jlimit(0.0, 1.0, fromTop));
}

double VelmorVerticalSwitch2::valueToProportionOfLength(double value)
{
    const double scale = travelScale();
    if (scale <= 0.0)
        return 1.0; // no track: everything sits at the top
    const double fromTop = juce::Slider::valueToProportionOfLength(value) / scale;
    return juce::jlimit(0.0, 1.0, 1.0 - fromTop);
}
