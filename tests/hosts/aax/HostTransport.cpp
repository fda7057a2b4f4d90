#include "HostTransport.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
namespace
{
template <typename T> void Write(T* out, T value)
{
    if (out != nullptr)
        *out = value;
}

constexpr uint32_t ticksPerQuarter = 960000;
} // namespace

HostTransport::HostTransport(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXTransportV1, static_cast<AAX_IACFTransport*>(this));
    offer(IID_IAAXTransportV2, static_cast<AAX_IACFTransport_V2*>(this));
}

AAX_Result HostTransport::GetCurrentTempo(double* outTempo) const
{
    Write(outTempo, tempo);
    return 0;
}

AAX_Result HostTransport::GetCurrentMeter(int32_t* outNumerator, int32_t* outDenominator) const
{
    Write(outNumerator, 4);
    Write(outDenominator, 4);
    return 0;
}

AAX_Result HostTransport::IsTransportPlaying(bool* outIsPlaying) const
{
    Write(outIsPlaying, false);
    return 0;
}

AAX_Result HostTransport::GetCurrentTickPosition(int64_t* outTickPosition) const
{
    Write<int64_t>(outTickPosition, 0);
    return 0;
}

AAX_Result HostTransport::GetCurrentLoopPosition(bool* outLooping, int64_t* outLoopStartTick,
                                                 int64_t* outLoopEndTick) const
{
    Write(outLooping, false);
    Write<int64_t>(outLoopStartTick, 0);
    Write<int64_t>(outLoopEndTick, 0);
    return 0;
}

AAX_Result HostTransport::GetCurrentNativeSampleLocation(int64_t* outSampleLocation) const
{
    Write<int64_t>(outSampleLocation, 0);
    return 0;
}

AAX_Result HostTransport::GetCustomTickPosition(int64_t* outTickPosition, int64_t) const
{
    Write<int64_t>(outTickPosition, 0);
    return 0;
}

AAX_Result HostTransport::GetBarBeatPosition(int32_t* outBars, int32_t* outBeats,
                                             int64_t* outDisplayTicks, int64_t) const
{
    Write(outBars, 1);
    Write(outBeats, 1);
    Write<int64_t>(outDisplayTicks, 0);
    return 0;
}

AAX_Result HostTransport::GetTicksPerQuarter(uint32_t* outTicks) const
{
    Write(outTicks, ticksPerQuarter);
    return 0;
}

AAX_Result HostTransport::GetCurrentTicksPerBeat(uint32_t* outTicks) const
{
    Write(outTicks, ticksPerQuarter);
    return 0;
}

AAX_Result HostTransport::GetTimelineSelectionStartPosition(int64_t* outSampleLocation) const
{
    Write<int64_t>(outSampleLocation, 0);
    return 0;
}

AAX_Result HostTransport::GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, int32_t* outOffset) const
{
    Write(outFrameRate, AAX_eFrameRate_Undeclared);
    Write(outOffset, 0);
    return 0;
}

AAX_Result HostTransport::GetFeetFramesInfo(AAX_EFeetFramesRate* outFeetFramesRate,
                                            int64_t* outOffset) const
{
    Write(outFeetFramesRate, AAX_eFeetFramesRate_Undeclared);
    Write<int64_t>(outOffset, 0);
    return 0;
}

AAX_Result HostTransport::IsMetronomeEnabled(int32_t* outIsEnabled) const
{
    Write(outIsEnabled, 0);
    return 0;
}
} // namespace aaxhost
