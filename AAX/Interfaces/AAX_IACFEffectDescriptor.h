#pragma once

#include "AAX.h"
#include "AAX_Enums.h"
#include "ACF/acfunknown.h"

// The host's descriptor of one effect: its names and categories, its components and the
// procedures that create its data model and GUI.
class AAX_IACFEffectDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result AddComponent(IACFUnknown* componentDescriptor) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID parameterID) = 0;
    virtual AAX_Result AddProcPtr(void* procPtr, AAX_CProcPtrID procID) = 0;
    virtual AAX_Result SetProperties(IACFUnknown* properties) = 0;
    virtual AAX_Result AddResourceInfo(AAX_EResourceType resourceType, const char* info) = 0;
    virtual AAX_Result AddMeterDescription(uint32_t meterID, const char* meterName,
                                           IACFUnknown* properties) = 0;

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

// Version 2: MIDI nodes for control data.
class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor
{
public:
    virtual AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType nodeType,
                                          const char* nodeName, uint32_t channelMask) = 0;

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};
