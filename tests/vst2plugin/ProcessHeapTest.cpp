#include "Vst2PluginSupport.h"

#include <HeapCallCount.h>
#include <Opcodes.h>
#include <ProcessHeapCases.h>

#include <string>
#include <vector>

namespace
{
using testsupport::HostBlock;
using testsupport::ProcessHeapCase;

// Our VST2 host as a real-time host drives the module: its buffers made before the blocks, the
// block's automation set on the audio thread right before processReplacing, its bypass, tempo
// and restores from its other threads.
class Vst2Host final : public testsupport::ProcessHeapHost
{
public:
    Vst2Host(PluginInstance& instance, RecordingHost& recordingHost)
        : plugin(instance), host(recordingHost), state(testsupport::processHeapState()),
          inputs(2, std::vector<float>(testsupport::processHeapBlockSize, 0.0f)), outputs(inputs)
    {
        host.clearCalls();
        host.reserveCalls(64);
    }

    void prepareBlock(const HostBlock& block) override
    {
        host.clearCalls();

        if (block.restoreFirst)
            plugin.setChunk(state, false);

        if (block.hostBypass)
            plugin.dispatch(EffectOpcode::setBypass, 0, *block.hostBypass ? 1 : 0);

        host.answersTime = block.tempo.has_value();

        if (block.tempo)
            host.setTempo(*block.tempo);
    }

    bool processBlock(const HostBlock& block) override
    {
        for (const auto& [index, value] : block.changes)
            plugin.setParameter(index, value);

        float* in[] = {inputs[0].data(), inputs[1].data()};
        float* out[] = {outputs[0].data(), outputs[1].data()};
        auto& record = plugin.getRecord();
        record.processReplacing(&record, in, out, block.numSamples);
        return true;
    }

private:
    PluginInstance& plugin;
    RecordingHost& host;
    const std::vector<char> state;
    Channels inputs, outputs;
};

class Vst2ProcessHeap : public PluginTest, public ::testing::WithParamInterface<ProcessHeapCase>
{
};
} // namespace

// A host's audio thread must not wait on the heap: once the module is resumed, its
// processReplacing (with the host's automation before it) makes no heap call, from the first
// block on, whatever the host sends.
TEST_P(Vst2ProcessHeap, ProcessReplacingMakesNoHeapCall)
{
    if (const auto reason = testsupport::whyHeapCallsAreNotCounted())
        GTEST_SKIP() << *reason;

    const ProcessHeapCase& heapCase = GetParam();
    ASSERT_EQ(setArrangement(*plugin, heapCase.inputs, heapCase.outputs), 1);
    plugin->prepare((float)testsupport::processHeapSampleRate, testsupport::processHeapBlockSize);
    ASSERT_EQ(plugin->getRecord().numInputs, heapCase.inputs);
    ASSERT_EQ(plugin->getRecord().numOutputs, heapCase.outputs);

    {
        // The count sees the module's own heap calls.
        char text[64] = {};
        const testsupport::HeapCallCount count;
        plugin->dispatch(EffectOpcode::getParameterDisplay, kRate, 0, text);
        ASSERT_GT(count.calls(), 0);
    }

    Vst2Host vst2Host(*plugin, host);
    const auto heapCalls = testsupport::heapCallsInProcess(heapCase, vst2Host);
    EXPECT_TRUE(heapCalls.empty()) << heapCalls;
}

INSTANTIATE_TEST_SUITE_P(BlockSequences, Vst2ProcessHeap,
                         ::testing::ValuesIn(testsupport::processHeapCases()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });
