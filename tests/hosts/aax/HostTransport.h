#pragma once

#include "HostObject.h"

#include "AAX_IACFTransport.h"

namespace aaxhost
{
// The host's transport (both versions): a tempo that tests set, a stopped transport at the
// start of the timeline for everything else.
class HostTransport final : public HostObject<AAX_IACFTransport_V2>
{
public:
    HostTransport(std::string name, std::shared_ptr<HostGrants> hostGrants);

    void setTempo(double beatsPerMinute) { tempo = beatsPerMinute; }

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
    double tempo = 120.0;
};
} // namespace aaxhost
