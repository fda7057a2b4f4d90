#include "AAX_VTransport.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface(IID_IAAXTransportV1, mITransport.AsOutParameter());
    host->QueryInterface(IID_IAAXTransportV2, mITransportV2.AsOutParameter());
}

// The members release the newest version first.
AAX_VTransport::~AAX_VTransport() = default;

AAX_Result AAX_VTransport::GetCurrentTempo(double* outTempo) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCurrentTempo(outTempo);
}

AAX_Result AAX_VTransport::GetCurrentMeter(int32_t* outNumerator, int32_t* outDenominator) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCurrentMeter(outNumerator, outDenominator);
}

AAX_Result AAX_VTransport::IsTransportPlaying(bool* outIsPlaying) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->IsTransportPlaying(outIsPlaying);
}

AAX_Result AAX_VTransport::GetCurrentTickPosition(int64_t* outTickPosition) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCurrentTickPosition(outTickPosition);
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition(bool* outLooping, int64_t* outLoopStartTick,
                                                  int64_t* outLoopEndTick) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCurrentLoopPosition(outLooping, outLoopStartTick, outLoopEndTick);
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation(int64_t* outSampleLocation) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCurrentNativeSampleLocation(outSampleLocation);
}

AAX_Result AAX_VTransport::GetCustomTickPosition(int64_t* outTickPosition,
                                                 int64_t sampleLocation) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCustomTickPosition(outTickPosition, sampleLocation);
}

AAX_Result AAX_VTransport::GetBarBeatPosition(int32_t* outBars, int32_t* outBeats,
                                              int64_t* outDisplayTicks,
                                              int64_t sampleLocation) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetBarBeatPosition(outBars, outBeats, outDisplayTicks, sampleLocation);
}

AAX_Result AAX_VTransport::GetTicksPerQuarter(uint32_t* outTicks) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetTicksPerQuarter(outTicks);
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat(uint32_t* outTicks) const
{
    if (!mITransport)
        return AAX_ERROR_NULL_OBJECT;
    return mITransport->GetCurrentTicksPerBeat(outTicks);
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition(int64_t* outSampleLocation) const
{
    if (!mITransportV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mITransportV2->GetTimelineSelectionStartPosition(outSampleLocation);
}

AAX_Result AAX_VTransport::GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, int32_t* outOffset) const
{
    if (!mITransportV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mITransportV2->GetTimeCodeInfo(outFrameRate, outOffset);
}

AAX_Result AAX_VTransport::GetFeetFramesInfo(AAX_EFeetFramesRate* outFeetFramesRate,
                                             int64_t* outOffset) const
{
    if (!mITransportV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mITransportV2->GetFeetFramesInfo(outFeetFramesRate, outOffset);
}

AAX_Result AAX_VTransport::IsMetronomeEnabled(int32_t* outIsEnabled) const
{
    if (!mITransportV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mITransportV2->IsMetronomeEnabled(outIsEnabled);
}
