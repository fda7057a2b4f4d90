#pragma once

#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IComponentDescriptor.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <vector>

class AAX_VPropertyMap;

// Proxy for a component descriptor the host makes through its component factory. Without
// version 1 every forwarding operation answers AAX_ERROR_NULL_OBJECT; AddTemporaryData needs
// version 2 (AAX_ERROR_UNIMPLEMENTED without it). A property map handed in must be one a proxy
// made (or null); another answers AAX_ERROR_NULL_OBJECT.
class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor
{
public:
    explicit AAX_VComponentDescriptor(IACFUnknown* host);
    ~AAX_VComponentDescriptor() override;

    AAX_VComponentDescriptor(const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator=(const AAX_VComponentDescriptor&) = delete;

    AAX_Result Clear() override;
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
    AAX_Result AddTemporaryData(AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance(AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) override;
    AAX_Result AddMeters(AAX_CFieldIndex fieldIndex, const uint32_t* meterIDs,
                         uint32_t numMeters) override;
    AAX_Result AddMIDINode(AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                           const char* nodeName, uint32_t channelMask) override;
    AAX_Result AddReservedField(AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() const override;
    // A new map holding the properties 10 to 401 of the source; empty for a null source.
    AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* properties) const override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                     AAX_CInstanceInitProc instanceInitProc,
                                     AAX_CBackgroundProc backgroundProc,
                                     uint32_t* outProcID) override;
    AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProcSymbol,
                                 AAX_IPropertyMap* properties, const char* instanceInitProcSymbol,
                                 const char* backgroundProcSymbol, uint32_t* outProcID) override;

    // The host's descriptor (version 1); null when the host made none.
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mHost;
    ACFPtr<AAX_IACFComponentDescriptor> mIACFComponentDescriptor;
    ACFPtr<AAX_IACFComponentDescriptor_V2> mIACFComponentDescriptorV2;
    // The maps belong to the descriptor even though making one changes nothing the host sees.
    mutable std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
