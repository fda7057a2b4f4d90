#pragma once

#include "AAX_IACFTransport.h"
#include "AAX_ITransport.h"
#include "ACF/ACFPtr.h"

// Proxy for the host's transport: asks the host object once for both versions. Without
// version 1 an operation answers AAX_ERROR_NULL_OBJECT; the version 2 operations answer
// AAX_ERROR_UNIMPLEMENTED without version 2.
class AAX_VTransport final : public AAX_ITransport
{
public:
    explicit AAX_VTransport(IACFUnknown* host);
    ~AAX_VTransport() override;

    AAX_VTransport(const AAX_VTransport&) = delete;
    AAX_VTransport& operator=(const AAX_VTransport&) = delete;

    AAX_Result GetCurrentTempo(double* outTempo) const override;
    AAX_Result GetCurrentMeter(int32_t* outNumerator, int32_t* outDenominator) const override;
    AAX_Result IsTransportPlaying(bool* outIsPlaying) const override;
    AAX_Result GetCurrentTickPosition(int64_t* outTickPosition) const override;
    AAX_Result GetCurrentLoopPosition(bool* outLooping, int64_t* outLoopStartTick,
                                      int64_t* outLoopEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation(int64_t* outSampleLocation) const override;
    AAX_Result GetCustomTickPosition(int64_t* outTickPosition,
                                     int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition(int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                  int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter(uint32_t* outTicks) const override;
    AAX_Result GetCurrentTicksPerBeat(uint32_t* outTicks) const override;
    AAX_Result GetTimelineSelectionStartPosition(int64_t* outSampleLocation) const override;
    AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, int32_t* outOffset) const override;
    AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* outFeetFramesRate,
                                 int64_t* outOffset) const override;
    AAX_Result IsMetronomeEnabled(int32_t* outIsEnabled) const override;

private:
    ACFPtr<AAX_IACFTransport> mITransport;
    ACFPtr<AAX_IACFTransport_V2> mITransportV2;
};
