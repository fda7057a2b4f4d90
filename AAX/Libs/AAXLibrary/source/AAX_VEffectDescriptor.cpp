#include "AAX_VEffectDescriptor.h"

#include "AAX_Errors.h"
#include "AAX_HostComponentFactory.h"
#include "AAX_HostPropertyMap.h"
#include "AAX_UIDs.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* host) : mHost(host)
{
    const ACFPtr<IACFComponentFactory> factory = AAX_GetHostComponentFactory(host);
    if (!factory)
        return;

    factory->CreateComponent(AAXCompID_AAXEffectDescriptor, nullptr, IID_IAAXEffectDescriptorV1,
                             mIACFEffectDescriptor.AsOutParameter());
    if (mIACFEffectDescriptor)
        mIACFEffectDescriptor->QueryInterface(IID_IAAXEffectDescriptorV2,
                                              mIACFEffectDescriptorV2.AsOutParameter());
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    mComponentDescriptors.clear();
    mPropertyMaps.clear();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    mComponentDescriptors.push_back(std::make_unique<AAX_VComponentDescriptor>(mHost.get()));
    return mComponentDescriptors.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* componentDescriptor)
{
    const auto* component = dynamic_cast<const AAX_VComponentDescriptor*>(componentDescriptor);
    if (!mIACFEffectDescriptor || (componentDescriptor != nullptr && component == nullptr))
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddComponent(component != nullptr ? component->GetIUnknown()
                                                                    : nullptr);
}

AAX_Result AAX_VEffectDescriptor::AddName(const char* name)
{
    if (!mIACFEffectDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddName(name);
}

AAX_Result AAX_VEffectDescriptor::AddCategory(uint32_t category)
{
    if (!mIACFEffectDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddCategory(category);
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter(uint32_t category,
                                                             AAX_CParamID parameterID)
{
    if (!mIACFEffectDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddCategoryBypassParameter(category, parameterID);
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr(void* procPtr, AAX_CProcPtrID procID)
{
    if (!mIACFEffectDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddProcPtr(procPtr, procID);
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    mPropertyMaps.push_back(std::make_unique<AAX_VPropertyMap>(mHost.get()));
    return mPropertyMaps.back().get();
}

AAX_Result AAX_VEffectDescriptor::SetProperties(AAX_IPropertyMap* properties)
{
    IACFUnknown* hostMap = nullptr;
    if (!mIACFEffectDescriptor || !AAX_GetHostPropertyMap(properties, &hostMap))
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->SetProperties(hostMap);
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo(AAX_EResourceType resourceType, const char* info)
{
    if (!mIACFEffectDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddResourceInfo(resourceType, info);
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription(uint32_t meterID, const char* meterName,
                                                      AAX_IPropertyMap* properties)
{
    IACFUnknown* hostMap = nullptr;
    if (!mIACFEffectDescriptor || !AAX_GetHostPropertyMap(properties, &hostMap))
        return AAX_ERROR_NULL_OBJECT;
    return mIACFEffectDescriptor->AddMeterDescription(meterID, meterName, hostMap);
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType nodeType,
                                                     const char* nodeName, uint32_t channelMask)
{
    if (!mIACFEffectDescriptorV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIACFEffectDescriptorV2->AddControlMIDINode(nodeID, nodeType, nodeName, channelMask);
}

IACFUnknown* AAX_VEffectDescriptor::GetIUnknown() const
{
    return mIACFEffectDescriptor.get();
}
