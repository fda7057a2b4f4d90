#pragma once

#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <vector>

class AAX_VComponentDescriptor;
class AAX_VPropertyMap;

// Proxy for an effect descriptor the host makes through its component factory. Without the
// host's descriptor every forwarding operation answers AAX_ERROR_NULL_OBJECT; AddControlMIDINode
// needs version 2 (AAX_ERROR_UNIMPLEMENTED without it). A component descriptor or property map
// handed in must be one a proxy made (or null); another answers AAX_ERROR_NULL_OBJECT.
class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor
{
public:
    explicit AAX_VEffectDescriptor(IACFUnknown* host);
    ~AAX_VEffectDescriptor() override;

    AAX_VEffectDescriptor(const AAX_VEffectDescriptor&) = delete;
    AAX_VEffectDescriptor& operator=(const AAX_VEffectDescriptor&) = delete;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* componentDescriptor) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr(void* procPtr, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo(AAX_EResourceType resourceType, const char* info) override;
    AAX_Result AddMeterDescription(uint32_t meterID, const char* meterName,
                                   AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                  uint32_t channelMask) override;

    // The host's descriptor (version 1); null when the host made none.
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mHost;
    ACFPtr<AAX_IACFEffectDescriptor> mIACFEffectDescriptor;
    ACFPtr<AAX_IACFEffectDescriptor_V2> mIACFEffectDescriptorV2;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> mComponentDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
