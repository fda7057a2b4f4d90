#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace testsupport
{

inline constexpr double processHeapSampleRate = 48000.0;
inline constexpr int processHeapBlockSize = 512;

// One block as a host sends it to a plug-in's process call, with what the host changes for it.
struct HostBlock
{
    int numSamples = processHeapBlockSize;
    std::vector<std::pair<int, float>> changes; // processor parameter index and value
    std::optional<bool> hostBypass;             // the host's own bypass switched
    std::optional<double> tempo;                // the transport's tempo, when the host sends one
    bool restoreFirst = false;                  // the host restores processHeapState() first
};

// A sequence of blocks on a bus layout, from the first block after preparation on.
struct ProcessHeapCase
{
    const char* name;
    int inputs;
    int outputs;
    std::vector<HostBlock> blocks;
};

// A case as a test's parameter: its name.
inline void PrintTo(const ProcessHeapCase& heapCase, std::ostream* out)
{
    *out << heapCase.name;
}

// Defaults, model switches, footswitch fades, tempo sync, every parameter and the host's bypass
// changing in every block, every block size from 1 to processHeapBlockSize, mono in with mono or
// stereo out, the host's bypass, and a state restored between blocks.
const std::vector<ProcessHeapCase>& processHeapCases();

// The state the restore case restores: another program in use, on another model, synced.
std::vector<char> processHeapState();

// A format's test host driving one plug-in instance through a case's blocks.
class ProcessHeapHost
{
public:
    virtual ~ProcessHeapHost() = default;

    // What the host does before the block on its other threads (the calling thread).
    virtual void prepareBlock(const HostBlock& block) = 0;
    // What the host does on its audio thread for the block: the heap calls in here count.
    // False when the plug-in refused the block.
    virtual bool processBlock(const HostBlock& block) = 0;
    // What the host does after the block on its other threads.
    virtual void finishBlock() {}
};

// Runs the case's blocks through the host, the process calls on an audio thread of its own
// that starts now, as a host's audio thread that has never run the plug-in. Empty when no
// block made a heap call; otherwise how many did and what the first of them made.
std::string heapCallsInProcess(const ProcessHeapCase& heapCase, ProcessHeapHost& host);

// Why a suite cannot count heap calls in this build, or nothing when it can.
std::optional<std::string> whyHeapCallsAreNotCounted();

} // namespace testsupport
