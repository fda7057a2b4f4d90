#pragma once

#include "AAX_IACFPropertyMap.h"
#include "AAX_IPropertyMap.h"
#include "ACF/ACFPtr.h"

// Proxy for a property map that the host creates: asks the host's component factory for the
// map once, keeps what the host gives, and forwards to it. Without version 1 of the map the
// getters answer false and the other operations AAX_ERROR_NULL_OBJECT; the array operations
// need version 2 (AAX_ERROR_UNIMPLEMENTED without it).
class AAX_VPropertyMap final : public AAX_IPropertyMap
{
public:
    explicit AAX_VPropertyMap(IACFUnknown* host);
    ~AAX_VPropertyMap() override = default;

    AAX_VPropertyMap(const AAX_VPropertyMap&) = delete;
    AAX_VPropertyMap& operator=(const AAX_VPropertyMap&) = delete;

    AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const override;
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty(AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray(AAX_EProperty property,
                                      const AAX_SPlugInIdentifierTriad* pluginIDs,
                                      uint32_t numPluginIDs) override;
    AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property,
                                        const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                        uint32_t* outNumPluginIDs) const override;

    // The host's map (version 1), to attach it to a descriptor; null when the host made none.
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<AAX_IACFPropertyMap> mIACFPropertyMap;
    ACFPtr<AAX_IACFPropertyMap_V2> mIACFPropertyMapV2;
};
