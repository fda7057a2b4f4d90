#include "AAX_VPropertyMap.h"

#include "AAX_Errors.h"
#include "AAX_HostComponentFactory.h"
#include "AAX_UIDs.h"

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host)
{
    const ACFPtr<IACFComponentFactory> factory = AAX_GetHostComponentFactory(host);
    if (!factory)
        return;

    factory->CreateComponent(AAXCompID_AAXPropertyMap, nullptr, IID_IAAXPropertyMapV1,
                             mIACFPropertyMap.AsOutParameter());
    if (mIACFPropertyMap)
        mIACFPropertyMap->QueryInterface(IID_IAAXPropertyMapV2,
                                         mIACFPropertyMapV2.AsOutParameter());
}

AAX_CBoolean AAX_VPropertyMap::GetProperty(AAX_EProperty property,
                                           AAX_CPropertyValue* outValue) const
{
    if (!mIACFPropertyMap)
        return false;
    return mIACFPropertyMap->GetProperty(property, outValue) != 0;
}

AAX_Result AAX_VPropertyMap::AddProperty(AAX_EProperty property, AAX_CPropertyValue value)
{
    if (!mIACFPropertyMap)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFPropertyMap->AddProperty(property, value);
}

AAX_Result AAX_VPropertyMap::RemoveProperty(AAX_EProperty property)
{
    if (!mIACFPropertyMap)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFPropertyMap->RemoveProperty(property);
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray(AAX_EProperty property,
                                                    const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                    uint32_t numPluginIDs)
{
    if (!mIACFPropertyMapV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIACFPropertyMapV2->AddPropertyWithIDArray(property, pluginIDs, numPluginIDs);
}

AAX_CBoolean
AAX_VPropertyMap::GetPropertyWithIDArray(AAX_EProperty property,
                                         const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                         uint32_t* outNumPluginIDs) const
{
    if (!mIACFPropertyMapV2)
        return false;
    return mIACFPropertyMapV2->GetPropertyWithIDArray(property, outPluginIDs, outNumPluginIDs) != 0;
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const
{
    return mIACFPropertyMap.get();
}
