#pragma once

#include "HostObject.h"

#include "AAX_IACFCollection.h"
#include "ACF/IACFPluginDefinition.h"

#include <string>
#include <utility>
#include <vector>

namespace aaxhost
{
class HostEffectDescriptor;
class PropertyMapStore;

// The host's collection: records what the plug-in describes, and is itself the plug-in
// definition that registration hands back.
class HostCollection final : public HostObject<AAX_IACFCollection, IACFPluginDefinition>
{
public:
    HostCollection(std::string name, std::shared_ptr<HostGrants> hostGrants);

    // The effects added, by identifier; a descriptor that is not one of the host's is null.
    const std::vector<std::pair<std::string, HostEffectDescriptor*>>& effects() const
    {
        return addedEffects;
    }
    const std::string& manufacturer() const { return manufacturerName; }
    const std::vector<std::string>& packageNames() const { return names; }
    uint32_t packageVersion() const { return version; }
    // How often SetProperties was called, and the last map given (null for none, or another's).
    int propertiesCalls() const { return setPropertiesCalls; }
    PropertyMapStore* properties() const { return propertyMap; }

    AAX_Result HostReserved1() override { return 0; }
    AAX_Result HostReserved2() override { return 0; }
    AAX_Result HostReserved3() override { return 0; }
    AAX_Result HostReserved4() override { return 0; }
    AAX_Result AddEffect(const char* effectID, IACFUnknown* effectDescriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t packageVersion) override;
    AAX_Result SetProperties(IACFUnknown* properties) override;

private:
    std::vector<std::pair<std::string, HostEffectDescriptor*>> addedEffects;
    std::string manufacturerName;
    std::vector<std::string> names;
    uint32_t version = 0;
    int setPropertiesCalls = 0;
    PropertyMapStore* propertyMap = nullptr;
};
} // namespace aaxhost
