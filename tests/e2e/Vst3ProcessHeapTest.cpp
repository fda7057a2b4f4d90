#include "HeapCallCount.h"
#include "ParameterId.h"
#include "PluginInstance.h"
#include "ProcessHeapCases.h"
#include "Vst3Module.h"

#include <gtest/gtest.h>
#include <pluginterfaces/vst/ivstprocesscontext.h>

#include <string>

namespace
{
using testsupport::HostBlock;
using testsupport::ProcessHeapCase;

// The bare host's instance as a real-time host drives it: its lists of parameter changes made
// before the blocks and used again for each, the transport moved on by every block, and what
// the plug-in reports taken as its current values.
class Vst3Host final : public testsupport::ProcessHeapHost
{
public:
    Vst3Host(vst3host::PluginInstance& instance, Steinberg::Vst::ParamID bypass)
        : plugin(instance), bypassId(bypass), state(testsupport::processHeapState())
    {
        in.reserve(64, 4);
        out.reserve(64, 4);
    }

    void prepareBlock(const HostBlock& block) override
    {
        if (block.restoreFirst)
            restored = plugin.setState(state) && restored;

        in.clear();
        out.clear();

        for (const auto& [index, value] : block.changes)
            in.add((Steinberg::Vst::ParamID)index, value);

        if (block.hostBypass)
            in.add(bypassId, *block.hostBypass ? 1.0 : 0.0);

        if (block.tempo)
            moveTransport(*block.tempo);
    }

    bool processBlock(const HostBlock& block) override
    {
        const bool processed =
            plugin.process(in, out, block.numSamples, block.tempo ? &context : nullptr);
        context.projectTimeSamples += block.numSamples;
        return processed;
    }

    void finishBlock() override
    {
        for (const auto& [id, value] : out.lastValues())
            plugin.getController().setParamNormalized(id, value);
    }

    bool restoredEveryState() const { return restored; }

private:
    void moveTransport(double tempo)
    {
        using Steinberg::Vst::ProcessContext;
        context.state = ProcessContext::kPlaying | ProcessContext::kTempoValid |
                        ProcessContext::kTimeSigValid | ProcessContext::kProjectTimeMusicValid;
        context.sampleRate = testsupport::processHeapSampleRate;
        context.tempo = tempo;
        context.timeSigNumerator = 4;
        context.timeSigDenominator = 4;
        context.projectTimeMusic =
            (double)context.projectTimeSamples / testsupport::processHeapSampleRate * tempo / 60.0;
    }

    vst3host::PluginInstance& plugin;
    const Steinberg::Vst::ParamID bypassId;
    const std::vector<char> state;
    vst3host::ParameterChanges in, out;
    Steinberg::Vst::ProcessContext context{};
    bool restored = true;
};

class Vst3ProcessHeap : public ::testing::TestWithParam<ProcessHeapCase>
{
};
} // namespace

// A host's audio thread must not wait on the heap: once the plug-in is prepared, process()
// makes no heap call, from the first block on, whatever the host sends.
TEST_P(Vst3ProcessHeap, ProcessMakesNoHeapCall)
{
    if (const auto reason = testsupport::whyHeapCallsAreNotCounted())
        GTEST_SKIP() << *reason;

    const ProcessHeapCase& heapCase = GetParam();
    ASSERT_TRUE(vst3Module().isLoaded()) << vst3Module().getError();
    vst3host::PluginInstance plugin(vst3Module());
    ASSERT_TRUE(plugin.isValid()) << plugin.getError();

    if (heapCase.inputs != 2 || heapCase.outputs != 2)
    {
        ASSERT_TRUE(plugin.setChannels(heapCase.inputs, heapCase.outputs));
    }

    ASSERT_TRUE(plugin.startProcessing(testsupport::processHeapSampleRate,
                                       testsupport::processHeapBlockSize));
    const auto bypass = plugin.findParameter(Steinberg::Vst::ParameterInfo::kIsBypass);
    ASSERT_TRUE(bypass.has_value());

    {
        // The count sees the module's own heap calls.
        const testsupport::HeapCallCount count;
        Steinberg::Vst::String128 text{};
        plugin.getController().getParamStringByValue(kRate, 0.25, text);
        ASSERT_GT(count.calls(), 0);
    }

    Vst3Host host(plugin, bypass->id);
    const auto heapCalls = testsupport::heapCallsInProcess(heapCase, host);
    EXPECT_TRUE(heapCalls.empty()) << heapCalls;
    EXPECT_TRUE(host.restoredEveryState());
}

INSTANTIATE_TEST_SUITE_P(BlockSequences, Vst3ProcessHeap,
                         ::testing::ValuesIn(testsupport::processHeapCases()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });
