#include "RecordingHost.h"

#include <Opcodes.h>

#include <cstring>

thread_local RecordingHost* RecordingHost::creatingHost = nullptr;

namespace
{
void writeText(void* buffer, const char* text, std::size_t capacity)
{
    if (buffer == nullptr)
        return;
    std::strncpy(static_cast<char*>(buffer), text, capacity - 1);
    static_cast<char*>(buffer)[capacity - 1] = '\0';
}
} // namespace

RecordingHost::RecordingHost()
{
    setTempo(120.0);
}

void RecordingHost::setTempo(double bpm)
{
    timeInfo = HostTimeInfo{};
    timeInfo.sampleRate = sampleRate;
    timeInfo.tempo = bpm;
    timeInfo.timeSigNumerator = 4;
    timeInfo.timeSigDenominator = 4;
    timeInfo.flags = TimeInfoFlags::transportPlaying | TimeInfoFlags::tempoValid |
                     TimeInfoFlags::timeSigValid | TimeInfoFlags::ppqPosValid;
}

std::int64_t RecordingHost::callback(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                     std::int64_t value, void* ptr, float opt)
{
    RecordingHost* host = creatingHost;

    if (effect != nullptr && effect->user != nullptr)
        host = static_cast<RecordingHost*>(effect->user);

    // A call for a record this host never made, outside any entry point: a plain host answers 0.
    if (host == nullptr)
        return 0;

    return host->answer(opcode, index, value, ptr, opt);
}

std::int64_t RecordingHost::answer(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                   void* ptr, float opt)
{
    {
        HostCall call{opcode, index, value, opt, {}};
        if (opcode == HostOpcode::canDo && ptr != nullptr)
            call.text = static_cast<const char*>(ptr);

        const std::lock_guard<std::mutex> lock(mutex);
        recorded.push_back(call);
    }

    switch (opcode)
    {
    case HostOpcode::version:
        return hostVersion;
    case HostOpcode::getTime:
        return answersTime ? reinterpret_cast<std::intptr_t>(&timeInfo) : 0;
    case HostOpcode::getSampleRate:
        return static_cast<std::int64_t>(sampleRate);
    case HostOpcode::getBlockSize:
        return blockSize;
    case HostOpcode::getCurrentProcessLevel:
        return processLevel;
    case HostOpcode::getVendorString:
    case HostOpcode::getProductString:
        writeText(ptr, vendor, 64);
        return 1;
    case HostOpcode::getVendorVersion:
        return 1;
    case HostOpcode::automate:
    case HostOpcode::beginEdit:
    case HostOpcode::endEdit:
    case HostOpcode::updateDisplay:
        return 1;
    default:
        return 0;
    }
}

std::vector<HostCall> RecordingHost::calls() const
{
    const std::lock_guard<std::mutex> lock(mutex);
    return recorded;
}

std::vector<HostCall> RecordingHost::callsOf(std::int32_t opcode) const
{
    std::vector<HostCall> matching;
    for (const auto& call : calls())
        if (call.opcode == opcode)
            matching.push_back(call);
    return matching;
}

void RecordingHost::clearCalls()
{
    const std::lock_guard<std::mutex> lock(mutex);
    recorded.clear();
}

void RecordingHost::reserveCalls(std::size_t count)
{
    const std::lock_guard<std::mutex> lock(mutex);
    recorded.reserve(count);
}
