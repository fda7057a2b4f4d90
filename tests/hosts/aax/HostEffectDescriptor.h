#pragma once

#include "HostObject.h"

#include "AAX_IACFEffectDescriptor.h"

#include <map>
#include <string>
#include <vector>

namespace aaxhost
{
class HostComponentDescriptor;
class PropertyMapStore;

// The host's descriptor of one effect (both versions): records every call in order, as text,
// and what the host needs later: the procedures by identifier and the components.
class HostEffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    HostEffectDescriptor(std::string name, std::shared_ptr<HostGrants> hostGrants);

    const std::vector<std::string>& calls() const { return recorded; }
    const std::vector<std::string>& names() const { return effectNames; }
    // The procedure registered under the identifier, or null.
    void* procedure(AAX_CProcPtrID procID) const;
    // The components added, in order; a component that is not one of the host's is null.
    const std::vector<HostComponentDescriptor*>& components() const { return added; }

    AAX_Result AddComponent(IACFUnknown* componentDescriptor) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr(void* procPtr, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties(IACFUnknown* properties) override;
    AAX_Result AddResourceInfo(AAX_EResourceType resourceType, const char* info) override;
    AAX_Result AddMeterDescription(uint32_t meterID, const char* meterName,
                                   IACFUnknown* properties) override;
    AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                  uint32_t channelMask) override;

private:
    std::vector<std::string> recorded;
    std::vector<std::string> effectNames;
    std::map<AAX_CProcPtrID, void*> procedures;
    std::vector<HostComponentDescriptor*> added;
};
} // namespace aaxhost
