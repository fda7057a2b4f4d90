#include "AAX_VCollection.h"

#include "AAX_Errors.h"
#include "AAX_HostComponentFactory.h"
#include "AAX_HostPropertyMap.h"
#include "AAX_UIDs.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host) : mHost(host)
{
    const ACFPtr<IACFComponentFactory> factory = AAX_GetHostComponentFactory(host);
    if (factory)
        factory->CreateComponent(AAXCompID_AAXCollection, nullptr, IID_IAAXCollectionV1,
                                 mIACFCollection.AsOutParameter());
}

AAX_VCollection::~AAX_VCollection()
{
    mEffectDescriptors.clear();
    mPropertyMaps.clear();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    mEffectDescriptors.push_back(std::make_unique<AAX_VEffectDescriptor>(mHost.get()));
    return mEffectDescriptors.back().get();
}

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* effectDescriptor)
{
    const auto* descriptor = dynamic_cast<const AAX_VEffectDescriptor*>(effectDescriptor);
    if (!mIACFCollection || descriptor == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFCollection->AddEffect(effectID, descriptor->GetIUnknown());
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name)
{
    if (!mIACFCollection)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFCollection->SetManufacturerName(name);
}

AAX_Result AAX_VCollection::AddPackageName(const char* name)
{
    if (!mIACFCollection)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFCollection->AddPackageName(name);
}

AAX_Result AAX_VCollection::SetPackageVersion(uint32_t version)
{
    if (!mIACFCollection)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFCollection->SetPackageVersion(version);
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    mPropertyMaps.push_back(std::make_unique<AAX_VPropertyMap>(mHost.get()));
    return mPropertyMaps.back().get();
}

AAX_Result AAX_VCollection::SetProperties(AAX_IPropertyMap* properties)
{
    IACFUnknown* hostMap = nullptr;
    if (!mIACFCollection || !AAX_GetHostPropertyMap(properties, &hostMap))
        return AAX_ERROR_NULL_OBJECT;
    return mIACFCollection->SetProperties(hostMap);
}

IACFUnknown* AAX_VCollection::GetIUnknown() const
{
    return mIACFCollection.get();
}
