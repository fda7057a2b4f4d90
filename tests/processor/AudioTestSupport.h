#pragma once

#include "ProcessorTestSupport.h"
#include "TempoPlayHead.h"

#include <cmath>
#include <limits>

using testsupport::TempoPlayHead;

// Deterministic noise, the same for every call with the same seed.
inline juce::AudioBuffer<float> noise(int numChannels, int numSamples, juce::uint32 seed = 1)
{
    juce::AudioBuffer<float> buffer(numChannels, numSamples);

    for (int channel = 0; channel < numChannels; ++channel)
        for (int i = 0; i < numSamples; ++i)
        {
            seed = seed * 1664525u + 1013904223u;
            buffer.setSample(channel, i, ((float)(seed >> 8) / 16777216.0f - 0.5f) * 0.5f);
        }

    return buffer;
}

// One model driven as the processor drives it, as a reference for the processor's output.
template <typename Model> struct ReferenceModel
{
    ReferenceModel(const StompixZR7714AudioProcessor& processor, double sampleRate, int blockSize,
                   const TempoPlayHead* playHead = nullptr)
    {
        model.setSampleRate((float)sampleRate);
        model.setExpectedSampleFrame(
            std::max(blockSize, StompixZR7714AudioProcessor::minScratchLength));
        prime(processor, playHead);
    }

    // What the processor does to a model when it prepares or switches to it.
    void prime(const StompixZR7714AudioProcessor& processor,
               const TempoPlayHead* playHead = nullptr)
    {
        model.reset();
        model.setParameter(0, 1.0f);

        if (playHead != nullptr)
            model.setBpm((float)playHead->bpm);

        for (int k = 1; k <= 6; ++k)
            model.setParameter(k, processor.getCurrentValue(k + 1));

        model.setParameter(7, processor.getCurrentValue(kStereo) > 0.0f ? 1.0f : 0.0f);
        model.setParameter(8, processor.getCurrentValue(kSync) > 0.0f ? 1.0f : 0.0f);
        model.forceCalcParams();
    }

    // The block processed in place, as the processor's model stage does it.
    juce::AudioBuffer<float> process(const juce::AudioBuffer<float>& input, int numOutputs)
    {
        juce::AudioBuffer<float> out(numOutputs, input.getNumSamples());
        out.copyFrom(0, 0, input, 0, 0, input.getNumSamples());

        if (numOutputs >= 2)
        {
            out.copyFrom(1, 0, input, std::min(1, input.getNumChannels() - 1), 0,
                         input.getNumSamples());
            model.process(out.getWritePointer(0), out.getWritePointer(1), out.getNumSamples());
        }
        else
        {
            model.process(out.getWritePointer(0), out.getNumSamples());
        }

        return out;
    }

    Model model;
};

// Runs `input` through the processor in blocks of `blockSize`; the buffer has as many channels
// as the processor's layout needs, the input fills its inputs.
inline juce::AudioBuffer<float> runProcessor(StompixZR7714AudioProcessor& processor,
                                             const juce::AudioBuffer<float>& input, int blockSize)
{
    const int numChannels =
        std::max(processor.getTotalNumInputChannels(), processor.getTotalNumOutputChannels());
    juce::AudioBuffer<float> all(numChannels, input.getNumSamples());
    all.clear();

    for (int channel = 0; channel < processor.getTotalNumInputChannels(); ++channel)
        all.copyFrom(channel, 0, input, std::min(channel, input.getNumChannels() - 1), 0,
                     input.getNumSamples());

    juce::MidiBuffer midi;

    for (int start = 0; start < input.getNumSamples(); start += blockSize)
    {
        const int length = std::min(blockSize, input.getNumSamples() - start);
        juce::AudioBuffer<float> block(all.getArrayOfWritePointers(), numChannels, start, length);
        processor.processBlock(block, midi);
    }

    juce::AudioBuffer<float> out(processor.getTotalNumOutputChannels(), input.getNumSamples());

    for (int channel = 0; channel < out.getNumChannels(); ++channel)
        out.copyFrom(channel, 0, all, channel, 0, input.getNumSamples());

    return out;
}

inline juce::AudioBuffer<float> slice(const juce::AudioBuffer<float>& buffer, int start, int length)
{
    juce::AudioBuffer<float> part(buffer.getNumChannels(), length);

    for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
        part.copyFrom(channel, 0, buffer, channel, start, length);

    return part;
}

// What the pass-through gives: the inputs on their outputs, a single input on every output.
inline juce::AudioBuffer<float> passedThrough(const juce::AudioBuffer<float>& input, int numOutputs)
{
    juce::AudioBuffer<float> out(numOutputs, input.getNumSamples());

    for (int channel = 0; channel < numOutputs; ++channel)
        out.copyFrom(channel, 0, input, std::min(channel, input.getNumChannels() - 1), 0,
                     input.getNumSamples());

    return out;
}

// Bit-exact comparison, reporting the first differing sample.
inline ::testing::AssertionResult sameSamples(const juce::AudioBuffer<float>& actual,
                                              const juce::AudioBuffer<float>& expected)
{
    if (actual.getNumChannels() != expected.getNumChannels() ||
        actual.getNumSamples() != expected.getNumSamples())
        return ::testing::AssertionFailure() << "different sizes";

    for (int channel = 0; channel < actual.getNumChannels(); ++channel)
        for (int i = 0; i < actual.getNumSamples(); ++i)
            if (actual.getSample(channel, i) != expected.getSample(channel, i))
                return ::testing::AssertionFailure()
                       << "channel " << channel << " sample " << i << ": "
                       << actual.getSample(channel, i) << " instead of "
                       << expected.getSample(channel, i);

    return ::testing::AssertionSuccess();
}

inline bool setLayout(juce::AudioProcessor& processor, int numInputs, int numOutputs)
{
    const auto setFor = [](int n)
    { return n == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo(); };
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(setFor(numInputs));
    layout.outputBuses.add(setFor(numOutputs));
    return processor.setBusesLayout(layout);
}
