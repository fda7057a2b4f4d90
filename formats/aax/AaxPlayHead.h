#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class AAX_CEffectParameters;

// The host's transport as the processor's play head: tempo, meter, play state and positions,
// read from the data model's transport proxy whenever the processor asks.
class AaxPlayHead final : public juce::AudioPlayHead
{
public:
    explicit AaxPlayHead(AAX_CEffectParameters& dataModel) : effect(dataModel) {}

    void setSampleRate(double rate) noexcept { sampleRate = rate; }

    juce::Optional<PositionInfo> getPosition() const override;

private:
    AAX_CEffectParameters& effect;
    double sampleRate = 0.0;
};
