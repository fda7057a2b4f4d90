#include "PropertyMapStore.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
PropertyMapStore::PropertyMapStore(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXPropertyMapV1, static_cast<AAX_IACFPropertyMap*>(this));
    offer(IID_IAAXPropertyMapV2, static_cast<AAX_IACFPropertyMap_V2*>(this));
}

AAX_CBoolean PropertyMapStore::GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue)
{
    const auto found = values.find(property);
    if (found == values.end() || outValue == nullptr)
        return 0;
    *outValue = found->second;
    return 1;
}

AAX_Result PropertyMapStore::AddProperty(AAX_EProperty property, AAX_CPropertyValue value)
{
    values[property] = value;
    return AAX_SUCCESS;
}

AAX_Result PropertyMapStore::RemoveProperty(AAX_EProperty property)
{
    values.erase(property);
    return AAX_SUCCESS;
}

AAX_Result PropertyMapStore::AddPropertyWithIDArray(AAX_EProperty property,
                                                    const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                    uint32_t numPluginIDs)
{
    if (pluginIDs == nullptr && numPluginIDs != 0)
        return AAX_ERROR_NULL_OBJECT;
    arrays[property].assign(pluginIDs, pluginIDs + numPluginIDs);
    return AAX_SUCCESS;
}

AAX_CBoolean
PropertyMapStore::GetPropertyWithIDArray(AAX_EProperty property,
                                         const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                         uint32_t* outNumPluginIDs)
{
    const auto found = arrays.find(property);
    if (found == arrays.end() || outPluginIDs == nullptr || outNumPluginIDs == nullptr)
        return 0;
    *outPluginIDs = found->second.data();
    *outNumPluginIDs = static_cast<uint32_t>(found->second.size());
    return 1;
}
} // namespace aaxhost
