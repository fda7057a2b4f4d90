#pragma once

#include "AAX_IACFController.h"
#include "AAX_IController.h"
#include "ACF/ACFPtr.h"

// Proxy for the host's controller: asks the host object once for each of the three versions
// and forwards to the oldest version that has the operation. Without version 1 an operation
// answers AAX_ERROR_NULL_OBJECT, without a newer version it needs AAX_ERROR_UNIMPLEMENTED.
class AAX_VController final : public AAX_IController
{
public:
    explicit AAX_VController(IACFUnknown* host);
    ~AAX_VController() override;

    AAX_VController(const AAX_VController&) = delete;
    AAX_VController& operator=(const AAX_VController&) = delete;

    AAX_Result GetEffectID(AAX_IString* outEffectID) const override;
    AAX_Result GetSampleRate(float* outSampleRate) const override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* outStemFormat) const override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* outStemFormat) const override;
    AAX_Result GetSignalLatency(int32_t* outSamples) const override;
    AAX_Result GetCycleCount(AAX_EProperty whichCycleCount, int32_t* outNumCycles) const override;
    AAX_Result GetTODLocation(int64_t* outTODLocation) const override;
    AAX_Result SetSignalLatency(int32_t numSamples) override;
    AAX_Result SetCycleCount(AAX_EProperty* whichCycleCounts, int32_t* values,
                             int32_t numValues) override;
    AAX_Result PostPacket(int32_t fieldIndex, const void* payload, uint32_t payloadSize) override;
    AAX_Result SendNotification(AAX_CTypeID notificationType, const void* data,
                                uint32_t size) override;
    AAX_Result GetCurrentMeterValue(uint32_t meterID, float* outMeterValue) const override;
    AAX_Result GetMeterPeakValue(uint32_t meterID, float* outMeterPeakValue) const override;
    AAX_Result ClearMeterPeakValue(uint32_t meterID) const override;
    AAX_Result GetMeterCount(uint32_t* outMeterCount) const override;
    AAX_Result GetMeterClipped(uint32_t meterID, AAX_CBoolean* outClipped) const override;
    AAX_Result ClearMeterClipped(uint32_t meterID) const override;
    AAX_Result GetNextMIDIPacket(int32_t* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result GetHybridSignalLatency(int32_t* outSamples) const override;
    // Without version 2 the timestamp is set to 0, when there is one to set.
    AAX_Result GetCurrentAutomationTimestamp(int64_t* outTimestamp) const override;
    AAX_Result GetHostName(AAX_IString* outHostName) const override;
    AAX_Result GetPlugInTargetPlatform(int32_t* outTargetPlatform) const override;
    AAX_Result GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) const override;

private:
    ACFPtr<AAX_IACFController> mIController;
    ACFPtr<AAX_IACFController_V2> mIControllerV2;
    ACFPtr<AAX_IACFController_V3> mIControllerV3;
};
