#pragma once

#include "HostObject.h"

#include "AAX_IACFController.h"

#include <map>
#include <string>
#include <vector>

namespace aaxhost
{
// The host's controller of one instance (all three versions): gives a sample rate and stem
// formats that tests set, and records the packets posted to its data ports and the latency the
// plug-in reports. Every operation answers the configured result.
class HostController final : public HostObject<AAX_IACFController_V3>
{
public:
    struct Packet
    {
        int32_t port;
        std::vector<unsigned char> payload;
    };

    HostController(std::string name, std::shared_ptr<HostGrants> hostGrants);

    void setSampleRate(float rate) { sampleRate = rate; }
    void setStemFormats(AAX_EStemFormat input, AAX_EStemFormat output);
    // What PostPacket answers; the packet is recorded whatever the answer.
    void setPostAnswer(AAX_Result result) { postAnswer = result; }

    const std::vector<Packet>& posts() const { return posted; }
    void clearPosts() { posted.clear(); }
    // The payload last posted on a port, empty when none was.
    std::vector<unsigned char> latestPacket(int32_t port) const;
    int32_t signalLatency() const { return latency; }

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
    AAX_Result GetCurrentMeterValue(uint32_t meterID, float* outMeterValue) const override;
    AAX_Result GetMeterPeakValue(uint32_t meterID, float* outMeterPeakValue) const override;
    AAX_Result ClearMeterPeakValue(uint32_t meterID) const override;
    AAX_Result GetMeterClipped(uint32_t meterID, AAX_CBoolean* outClipped) const override;
    AAX_Result ClearMeterClipped(uint32_t meterID) const override;
    AAX_Result GetMeterCount(uint32_t* outMeterCount) const override;
    AAX_Result GetNextMIDIPacket(int32_t* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result SendNotification(AAX_CTypeID notificationType, const void* data,
                                uint32_t size) override;
    AAX_Result GetHybridSignalLatency(int32_t* outSamples) const override;
    AAX_Result GetCurrentAutomationTimestamp(int64_t* outTimestamp) const override;
    AAX_Result GetHostName(AAX_IString* outHostName) const override;
    AAX_Result GetPlugInTargetPlatform(int32_t* outTargetPlatform) const override;
    AAX_Result GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) const override;

    // What the host writes for the queries without a setter of their own.
    static constexpr int64_t automationTimestamp = 4242;
    static constexpr const char* hostName = "aaxhost";
    static constexpr const char* effectID = "test.effect";

private:
    float sampleRate = 48000.0f;
    AAX_EStemFormat inputFormat = AAX_eStemFormat_Stereo;
    AAX_EStemFormat outputFormat = AAX_eStemFormat_Stereo;
    int32_t latency = 0;
    AAX_Result postAnswer = 0;
    std::vector<Packet> posted;
};
} // namespace aaxhost
