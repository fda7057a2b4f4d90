#pragma once

#include "Filmstrip.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A multi-position lever drawn from a filmstrip, one frame per position. The value is 0 at the
// top and grows with the pointer's distance from the top of the track, reaching the maximum
// after the controllable height; the rest of the track below gives the maximum.
class VelmorVerticalSwitch2 final : public juce::Slider
{
public:
    explicit VelmorVerticalSwitch2(const juce::String& componentName);

    // Sets the positions to 0, 1/(n-1), ..., 1. A null image or fewer than two frames leave the
    // range alone and make the switch draw nothing.
    void setImage(juce::Image image, int frameCount);
    void setControllableImageHeight(int pixels);

    void paint(juce::Graphics& g) override;
    double proportionOfLengthToValue(double proportion) override;
    double valueToProportionOfLength(double value) override;

private:
    // Component height over controllable height; 0 while either is not positive.
    double travelScale() const;

    Filmstrip strip;
    double controllableImageHeight = 1.0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorVerticalSwitch2)
};
