#include "VelmorModDelayFreq20HzMaxLog10Knob.h"

#include <cmath>

VelmorModDelayFreq20HzMaxLog10Knob::VelmorModDelayFreq20HzMaxLog10Knob(const juce::String& name)
    : VelmorKnob(name)
{
}

juce::String VelmorModDelayFreq20HzMaxLog10Knob::getTextFromValue(double value)
{
    const double hertz = (std::pow(81.0, value) - 1.0) * 0.0125 * 20.0;
    constexpr double lowest = (double)0.01f;
    return juce::String(juce::jmax(lowest, hertz), 2) + " Hz";
}
