#include "HostCollection.h"

#include "HostComponentDescriptor.h"
#include "HostEffectDescriptor.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
HostCollection::HostCollection(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<AAX_IACFCollection*>(this));
    offer(IID_IAAXCollectionV1, static_cast<AAX_IACFCollection*>(this));
    offer(IID_IACFPluginDefinition, static_cast<IACFPluginDefinition*>(this));
}

AAX_Result HostCollection::AddEffect(const char* effectID, IACFUnknown* effectDescriptor)
{
    addedEffects.emplace_back(effectID != nullptr ? effectID : "",
                              dynamic_cast<HostEffectDescriptor*>(effectDescriptor));
    return 0;
}

AAX_Result HostCollection::SetManufacturerName(const char* name)
{
    manufacturerName = name != nullptr ? name : "";
    return 0;
}

AAX_Result HostCollection::AddPackageName(const char* name)
{
    names.emplace_back(name != nullptr ? name : "");
    return 0;
}

AAX_Result HostCollection::SetPackageVersion(uint32_t packageVersion)
{
    version = packageVersion;
    return 0;
}

AAX_Result HostCollection::SetProperties(IACFUnknown* properties)
{
    ++setPropertiesCalls;
    propertyMap = PropertyMapBehind(properties);
    return 0;
}
} // namespace aaxhost
