#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

class AAX_IString;

// The host's controller of one plug-in instance: its identity, sample rate and stem formats,
// latency and cycle counts, meters, MIDI, and the data ports packets are posted to. The host
// calls in this order; the proxy's own interface orders some operations differently.
class AAX_IACFController : public IACFUnknown
{
public:
    virtual AAX_Result GetEffectID(AAX_IString* outEffectID) const = 0;
    virtual AAX_Result GetSampleRate(float* outSampleRate) const = 0;
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* outStemFormat) const = 0;
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* outStemFormat) const = 0;
    virtual AAX_Result GetSignalLatency(int32_t* outSamples) const = 0;
    virtual AAX_Result GetCycleCount(AAX_EProperty whichCycleCount,
                                     int32_t* outNumCycles) const = 0;
    virtual AAX_Result GetTODLocation(int64_t* outTODLocation) const = 0;
    virtual AAX_Result SetSignalLatency(int32_t numSamples) = 0;
    virtual AAX_Result SetCycleCount(AAX_EProperty* whichCycleCounts, int32_t* values,
                                     int32_t numValues) = 0;
    virtual AAX_Result PostPacket(int32_t fieldIndex, const void* payload,
                                  uint32_t payloadSize) = 0;
    virtual AAX_Result GetCurrentMeterValue(uint32_t meterID, float* outMeterValue) const = 0;
    virtual AAX_Result GetMeterPeakValue(uint32_t meterID, float* outMeterPeakValue) const = 0;
    virtual AAX_Result ClearMeterPeakValue(uint32_t meterID) const = 0;
    virtual AAX_Result GetMeterClipped(uint32_t meterID, AAX_CBoolean* outClipped) const = 0;
    virtual AAX_Result ClearMeterClipped(uint32_t meterID) const = 0;
    virtual AAX_Result GetMeterCount(uint32_t* outMeterCount) const = 0;
    virtual AAX_Result GetNextMIDIPacket(int32_t* outPort, AAX_CMidiPacket* outPacket) = 0;

protected:
    ~AAX_IACFController() = default;
};

// Version 2: notifications to the host, hybrid latency, automation time and the host's name.
class AAX_IACFController_V2 : public AAX_IACFController
{
public:
    virtual AAX_Result SendNotification(AAX_CTypeID notificationType, const void* data,
                                        uint32_t size) = 0;
    virtual AAX_Result GetHybridSignalLatency(int32_t* outSamples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp(int64_t* outTimestamp) const = 0;
    virtual AAX_Result GetHostName(AAX_IString* outHostName) const = 0;

protected:
    ~AAX_IACFController_V2() = default;
};

// Version 3: the platform the plug-in runs on and whether it runs offline.
class AAX_IACFController_V3 : public AAX_IACFController_V2
{
public:
    virtual AAX_Result GetPlugInTargetPlatform(int32_t* outTargetPlatform) const = 0;
    virtual AAX_Result GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) const = 0;

protected:
    ~AAX_IACFController_V3() = default;
};
