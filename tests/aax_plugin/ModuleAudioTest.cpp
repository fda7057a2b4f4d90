#include "LoadedModule.h"

#include "StompixZR7714AudioProcessor.h"
#include "TempoPlayHead.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
using Channels = aaxhost::EffectInstance::Channels;

constexpr double sampleRate = aaxtest::moduleSampleRate;
constexpr int preparedBlockSize = 1024;

// The processor itself, in the test's own framework, prepared as the module prepares its own:
// the same layout, rate and block size, and fed blocks in the same pieces.
class ReferenceProcessor
{
public:
    ReferenceProcessor(int numInputs, int numOutputs, double tempo)
        : inputs(numInputs), outputs(numOutputs), playHead(tempo)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add(juce::AudioChannelSet::canonicalChannelSet(numInputs));
        layout.outputBuses.add(juce::AudioChannelSet::canonicalChannelSet(numOutputs));
        EXPECT_TRUE(processor.setBusesLayout(layout));
        processor.setPlayHead(&playHead);
        processor.setRateAndBufferSizeDetails(sampleRate, preparedBlockSize);
        processor.prepareToPlay(sampleRate, preparedBlockSize);
    }

    void set(int index, float value)
    {
        JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
        processor.setParameter(index, value);
        JUCE_END_IGNORE_WARNINGS_GCC_LIKE
    }

    Channels process(const Channels& input)
    {
        const int numSamples = static_cast<int>(input[0].size());
        Channels output(static_cast<std::size_t>(outputs));
        for (int channel = 0; channel < outputs; ++channel)
            output[static_cast<std::size_t>(channel)] =
                input[static_cast<std::size_t>(std::min(channel, inputs - 1))];
        std::vector<float*> pointers;
        for (auto& channel : output)
            pointers.push_back(channel.data());
        for (int offset = 0; offset < numSamples; offset += preparedBlockSize)
        {
            juce::AudioBuffer<float> buffer(pointers.data(), outputs, offset,
                                            std::min(preparedBlockSize, numSamples - offset));
            processor.processBlock(buffer, midi);
        }
        return output;
    }

private:
    int inputs;
    int outputs;
    // At the tempo the module's host gives.
    testsupport::TempoPlayHead playHead;
    StompixZR7714AudioProcessor processor;
    juce::MidiBuffer midi;
};

// A test signal: two detuned tones with a little noise, different on each channel.
Channels Signal(int numChannels, int numSamples, int start)
{
    Channels signal(static_cast<std::size_t>(numChannels));
    juce::Random random(start + 17);
    for (int channel = 0; channel < numChannels; ++channel)
        for (int i = 0; i < numSamples; ++i)
        {
            const double t = (start + i) / sampleRate;
            signal[static_cast<std::size_t>(channel)].push_back(static_cast<float>(
                0.4 * std::sin(juce::MathConstants<double>::twoPi * (220.0 + 3.0 * channel) * t) +
                0.2 * std::sin(juce::MathConstants<double>::twoPi * 1250.0 * t) +
                0.05 * (random.nextFloat() - 0.5f)));
        }
    return signal;
}

struct Layout
{
    std::size_t component;
    int numInputs;
    int numOutputs;
};

class ModuleAudio : public aaxtest::LoadedModule, public ::testing::WithParamInterface<Layout>
{
protected:
    // Sets a processor parameter the way a host does on the instance, and on the reference.
    void set(aaxhost::EffectInstance& instance, ReferenceProcessor& reference, int index,
             float value)
    {
        ASSERT_EQ(instance.dataModel().SetParameterNormalizedValue(juce::String(index).toRawUTF8(),
                                                                   static_cast<double>(value)),
                  AAX_SUCCESS);
        reference.set(index, value);
    }
};

// Settings, tempo sync, blocks of every length (longer than the prepared size too), the
// effect switched off, and the host's bypass: the module's callback gives the processor's own
// output to the bit.
TEST_P(ModuleAudio, ProcessesAsTheProcessorItselfDoes)
{
    const Layout layout = GetParam();
    aaxhost::EffectInstance& instance = newInstance(layout.component, 100.0);
    ASSERT_EQ(instance.numInputs(), layout.numInputs);
    ASSERT_EQ(instance.numOutputs(), layout.numOutputs);
    ReferenceProcessor reference(layout.numInputs, layout.numOutputs, 100.0);

    const std::pair<int, float> settings[] = {{2, 0.3f}, {4, 0.8f}, {5, 0.6f}, {6, 0.7f},
                                              {7, 0.4f}, {8, 1.0f}, {9, 1.0f}, {3, 0.25f}};
    for (const auto& [index, value] : settings)
        set(instance, reference, index, value);

    int position = 0;
    const auto runBlocks = [&](std::initializer_list<int> lengths)
    {
        for (int length : lengths)
        {
            const Channels input = Signal(layout.numInputs, length, position);
            Channels output;
            EXPECT_EQ(instance.process(input, output), AAX_SUCCESS);
            EXPECT_EQ(output, reference.process(input)) << "block at " << position;
            position += length;
        }
    };
    runBlocks({512, 64, 3000, 1, 1024, 700});
    {
        // The effect is heard: the processed block is not its input.
        const Channels input = Signal(layout.numInputs, 256, position);
        Channels output;
        EXPECT_EQ(instance.process(input, output), AAX_SUCCESS);
        EXPECT_EQ(output, reference.process(input));
        EXPECT_NE(output[0], input[0]);
        position += 256;
    }

    set(instance, reference, 0, 0.0f); // the effect fades out to the dry signal
    runBlocks({1500, 1500, 512});
    set(instance, reference, 0, 1.0f);
    runBlocks({2048, 333});

    // Bypassed by the host, the block passes unchanged: the input on every output.
    ASSERT_EQ(instance.dataModel().UpdateParameterNormalizedValue("MasterBypassID", 1.0, {}),
              AAX_SUCCESS);
    const Channels input = Signal(layout.numInputs, 800, position);
    Channels output;
    EXPECT_EQ(instance.process(input, output), AAX_SUCCESS);
    for (int channel = 0; channel < layout.numOutputs; ++channel)
        EXPECT_EQ(output[static_cast<std::size_t>(channel)],
                  input[static_cast<std::size_t>(std::min(channel, layout.numInputs - 1))])
            << "channel " << channel;
}

INSTANTIATE_TEST_SUITE_P(Layouts, ModuleAudio,
                         ::testing::Values(Layout{0, 2, 2}, Layout{1, 1, 2}, Layout{2, 1, 1}),
                         [](const auto& test)
                         {
                             return std::to_string(test.param.numInputs) + "in" +
                                    std::to_string(test.param.numOutputs) + "out";
                         });

// The model switch counts its debounce in the audio itself: without a single wake of the
// plug-in's timers or any wait, the module's output moves to the new model on the same sample
// as the processor's own.
using ModuleInstance = aaxtest::LoadedModule;

TEST_F(ModuleInstance, AModelSwitchNeedsNoTimerOfTheHost)
{
    aaxhost::EffectInstance& instance = newInstance(0);
    ReferenceProcessor reference(2, 2, 120.0);
    ReferenceProcessor unswitched(2, 2, 120.0);
    ASSERT_EQ(instance.dataModel().SetParameterNormalizedValue("1", 1.0), AAX_SUCCESS);
    reference.set(kPhaserType, 1.0f);

    bool switched = false;

    for (int position = 0; position < 16 * 512; position += 512)
    {
        const Channels input = Signal(2, 512, position);
        Channels output;
        ASSERT_EQ(instance.process(input, output), AAX_SUCCESS);
        EXPECT_EQ(output, reference.process(input)) << "block at " << position;
        switched = switched || output != unswitched.process(input);
    }

    EXPECT_TRUE(switched);
}

// A host that gives no usable sample rate gets silence, not a processor run unprepared.
TEST_F(ModuleInstance, AnInstanceWithoutASampleRateGivesSilence)
{
    instances.push_back(std::make_unique<aaxhost::EffectInstance>(
        host, *effect, *effect->components().at(0), 0.0f));
    aaxhost::EffectInstance& instance = *instances.back();
    ASSERT_EQ(instance.createDataModel(), AAX_SUCCESS);
    Channels output;
    EXPECT_EQ(instance.process(Signal(2, 256, 0), output), AAX_SUCCESS);
    EXPECT_EQ(output, Channels(2, std::vector<float>(256, 0.0f)));
}
} // namespace
