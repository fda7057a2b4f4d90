#include "TestSignal.h"

#include <cmath>

namespace TestSignal
{
juce::AudioBuffer<float> create(int numChannels, int numSamples, double sampleRate)
{
    juce::AudioBuffer<float> buffer(numChannels, numSamples);
    constexpr double frequencies[] = {110.0, 164.81, 220.0, 277.18};
    const double fadeSamples = 0.01 * sampleRate;
    juce::uint32 noiseState = 0x1234567u;

    for (int i = 0; i < numSamples; ++i)
    {
        double sample = 0.0;

        for (const auto frequency : frequencies)
        {
            const double phase = std::fmod((double)i * frequency / sampleRate, 1.0);
            sample += 0.12 * (2.0 * phase - 1.0);
        }

        noiseState = noiseState * 1664525u + 1013904223u;
        sample += 0.05 * ((double)(noiseState >> 8) / (double)(1u << 24) * 2.0 - 1.0);

        const double fade =
            std::min({1.0, (double)i / fadeSamples, (double)(numSamples - 1 - i) / fadeSamples});

        for (int channel = 0; channel < numChannels; ++channel)
            buffer.setSample(channel, i, (float)(sample * fade));
    }

    return buffer;
}
} // namespace TestSignal
