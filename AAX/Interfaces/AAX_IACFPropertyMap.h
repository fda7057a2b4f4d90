#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

// The host's property map, version 1: 32-bit values by property.
class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) = 0;
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty(AAX_EProperty property) = 0;

protected:
    ~AAX_IACFPropertyMap() = default;
};

// Version 2 adds properties whose value is an array of plug-in identifiers.
class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_Result AddPropertyWithIDArray(AAX_EProperty property,
                                              const AAX_SPlugInIdentifierTriad* pluginIDs,
                                              uint32_t numPluginIDs) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property,
                                                const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                uint32_t* outNumPluginIDs) = 0;

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};
