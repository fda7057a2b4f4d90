#pragma once

#include "AAX.h"
#include "AAX_Enums.h"

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

// One effect of the package as the plug-in describes it. The component descriptors and maps it
// makes belong to it.
class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* componentDescriptor) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID parameterID) = 0;
    virtual AAX_Result AddProcPtr(void* procPtr, AAX_CProcPtrID procID) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo(AAX_EResourceType resourceType, const char* info) = 0;
    virtual AAX_Result AddMeterDescription(uint32_t meterID, const char* meterName,
                                           AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType nodeType,
                                          const char* nodeName, uint32_t channelMask) = 0;
};
