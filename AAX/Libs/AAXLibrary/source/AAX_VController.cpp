#include "AAX_VController.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

AAX_VController::AAX_VController(IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface(IID_IAAXControllerV1, mIController.AsOutParameter());
    host->QueryInterface(IID_IAAXControllerV2, mIControllerV2.AsOutParameter());
    host->QueryInterface(IID_IAAXControllerV3, mIControllerV3.AsOutParameter());
}

// The members release the newest version first.
AAX_VController::~AAX_VController() = default;

AAX_Result AAX_VController::GetEffectID(AAX_IString* outEffectID) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetEffectID(outEffectID);
}

AAX_Result AAX_VController::GetSampleRate(float* outSampleRate) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetSampleRate(outSampleRate);
}

AAX_Result AAX_VController::GetInputStemFormat(AAX_EStemFormat* outStemFormat) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetInputStemFormat(outStemFormat);
}

AAX_Result AAX_VController::GetOutputStemFormat(AAX_EStemFormat* outStemFormat) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetOutputStemFormat(outStemFormat);
}

AAX_Result AAX_VController::GetSignalLatency(int32_t* outSamples) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetSignalLatency(outSamples);
}

AAX_Result AAX_VController::GetCycleCount(AAX_EProperty whichCycleCount,
                                          int32_t* outNumCycles) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetCycleCount(whichCycleCount, outNumCycles);
}

AAX_Result AAX_VController::GetTODLocation(int64_t* outTODLocation) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetTODLocation(outTODLocation);
}

AAX_Result AAX_VController::SetSignalLatency(int32_t numSamples)
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->SetSignalLatency(numSamples);
}

AAX_Result AAX_VController::SetCycleCount(AAX_EProperty* whichCycleCounts, int32_t* values,
                                          int32_t numValues)
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->SetCycleCount(whichCycleCounts, values, numValues);
}

AAX_Result AAX_VController::PostPacket(int32_t fieldIndex, const void* payload,
                                       uint32_t payloadSize)
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->PostPacket(fieldIndex, payload, payloadSize);
}

AAX_Result AAX_VController::SendNotification(AAX_CTypeID notificationType, const void* data,
                                             uint32_t size)
{
    if (!mIControllerV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIControllerV2->SendNotification(notificationType, data, size);
}

AAX_Result AAX_VController::GetCurrentMeterValue(uint32_t meterID, float* outMeterValue) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetCurrentMeterValue(meterID, outMeterValue);
}

AAX_Result AAX_VController::GetMeterPeakValue(uint32_t meterID, float* outMeterPeakValue) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetMeterPeakValue(meterID, outMeterPeakValue);
}

AAX_Result AAX_VController::ClearMeterPeakValue(uint32_t meterID) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->ClearMeterPeakValue(meterID);
}

AAX_Result AAX_VController::GetMeterCount(uint32_t* outMeterCount) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetMeterCount(outMeterCount);
}

AAX_Result AAX_VController::GetMeterClipped(uint32_t meterID, AAX_CBoolean* outClipped) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetMeterClipped(meterID, outClipped);
}

AAX_Result AAX_VController::ClearMeterClipped(uint32_t meterID) const
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->ClearMeterClipped(meterID);
}

AAX_Result AAX_VController::GetNextMIDIPacket(int32_t* outPort, AAX_CMidiPacket* outPacket)
{
    if (!mIController)
        return AAX_ERROR_NULL_OBJECT;
    return mIController->GetNextMIDIPacket(outPort, outPacket);
}

AAX_Result AAX_VController::GetHybridSignalLatency(int32_t* outSamples) const
{
    if (!mIControllerV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIControllerV2->GetHybridSignalLatency(outSamples);
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp(int64_t* outTimestamp) const
{
    if (!mIControllerV2)
    {
        if (outTimestamp != nullptr)
            *outTimestamp = 0;
        return AAX_ERROR_UNIMPLEMENTED;
    }
    return mIControllerV2->GetCurrentAutomationTimestamp(outTimestamp);
}

AAX_Result AAX_VController::GetHostName(AAX_IString* outHostName) const
{
    if (!mIControllerV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIControllerV2->GetHostName(outHostName);
}

AAX_Result AAX_VController::GetPlugInTargetPlatform(int32_t* outTargetPlatform) const
{
    if (!mIControllerV3)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIControllerV3->GetPlugInTargetPlatform(outTargetPlatform);
}

AAX_Result AAX_VController::GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) const
{
    if (!mIControllerV3)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIControllerV3->GetIsAudioSuite(outIsAudioSuite);
}
