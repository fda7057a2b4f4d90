#pragma once

#include "AAX.h"

// A property map as the plug-in fills it while it describes itself.
class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    virtual AAX_CBoolean GetProperty(AAX_EProperty property,
                                     AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty(AAX_EProperty property) = 0;
    virtual AAX_Result AddPropertyWithIDArray(AAX_EProperty property,
                                              const AAX_SPlugInIdentifierTriad* pluginIDs,
                                              uint32_t numPluginIDs) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property,
                                                const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                uint32_t* outNumPluginIDs) const = 0;
};
