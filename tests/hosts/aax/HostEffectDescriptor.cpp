#include "HostEffectDescriptor.h"

#include "HostComponentDescriptor.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
namespace
{
std::string Text(const char* text)
{
    return text != nullptr ? "\"" + std::string(text) + "\"" : "null";
}

std::string Pointer(const void* pointer)
{
    return pointer != nullptr ? "object" : "null";
}
} // namespace

HostEffectDescriptor::HostEffectDescriptor(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXEffectDescriptorV1, static_cast<AAX_IACFEffectDescriptor*>(this));
    offer(IID_IAAXEffectDescriptorV2, static_cast<AAX_IACFEffectDescriptor_V2*>(this));
}

void* HostEffectDescriptor::procedure(AAX_CProcPtrID procID) const
{
    const auto found = procedures.find(procID);
    return found != procedures.end() ? found->second : nullptr;
}

AAX_Result HostEffectDescriptor::AddComponent(IACFUnknown* componentDescriptor)
{
    recorded.push_back("AddComponent(" + Pointer(componentDescriptor) + ")");
    added.push_back(dynamic_cast<HostComponentDescriptor*>(componentDescriptor));
    return 0;
}

AAX_Result HostEffectDescriptor::AddName(const char* name)
{
    recorded.push_back("AddName(" + Text(name) + ")");
    effectNames.push_back(name != nullptr ? name : "");
    return 0;
}

AAX_Result HostEffectDescriptor::AddCategory(uint32_t category)
{
    recorded.push_back("AddCategory(" + std::to_string(category) + ")");
    return 0;
}

AAX_Result HostEffectDescriptor::AddCategoryBypassParameter(uint32_t category,
                                                            AAX_CParamID parameterID)
{
    recorded.push_back("AddCategoryBypassParameter(" + std::to_string(category) + ", " +
                       Text(parameterID) + ")");
    return 0;
}

AAX_Result HostEffectDescriptor::AddProcPtr(void* procPtr, AAX_CProcPtrID procID)
{
    recorded.push_back("AddProcPtr(" + Pointer(procPtr) + ", " + std::to_string(procID) + ")");
    procedures[procID] = procPtr;
    return 0;
}

AAX_Result HostEffectDescriptor::SetProperties(IACFUnknown* properties)
{
    recorded.push_back("SetProperties(" + Pointer(properties) + ")");
    return 0;
}

AAX_Result HostEffectDescriptor::AddResourceInfo(AAX_EResourceType resourceType, const char* info)
{
    recorded.push_back("AddResourceInfo(" + std::to_string(resourceType) + ", " + Text(info) + ")");
    return 0;
}

AAX_Result HostEffectDescriptor::AddMeterDescription(uint32_t meterID, const char* meterName,
                                                     IACFUnknown* properties)
{
    recorded.push_back("AddMeterDescription(" + std::to_string(meterID) + ", " + Text(meterName) +
                       ", " + Pointer(properties) + ")");
    return 0;
}

AAX_Result HostEffectDescriptor::AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType nodeType,
                                                    const char* nodeName, uint32_t channelMask)
{
    recorded.push_back("AddControlMIDINode(" + std::to_string(nodeID) + ", " +
                       std::to_string(nodeType) + ", " + Text(nodeName) + ", " +
                       std::to_string(channelMask) + ")");
    return 0;
}
} // namespace aaxhost
