#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class AudioEffectX;

// The host's transport as the processor's play head: each question is one time-info call to
// the host, and only the fields the host marks as valid are passed on.
class HostPlayHead final : public juce::AudioPlayHead
{
public:
    explicit HostPlayHead(AudioEffectX& effectToAsk) : effect(effectToAsk) {}

    juce::Optional<PositionInfo> getPosition() const override;

private:
    AudioEffectX& effect;
};
