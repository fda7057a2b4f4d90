#pragma once

#include "HostObject.h"

#include "AAX_IACFPropertyMap.h"

#include <map>
#include <vector>

namespace aaxhost
{
// A host property map (both versions): stores what the plug-in adds.
class PropertyMapStore final : public HostObject<AAX_IACFPropertyMap_V2>
{
public:
    PropertyMapStore(std::string name, std::shared_ptr<HostGrants> hostGrants);

    const std::map<int32_t, AAX_CPropertyValue>& properties() const { return values; }
    const std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>>& idArrays() const
    {
        return arrays;
    }

    AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) override;
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty(AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray(AAX_EProperty property,
                                      const AAX_SPlugInIdentifierTriad* pluginIDs,
                                      uint32_t numPluginIDs) override;
    AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property,
                                        const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                        uint32_t* outNumPluginIDs) override;

private:
    std::map<int32_t, AAX_CPropertyValue> values;
    std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>> arrays;
};
} // namespace aaxhost
