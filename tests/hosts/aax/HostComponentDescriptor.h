#pragma once

#include "HostObject.h"

#include "AAX_IACFComponentDescriptor.h"

#include <string>
#include <vector>

namespace aaxhost
{
class PropertyMapStore;

// The host's descriptor of one component (both versions): records every call in order, as text,
// and the fields and process procedure the host needs to run the component.
class HostComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V2>
{
public:
    struct Field
    {
        enum class Kind
        {
            audioIn,
            audioOut,
            bufferLength,
            sampleRate,
            clock,
            sideChainIn,
            dataInPort,
            auxOutputStem,
            privateData,
            temporaryData,
            dmaInstance,
            meters,
            midiNode,
            reserved
        };

        Kind kind;
        AAX_CFieldIndex index;
        int64_t size = 0; // bytes of a data port, private or temporary data
    };

    HostComponentDescriptor(std::string name, std::shared_ptr<HostGrants> hostGrants);

    // Each call as its name and arguments, "AddPrivateData(4, 8, 0)" say.
    const std::vector<std::string>& calls() const { return recorded; }
    const std::vector<Field>& fields() const { return described; }
    AAX_CProcessProc nativeProcessProc() const { return nativeProc; }
    // The map given with the process procedure, when it was one of the host's.
    PropertyMapStore* properties() const { return processProperties; }

    AAX_Result Clear() override;
    AAX_Result AddReservedField(AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_Result AddAudioIn(AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate(AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock(AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn(AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort(AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                             AAX_EDataInPortType portType) override;
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex fieldIndex, int32_t stemFormat,
                                const char* name) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex fieldIndex, int32_t dataSize,
                              uint32_t options) override;
    AAX_Result AddDmaInstance(AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) override;
    AAX_Result AddMIDINode(AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                           const char* nodeName, uint32_t channelMask) override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, IACFUnknown* properties,
                                     AAX_CInstanceInitProc instanceInitProc,
                                     AAX_CBackgroundProc backgroundProc,
                                     uint32_t* outProcID) override;
    AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProcSymbol,
                                 IACFUnknown* properties, const char* instanceInitProcSymbol,
                                 const char* backgroundProcSymbol, uint32_t* outProcID) override;
    AAX_Result AddMeters(AAX_CFieldIndex fieldIndex, const uint32_t* meterIDs,
                         uint32_t numMeters) override;
    AAX_Result AddTemporaryData(AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;

private:
    AAX_Result add(Field::Kind kind, AAX_CFieldIndex index, int64_t size, std::string call);

    std::vector<std::string> recorded;
    std::vector<Field> described;
    AAX_CProcessProc nativeProc = nullptr;
    PropertyMapStore* processProperties = nullptr;
};

// The host object behind an unknown the plug-in handed over, when it is one of the host's.
PropertyMapStore* PropertyMapBehind(IACFUnknown* unknown);
} // namespace aaxhost
