#pragma once

#include "VelmorKnob.h"

// The free LFO rate, 0.01 Hz to 20 Hz on a logarithmic curve, shown in the value bubble.
class VelmorModDelayFreq20HzMaxLog10Knob final : public VelmorKnob
{
public:
    explicit VelmorModDelayFreq20HzMaxLog10Knob(const juce::String& componentName);

    // "2.00 Hz": (81^value - 1) x 0.25 Hz, never below 0.01 Hz.
    juce::String getTextFromValue(double value) override;
};
