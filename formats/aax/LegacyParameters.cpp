#include "LegacyParameters.h"

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")

int LegacyParameters::count() const
{
    return processor.getNumParameters();
}

juce::String LegacyParameters::name(int index, int maximumLength) const
{
    return processor.getParameterName(index, maximumLength);
}

juce::String LegacyParameters::text(int index, int maximumLength) const
{
    return processor.getParameterText(index, maximumLength);
}

float LegacyParameters::value(int index) const
{
    return processor.getParameter(index);
}

float LegacyParameters::defaultValue(int index) const
{
    return processor.getParameterDefaultValue(index);
}

int LegacyParameters::numSteps(int index) const
{
    return processor.getParameterNumSteps(index);
}

bool LegacyParameters::automatable(int index) const
{
    return processor.isParameterAutomatable(index);
}

bool LegacyParameters::orientationInverted(int index) const
{
    return processor.isParameterOrientationInverted(index);
}

void LegacyParameters::set(int index, float newValue)
{
    processor.setParameter(index, newValue);
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
