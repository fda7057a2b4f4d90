#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

namespace WavFiles
{
// The whole file in `audio` and its rate in `sampleRate`; false with a message on failure.
bool read(const juce::File& file, juce::AudioBuffer<float>& audio, double& sampleRate,
          juce::String& error);

// A 32-bit float WAV file, so that rendered audio keeps every bit.
bool write(const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate,
           juce::String& error);
} // namespace WavFiles
