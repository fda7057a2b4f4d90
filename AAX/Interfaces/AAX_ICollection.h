#pragma once

#include "AAX.h"

class AAX_IEffectDescriptor;
class AAX_IPropertyMap;

// The package the plug-in describes itself in at registration. The descriptors and maps it
// makes belong to it.
class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
};
