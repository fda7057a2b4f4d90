#pragma once

#include "VelmorKnob.h"

// The LFO's tempo divisions: 19 steps from "8/1" to "1/32T", shown in the value bubble.
class VelmorModDelaySyncKnob final : public VelmorKnob
{
public:
    // The step between divisions: 1/18.1 in single precision, so that 1.0 snaps to the last
    // step (18 steps, about 0.99448) and every step lies inside its division's threshold.
    static constexpr double interval = 0.05524861812591553;

    explicit VelmorModDelaySyncKnob(const juce::String& componentName);

    // The division's text: the first threshold k/18 (in single precision) that the value does
    // not exceed; at or below 0 "8/1", above 17/18 "1/32T".
    juce::String getTextFromValue(double value) override;
};
