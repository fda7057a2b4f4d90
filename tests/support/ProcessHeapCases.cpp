#include "ProcessHeapCases.h"

#include "AudioThread.h"
#include "HeapCallCount.h"

#include <StompixZR7714AudioProcessor.h>

#include <sstream>

namespace testsupport
{
namespace
{
using Blocks = std::vector<HostBlock>;
using Changes = std::vector<std::pair<int, float>>;

// Enough blocks for a model switch's 50 ms debounce and its crossfade (2048 samples at this
// rate) to run out, and for a footswitch fade (as long as the crossfade).
constexpr int blocksToSettle = 16;

// `count` blocks of `numSamples`, the first of them with the changes.
void append(Blocks& blocks, int count, const HostBlock& first)
{
    blocks.push_back(first);

    for (int i = 1; i < count; ++i)
        blocks.push_back({first.numSamples, {}, {}, first.tempo, false});
}

void append(Blocks& blocks, int count, Changes changes = {}, std::optional<double> tempo = {})
{
    append(blocks, count, HostBlock{processHeapBlockSize, std::move(changes), {}, tempo, false});
}

Blocks defaults()
{
    Blocks blocks;
    append(blocks, blocksToSettle);
    return blocks;
}

Blocks modelSwitches()
{
    Blocks blocks;

    for (const float type : {0.5f, 1.0f, 0.0f, 1.0f})
        append(blocks, blocksToSettle, {{kPhaserType, type}});

    // A switch withdrawn by a newer type within the debounce.
    append(blocks, 1, {{kPhaserType, 0.5f}});
    append(blocks, blocksToSettle, {{kPhaserType, 1.0f}});
    return blocks;
}

Blocks footswitchFades()
{
    Blocks blocks;
    append(blocks, blocksToSettle, {{kOnBypass, 0.0f}});
    append(blocks, blocksToSettle, {{kOnBypass, 1.0f}});
    // Turned back within the fade, and a model switch while the effect is off.
    append(blocks, 1, {{kOnBypass, 0.0f}});
    append(blocks, blocksToSettle, {{kOnBypass, 1.0f}});
    append(blocks, blocksToSettle, {{kOnBypass, 0.0f}, {kPhaserType, 0.5f}});
    append(blocks, blocksToSettle, {{kOnBypass, 1.0f}});
    return blocks;
}

Blocks tempoSync()
{
    Blocks blocks;
    append(blocks, blocksToSettle, {{kSync, 1.0f}}, 120.0);

    for (const auto& [tempo, division] : {std::pair(97.0, 0.0f), std::pair(133.3, 0.3f),
                                          std::pair(60.0, 0.7f), std::pair(180.0, 1.0f)})
        append(blocks, 4, {{kRateSync, division}}, tempo);

    // The host stops sending its transport, then the rate is free again.
    append(blocks, 4);
    append(blocks, 4, {{kSync, 0.0f}}, 120.0);
    return blocks;
}

Blocks everyParameterEveryBlock()
{
    Blocks blocks;
    unsigned seed = 7;
    const auto nextValue = [&seed]
    {
        seed = seed * 1664525u + 1013904223u;
        return (float)(seed >> 8) / 16777216.0f;
    };

    for (int block = 0; block < 4 * blocksToSettle; ++block)
    {
        HostBlock next;

        for (int k = 0; k < kNumParameters; ++k)
            next.changes.emplace_back(k, nextValue());

        next.hostBypass = nextValue() < 0.2f;
        next.tempo = 90.0 + 60.0 * nextValue();
        blocks.push_back(next);
    }

    return blocks;
}

// With the synced LFO, a model switch and a footswitch fade on the way.
Blocks everyBlockSize()
{
    Blocks blocks;

    for (int numSamples = 1; numSamples <= processHeapBlockSize; ++numSamples)
    {
        HostBlock next{numSamples, {}, {}, 120.0, false};

        if (numSamples == 1)
            next.changes = {{kSync, 1.0f}, {kPhaserType, 0.5f}};
        else if (numSamples == 200)
            next.changes = {{kOnBypass, 0.0f}};
        else if (numSamples == 300)
            next.changes = {{kOnBypass, 1.0f}};
        else if (numSamples == 400)
            next.changes = {{kPhaserType, 1.0f}};

        blocks.push_back(next);
    }

    return blocks;
}

// A little of everything, in blocks of changing lengths: for each bus layout.
Blocks mixed()
{
    Blocks blocks;
    const int lengths[] = {processHeapBlockSize, 1, 37, 256, 500};
    const auto add = [&](int count, HostBlock first)
    {
        for (int i = 0; i < count; ++i)
        {
            HostBlock next = i == 0 ? first : HostBlock{};
            next.numSamples = lengths[blocks.size() % std::size(lengths)];
            next.tempo = 120.0;
            blocks.push_back(next);
        }
    };

    add(blocksToSettle, {0, {{kStereo, 1.0f}}, {}, {}, false});
    add(2 * blocksToSettle, {0, {{kPhaserType, 1.0f}}, {}, {}, false});
    add(blocksToSettle, {0, {{kOnBypass, 0.0f}}, {}, {}, false});
    add(blocksToSettle, {0, {{kOnBypass, 1.0f}, {kSync, 1.0f}}, {}, {}, false});
    add(blocksToSettle, {0, {}, true, {}, false});
    add(blocksToSettle, {0, {}, false, {}, false});
    return blocks;
}

// Model switches made and withdrawn while the host's bypass is on.
Blocks hostBypass()
{
    Blocks blocks;
    append(blocks, blocksToSettle, HostBlock{processHeapBlockSize, {}, true, {}, false});
    append(blocks, blocksToSettle, {{kPhaserType, 1.0f}});
    append(blocks, 1, {{kPhaserType, 0.5f}});
    append(blocks, 1, {{kPhaserType, 0.0f}});
    append(blocks, blocksToSettle, HostBlock{processHeapBlockSize, {}, false, {}, false});
    append(blocks, 1, HostBlock{processHeapBlockSize, {}, true, {}, false});
    append(blocks, blocksToSettle, HostBlock{processHeapBlockSize, {}, false, {}, false});
    return blocks;
}

// A session restored between blocks, as a host reloads a project while playing; the second
// restore follows a model switch still in its debounce.
Blocks stateRestore()
{
    const HostBlock restore{processHeapBlockSize, {}, {}, {}, true};
    Blocks blocks;
    append(blocks, blocksToSettle, {{kPhaserType, 0.5f}});
    append(blocks, blocksToSettle, restore);
    append(blocks, 1, {{kPhaserType, 0.0f}});
    append(blocks, blocksToSettle, restore);
    return blocks;
}
} // namespace

const std::vector<ProcessHeapCase>& processHeapCases()
{
    static const std::vector<ProcessHeapCase> cases{
        {"Defaults", 2, 2, defaults()},
        {"ModelSwitches", 2, 2, modelSwitches()},
        {"FootswitchFades", 2, 2, footswitchFades()},
        {"TempoSync", 2, 2, tempoSync()},
        {"EveryParameterEveryBlock", 2, 2, everyParameterEveryBlock()},
        {"EveryBlockSize", 2, 2, everyBlockSize()},
        {"MonoInMonoOut", 1, 1, mixed()},
        {"MonoInStereoOut", 1, 2, mixed()},
        {"StereoMixed", 2, 2, mixed()},
        {"HostBypass", 2, 2, hostBypass()},
        {"StateRestore", 2, 2, stateRestore()}};
    return cases;
}

std::vector<char> processHeapState()
{
    StompixZR7714AudioProcessor processor;
    processor.setCurrentProgram(5);

    for (const auto& [index, value] : {std::pair(kPhaserType, 1.0f), std::pair(kSync, 1.0f),
                                       std::pair(kDepth, 0.9f), std::pair(kOnBypass, 0.0f)})
        processor.setParameter(index, value);

    juce::MemoryBlock block;
    processor.getStateInformation(block);
    const auto* bytes = static_cast<const char*>(block.getData());
    return {bytes, bytes + block.getSize()};
}

std::string heapCallsInProcess(const ProcessHeapCase& heapCase, ProcessHeapHost& host)
{
    AudioThread audioThread;
    int blocksWithHeapCalls = 0;
    std::ostringstream report;

    for (std::size_t index = 0; index < heapCase.blocks.size(); ++index)
    {
        const HostBlock& block = heapCase.blocks[index];
        host.prepareBlock(block);

        bool processed = false;
        long calls = 0;
        HeapCallCount::Call first;
        audioThread.run(
            [&]
            {
                const HeapCallCount count;
                processed = host.processBlock(block);
                calls = count.calls();
                first = count.firstCall();
            });

        if (!processed)
            return std::string(heapCase.name) + ": the plug-in refused block " +
                   std::to_string(index);

        if (calls != 0 && blocksWithHeapCalls++ == 0)
            report << "the first, block " << index << " (" << block.numSamples << " samples), made "
                   << calls << ", the first of them " << first.function << "(" << first.size << ")";

        host.finishBlock();
    }

    if (blocksWithHeapCalls == 0)
        return {};

    return std::string(heapCase.name) + ": " + std::to_string(blocksWithHeapCalls) + " of " +
           std::to_string(heapCase.blocks.size()) + " blocks made heap calls in process; " +
           report.str();
}

std::optional<std::string> whyHeapCallsAreNotCounted()
{
    if (HeapCallCount::coverage() == HeapCallCount::Coverage::everyHeapCall)
        return std::nullopt;

    return "the sanitizer owns the C allocator in this build: heap calls are counted only in "
           "builds without one";
}

} // namespace testsupport
