#include "Vst2PluginSupport.h"

#include <Opcodes.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace
{
constexpr int blockSize = 512;
constexpr int frames = 8 * blockSize + 100;

// Settings under which every part of the model is audible.
void setAudibleSettings(const std::function<void(int, float)>& set)
{
    set(kDepth, 0.8f);
    set(kFeedback, 0.7f);
    set(kRate, 0.6f);
    set(kStereo, 1.0f);
}

class AudioTest : public PluginTest
{
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        setAudibleSettings([this](int index, float value) { plugin->setParameter(index, value); });
    }

    std::unique_ptr<ReferenceProcessor> reference(double rate, double tempo = 120.0,
                                                  int numInputs = 2)
    {
        auto processor = std::make_unique<ReferenceProcessor>(rate, blockSize, tempo, numInputs);
        setAudibleSettings([&](int index, float value)
                           { (*processor)->setParameter(index, value); });
        return processor;
    }

    const Channels input = noise(2, frames);
};

TEST_F(AudioTest, ProcessReplacingGivesTheProcessorsOwnOutput)
{
    plugin->prepare(48000.0f, blockSize);
    auto expected = reference(48000.0);
    expected->prepare();
    const auto wanted = expected->process(input);

    EXPECT_EQ(processInBlocks(*plugin, input, blockSize), wanted);
    EXPECT_NE(wanted, input);

    // The same again with the host's buffers shared between input and output.
    PluginInstance inPlace(pluginModule(), host);
    setAudibleSettings([&](int index, float value) { inPlace.setParameter(index, value); });
    inPlace.prepare(48000.0f, blockSize);
    EXPECT_EQ(processInBlocks(inPlace, input, blockSize, true), wanted);
}

TEST_F(AudioTest, MonoInputFeedsBothOutputs)
{
    ASSERT_EQ(setArrangement(*plugin, 1, 2), 1);
    plugin->prepare(44100.0f, blockSize);

    auto expected = reference(44100.0, 120.0, 1);
    expected->prepare();
    const Channels monoInput{input[0]};

    EXPECT_EQ(processInBlocks(*plugin, monoInput, blockSize), expected->process(monoInput));
}

TEST_F(AudioTest, HostTempoReachesTheSyncedLfo)
{
    plugin->setParameter(kSync, 1.0f);
    host.setTempo(93.0);
    plugin->prepare(44100.0f, blockSize);

    auto atHostTempo = reference(44100.0, 93.0);
    (*atHostTempo)->setParameter(kSync, 1.0f);
    atHostTempo->prepare();
    auto atOtherTempo = reference(44100.0, 120.0);
    (*atOtherTempo)->setParameter(kSync, 1.0f);
    atOtherTempo->prepare();

    const auto output = processInBlocks(*plugin, input, blockSize);
    EXPECT_EQ(output, atHostTempo->process(input));
    EXPECT_NE(output, atOtherTempo->process(input));
    EXPECT_FALSE(host.callsOf(HostOpcode::getTime).empty());
}

TEST_F(AudioTest, TempoTheHostDoesNotVouchForIsNotTaken)
{
    plugin->setParameter(kSync, 1.0f);
    host.setTempo(93.0);
    host.timeInfo.flags &= ~TimeInfoFlags::tempoValid;
    plugin->prepare(44100.0f, blockSize);

    // The processor's own fallback tempo, as with a play head that gives none.
    auto fallback = reference(44100.0, 120.0);
    (*fallback)->setParameter(kSync, 1.0f);
    fallback->prepare();

    EXPECT_EQ(processInBlocks(*plugin, input, blockSize), fallback->process(input));
}

TEST_F(AudioTest, RatesAndBlockSizesBelowOneAreIgnored)
{
    plugin->dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, 48000.0f);
    for (const float rate : {0.0f, -44100.0f})
        plugin->dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, rate);
    for (const std::int64_t size : {0LL, -1LL})
        plugin->dispatch(EffectOpcode::setBlockSize, 0, size);
    plugin->dispatch(EffectOpcode::suspendResume, 0, 1);

    auto expected = reference(48000.0);
    expected->prepare();
    EXPECT_EQ(processInBlocks(*plugin, input, blockSize), expected->process(input));
}

TEST_F(AudioTest, SuspendedPluginClearsItsOutputs)
{
    const Channels silence(2, std::vector<float>(blockSize, 0.0f));
    const Channels block = noise(2, blockSize);

    EXPECT_EQ(plugin->process(block), silence) << "never resumed";
    plugin->prepare(44100.0f, blockSize);
    EXPECT_NE(plugin->process(block), silence);
    plugin->suspend();
    EXPECT_EQ(plugin->process(block), silence);
    EXPECT_EQ(plugin->process(block, true), silence);
}

// Bypassed by the host, the block passes as with the effect switched off, in every layout: the
// inputs on their outputs, a single input on both.
TEST_F(AudioTest, HostBypassPassesTheBlockUnchanged)
{
    for (const auto& [ins, outs] :
         {std::make_pair(2, 2), std::make_pair(1, 2), std::make_pair(1, 1)})
    {
        PluginInstance instance(pluginModule(), host);
        ASSERT_EQ(setArrangement(instance, ins, outs), 1);
        instance.prepare(44100.0f, blockSize);
        const Channels block = noise(ins, blockSize);
        Channels passed;
        for (int channel = 0; channel < outs; ++channel)
            passed.push_back(block[(size_t)std::min(channel, ins - 1)]);

        EXPECT_EQ(instance.dispatch(EffectOpcode::setBypass, 0, 1), 1);
        EXPECT_EQ(instance.process(block), passed) << ins << " in, " << outs << " out";
        EXPECT_EQ(instance.dispatch(EffectOpcode::setBypass, 0, 0), 1);
        EXPECT_NE(instance.process(block), passed) << ins << " in, " << outs << " out";
    }
}

TEST_F(AudioTest, BlocksWithoutAudioAreSkipped)
{
    plugin->prepare(44100.0f, blockSize);
    auto& record = plugin->getRecord();
    std::vector<float> left(16, 0.25f), right(16, 0.25f);
    float* outputs[] = {left.data(), right.data()};
    float* missingChannel[] = {left.data(), nullptr};

    for (const std::int32_t count : {0, -16})
        record.processReplacing(&record, outputs, outputs, count);
    record.processReplacing(&record, outputs, nullptr, 16);
    record.processReplacing(&record, outputs, missingChannel, 16);
    EXPECT_EQ(left, std::vector<float>(16, 0.25f));

    // No inputs at all: the outputs hold the processed silence.
    record.processReplacing(&record, nullptr, outputs, 16);
    EXPECT_EQ(left, std::vector<float>(16, 0.0f));
}

// The record offers 32-bit audio only; a host that sends 64-bit audio anyway hears it unchanged
// rather than whatever its output buffers held.
TEST_F(AudioTest, DoublePrecisionAudioPassesThrough)
{
    plugin->prepare(44100.0f, blockSize);
    auto& record = plugin->getRecord();
    std::vector<double> left(16, 0.25), right(16, -0.5), outLeft(16, 9.0), outRight(16, 9.0);
    double* inputs[] = {left.data(), right.data()};
    double* outputs[] = {outLeft.data(), outRight.data()};

    record.processDoubleReplacing(&record, inputs, outputs, 16);
    EXPECT_EQ(outLeft, left);
    EXPECT_EQ(outRight, right);
}

// The model switch counts its debounce in the audio itself: no idle call and no wait, yet the
// plug-in switches on the same sample as the processor's own.
TEST_F(AudioTest, ModelSwitchNeedsNoMessageThreadTime)
{
    plugin->prepare(44100.0f, blockSize);
    plugin->setParameter(kPhaserType, 0.5f);

    auto expected = reference(44100.0);
    expected->prepare();
    (*expected)->setParameter(kPhaserType, 0.5f);
    auto unswitched = reference(44100.0);
    unswitched->prepare();

    const auto output = processInBlocks(*plugin, input, blockSize);
    EXPECT_EQ(output, expected->process(input));
    EXPECT_NE(output, unswitched->process(input));
}
} // namespace
