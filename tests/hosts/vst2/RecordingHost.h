#pragma once

#include <AEffect.h>
#include <HostRecordLayouts.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// One call the plug-in made to its host.
struct HostCall
{
    std::int32_t opcode;
    std::int32_t index;
    std::int64_t value;
    float opt;
    std::string text; // the text the plug-in passed, for the calls that pass one
};

// The host side of the VST2 callback: answers as a plain Linux host does and records every
// call, from whichever thread the plug-in makes it.
class RecordingHost
{
public:
    static constexpr std::int32_t hostVersion = 2400;
    static constexpr const char* vendor = "Stompix Test Host";

    RecordingHost();

    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    // The callback to hand to an entry point. It finds its host through the record's user
    // field, or, while an entry point runs, through the host that called it.
    static std::int64_t callback(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                 std::int64_t value, void* ptr, float opt);

    std::vector<HostCall> calls() const;
    std::vector<HostCall> callsOf(std::int32_t opcode) const;
    void clearCalls();
    // Room for this many calls, so that recording those the plug-in makes while it processes
    // a block takes no heap call (calls that pass a text may still take one).
    void reserveCalls(std::size_t count);

    // The transport the time-info call answers; with answersTime false that call answers 0.
    void setTempo(double bpm);
    HostTimeInfo timeInfo{};
    std::atomic<bool> answersTime{true};
    std::atomic<std::int32_t> processLevel{0};
    double sampleRate = 44100.0;
    std::int32_t blockSize = 512;

private:
    friend class PluginInstance;
    static thread_local RecordingHost* creatingHost;

    std::int64_t answer(std::int32_t opcode, std::int32_t index, std::int64_t value, void* ptr,
                        float opt);

    mutable std::mutex mutex;
    std::vector<HostCall> recorded;
};
