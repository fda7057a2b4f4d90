#include "Vst2PluginSupport.h"

#include <FrameworkEnvironment.h>
#include <Opcodes.h>
#include <ScopedTemporaryHome.h>

#include <algorithm>

// The framework in the test's own process, for the reference processors.
static const auto* const framework =
    ::testing::AddGlobalTestEnvironment(new testsupport::FrameworkEnvironment);
// The module's editor reads the preset folder below the Music folder.
static const auto* const temporaryHome = ::testing::AddGlobalTestEnvironment(
    new testsupport::TemporaryHomeEnvironment("stompix-vst2-home"));

Channels noise(int numChannels, int numSamples, juce::uint32 seed)
{
    Channels channels((size_t)numChannels, std::vector<float>((size_t)numSamples));

    for (auto& channel : channels)
        for (auto& sample : channel)
        {
            seed = seed * 1664525u + 1013904223u;
            sample = ((float)(seed >> 8) / 16777216.0f - 0.5f) * 0.5f;
        }

    return channels;
}

ReferenceProcessor::ReferenceProcessor(double sampleRate, int blockSize, double tempo,
                                       int numInputs)
    : rate(sampleRate), block(blockSize), playHead(tempo)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(juce::AudioChannelSet::canonicalChannelSet(numInputs));
    layout.outputBuses.add(juce::AudioChannelSet::stereo());
    processor.setBusesLayout(layout);
    processor.setPlayHead(&playHead);
}

void ReferenceProcessor::prepare()
{
    processor.setRateAndBufferSizeDetails(rate, block);
    processor.prepareToPlay(rate, block);
}

Channels ReferenceProcessor::process(const Channels& input)
{
    const int frames = (int)input.front().size();
    const int outs = processor.getTotalNumOutputChannels();
    Channels output((size_t)outs, std::vector<float>((size_t)frames, 0.0f));

    for (size_t channel = 0; channel < output.size() && channel < input.size(); ++channel)
        output[channel] = input[channel];

    juce::MidiBuffer midi;

    for (int start = 0; start < frames; start += block)
    {
        const int length = std::min(block, frames - start);
        std::vector<float*> pointers;
        for (auto& channel : output)
            pointers.push_back(channel.data() + start);

        juce::AudioBuffer<float> buffer(pointers.data(), outs, length);
        const juce::ScopedLock lock(processor.getCallbackLock());
        processor.processBlock(buffer, midi);
    }

    return output;
}

Channels processInBlocks(PluginInstance& plugin, const Channels& input, int blockSize, bool inPlace)
{
    const int frames = (int)input.front().size();
    Channels output;

    for (int start = 0; start < frames; start += blockSize)
    {
        const int length = std::min(blockSize, frames - start);
        Channels block;
        for (const auto& channel : input)
            block.emplace_back(channel.begin() + start, channel.begin() + start + length);

        const auto processed = plugin.process(block, inPlace);
        output.resize(processed.size());
        for (size_t channel = 0; channel < processed.size(); ++channel)
            output[channel].insert(output[channel].end(), processed[channel].begin(),
                                   processed[channel].end());
    }

    return output;
}

std::int64_t setArrangement(PluginInstance& plugin, std::int32_t ins, std::int32_t outs)
{
    struct TwoSpeakers
    {
        VstSpeakerArrangement header;
        VstSpeakerProperties speakers[2];
    };
    TwoSpeakers input{}, output{};
    input.header.numChannels = ins;
    output.header.numChannels = outs;

    return plugin.dispatch(EffectOpcode::setSpeakerArrangement, 0,
                           reinterpret_cast<std::intptr_t>(&input.header), &output.header);
}
