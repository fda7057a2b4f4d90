#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// A transport that plays at one tempo in 4/4 from the start, advanced by the renderer.
class FixedTempoPlayHead final : public juce::AudioPlayHead
{
public:
    FixedTempoPlayHead(double tempoBpm, double sampleRateHz)
        : tempo(tempoBpm), sampleRate(sampleRateHz)
    {
    }

    void setSamplePosition(juce::int64 samples) noexcept { position = samples; }

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        const double seconds = (double)position / sampleRate;
        info.setBpm(tempo);
        info.setTimeSignature(TimeSignature{});
        info.setTimeInSamples(position);
        info.setTimeInSeconds(seconds);
        info.setPpqPosition(seconds * tempo / 60.0);
        info.setIsPlaying(true);
        return info;
    }

private:
    double tempo, sampleRate;
    juce::int64 position = 0;
};
