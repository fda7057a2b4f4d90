#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// The processor's parameters through the framework's index-based interface, which the processor
// implements (hosts address its parameters by index) and the framework marks as deprecated.
class LegacyParameters final
{
public:
    explicit LegacyParameters(juce::AudioProcessor& processorToUse) : processor(processorToUse) {}

    int count() const;
    juce::String name(int index, int maximumLength) const;
    juce::String text(int index, int maximumLength) const;
    float value(int index) const;
    float defaultValue(int index) const;
    int numSteps(int index) const;
    bool automatable(int index) const;
    bool orientationInverted(int index) const;
    void set(int index, float newValue);

private:
    juce::AudioProcessor& processor;
};
