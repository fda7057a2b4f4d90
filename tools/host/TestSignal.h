#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// The built-in test signal: a sawtooth chord with a little noise, rich in harmonics so that a
// phaser's moving notches are easy to hear. The same in every channel; deterministic.
namespace TestSignal
{
juce::AudioBuffer<float> create(int numChannels, int numSamples, double sampleRate);
}
