#include "ChunkBuffer.h"
#include "HeapCallCount.h"
#include "LoadedModule.h"
#include "ProcessHeapCases.h"

#include "ParameterId.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using testsupport::HostBlock;
using testsupport::ProcessHeapCase;

constexpr AAX_CTypeID stateChunk = 0x6A756365; // 'juce'

// The test host as a real-time host drives an instance: parameter changes, its bypass, tempo
// and restores on its main thread, where the data model also generates the coefficients whose
// packets reach the context before the block; the process procedure on its audio thread, on
// buffers made before the blocks.
class AaxHost final : public testsupport::ProcessHeapHost
{
public:
    explicit AaxHost(aaxhost::EffectInstance& effectInstance)
        : instance(effectInstance), state(StateChunk()),
          inputs(2, std::vector<float>(testsupport::processHeapBlockSize, 0.0f)), outputs(inputs)
    {
    }

    void prepareBlock(const HostBlock& block) override
    {
        auto& parameters = instance.dataModel();

        if (block.restoreFirst)
            succeeded = parameters.SetChunk(stateChunk, state.chunk()) == AAX_SUCCESS && succeeded;

        for (const auto& [index, value] : block.changes)
            succeeded = parameters.SetParameterNormalizedValue(std::to_string(index).c_str(),
                                                               value) == AAX_SUCCESS &&
                        succeeded;

        if (block.hostBypass)
            succeeded = parameters.SetParameterNormalizedValue(
                            "MasterBypassID", *block.hostBypass ? 1.0 : 0.0) == AAX_SUCCESS &&
                        succeeded;

        if (block.tempo)
            instance.host().transport().setTempo(*block.tempo);

        succeeded = instance.deliverPackets() == AAX_SUCCESS && succeeded;
    }

    bool processBlock(const HostBlock& block) override
    {
        float* in[] = {inputs[0].data(), inputs[1].data()};
        float* out[] = {outputs[0].data(), outputs[1].data()};
        instance.runProcessProcedure(in, out, block.numSamples);
        return true;
    }

    void finishBlock() override { instance.idle(); }

    bool everyCallSucceeded() const { return succeeded; }

private:
    static aaxhost::ChunkBuffer StateChunk()
    {
        const std::vector<char> bytes = testsupport::processHeapState();
        aaxhost::ChunkBuffer chunk(bytes.size());
        std::copy(bytes.begin(), bytes.end(), chunk.chunk()->fData);
        chunk.chunk()->fChunkID = stateChunk;
        return chunk;
    }

    aaxhost::EffectInstance& instance;
    const aaxhost::ChunkBuffer state;
    std::vector<std::vector<float>> inputs, outputs;
    bool succeeded = true;
};

// The component of the host's effect description with the case's layout.
std::size_t ComponentFor(const ProcessHeapCase& heapCase)
{
    if (heapCase.inputs == 2)
        return 0;
    return heapCase.outputs == 2 ? 1 : 2;
}

class ModuleProcessHeap : public aaxtest::LoadedModule,
                          public ::testing::WithParamInterface<ProcessHeapCase>
{
};
} // namespace

// A host's audio thread must not wait on the heap: once the instance is initialised, its
// process procedure makes no heap call, from the first block on, whatever the host sends.
TEST_P(ModuleProcessHeap, TheProcessProcedureMakesNoHeapCall)
{
    if (const auto reason = testsupport::whyHeapCallsAreNotCounted())
        GTEST_SKIP() << *reason;

    const ProcessHeapCase& heapCase = GetParam();
    aaxhost::EffectInstance& instance = newInstance(ComponentFor(heapCase));
    ASSERT_EQ(instance.numInputs(), heapCase.inputs);
    ASSERT_EQ(instance.numOutputs(), heapCase.outputs);

    {
        // The count sees the module's own heap calls.
        const testsupport::HeapCallCount count;
        uint32_t size = 0;
        ASSERT_EQ(instance.dataModel().GetChunkSize(stateChunk, &size), AAX_SUCCESS);
        ASSERT_GT(count.calls(), 0);
    }

    AaxHost realTimeHost(instance);
    const auto heapCalls = testsupport::heapCallsInProcess(heapCase, realTimeHost);
    EXPECT_TRUE(heapCalls.empty()) << heapCalls;
    EXPECT_TRUE(realTimeHost.everyCallSucceeded());
}

INSTANTIATE_TEST_SUITE_P(BlockSequences, ModuleProcessHeap,
                         ::testing::ValuesIn(testsupport::processHeapCases()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });
