#include "HostController.h"

#include "AAX_IString.h"
#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

#include <algorithm>

namespace aaxhost
{
namespace
{
template <typename T> AAX_Result Answer(T* out, T value)
{
    if (out != nullptr)
        *out = value;
    return 0;
}
} // namespace

HostController::HostController(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXControllerV1, static_cast<AAX_IACFController*>(this));
    offer(IID_IAAXControllerV2, static_cast<AAX_IACFController_V2*>(this));
    offer(IID_IAAXControllerV3, static_cast<AAX_IACFController_V3*>(this));
}

void HostController::setStemFormats(AAX_EStemFormat input, AAX_EStemFormat output)
{
    inputFormat = input;
    outputFormat = output;
}

std::vector<unsigned char> HostController::latestPacket(int32_t port) const
{
    const auto found = std::find_if(posted.rbegin(), posted.rend(),
                                    [port](const Packet& packet) { return packet.port == port; });
    return found != posted.rend() ? found->payload : std::vector<unsigned char>();
}

AAX_Result HostController::GetEffectID(AAX_IString* outEffectID) const
{
    if (outEffectID != nullptr)
        outEffectID->Set(effectID);
    return 0;
}

AAX_Result HostController::GetSampleRate(float* outSampleRate) const
{
    return Answer(outSampleRate, sampleRate);
}

AAX_Result HostController::GetInputStemFormat(AAX_EStemFormat* outStemFormat) const
{
    return Answer(outStemFormat, inputFormat);
}

AAX_Result HostController::GetOutputStemFormat(AAX_EStemFormat* outStemFormat) const
{
    return Answer(outStemFormat, outputFormat);
}

AAX_Result HostController::GetSignalLatency(int32_t* outSamples) const
{
    return Answer(outSamples, latency);
}

AAX_Result HostController::GetCycleCount(AAX_EProperty, int32_t* outNumCycles) const
{
    return Answer(outNumCycles, 0);
}

AAX_Result HostController::GetTODLocation(int64_t* outTODLocation) const
{
    return Answer<int64_t>(outTODLocation, 0);
}

AAX_Result HostController::SetSignalLatency(int32_t numSamples)
{
    latency = numSamples;
    return 0;
}

AAX_Result HostController::SetCycleCount(AAX_EProperty*, int32_t*, int32_t)
{
    return 0;
}

AAX_Result HostController::PostPacket(int32_t fieldIndex, const void* payload, uint32_t payloadSize)
{
    const auto* bytes = static_cast<const unsigned char*>(payload);
    posted.push_back({fieldIndex, std::vector<unsigned char>(bytes, bytes + payloadSize)});
    return postAnswer;
}

AAX_Result HostController::GetCurrentMeterValue(uint32_t, float* outMeterValue) const
{
    return Answer(outMeterValue, 0.0f);
}

AAX_Result HostController::GetMeterPeakValue(uint32_t, float* outMeterPeakValue) const
{
    return Answer(outMeterPeakValue, 0.0f);
}

AAX_Result HostController::ClearMeterPeakValue(uint32_t) const
{
    return 0;
}

AAX_Result HostController::GetMeterClipped(uint32_t, AAX_CBoolean* outClipped) const
{
    return Answer<AAX_CBoolean>(outClipped, 0);
}

AAX_Result HostController::ClearMeterClipped(uint32_t) const
{
    return 0;
}

AAX_Result HostController::GetMeterCount(uint32_t* outMeterCount) const
{
    return Answer(outMeterCount, 0u);
}

AAX_Result HostController::GetNextMIDIPacket(int32_t* outPort, AAX_CMidiPacket*)
{
    return Answer(outPort, 0);
}

AAX_Result HostController::SendNotification(AAX_CTypeID, const void*, uint32_t)
{
    return 0;
}

AAX_Result HostController::GetHybridSignalLatency(int32_t* outSamples) const
{
    return Answer(outSamples, 0);
}

AAX_Result HostController::GetCurrentAutomationTimestamp(int64_t* outTimestamp) const
{
    return Answer(outTimestamp, automationTimestamp);
}

AAX_Result HostController::GetHostName(AAX_IString* outHostName) const
{
    if (outHostName != nullptr)
        outHostName->Set(hostName);
    return 0;
}

AAX_Result HostController::GetPlugInTargetPlatform(int32_t* outTargetPlatform) const
{
    return Answer(outTargetPlatform, 0);
}

AAX_Result HostController::GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) const
{
    return Answer<AAX_CBoolean>(outIsAudioSuite, 0);
}
} // namespace aaxhost
