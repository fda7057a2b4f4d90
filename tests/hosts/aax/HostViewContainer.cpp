#include "HostViewContainer.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
HostViewContainer::HostViewContainer(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXViewContainerV1, static_cast<AAX_IACFViewContainer*>(this));
    offer(IID_IAAXViewContainerV2, static_cast<AAX_IACFViewContainer_V2*>(this));
}

void HostViewContainer::setView(int32_t type, void* view)
{
    viewType = type;
    nativeView = view;
}

AAX_Result HostViewContainer::GetModifiers(uint32_t* outModifiers)
{
    if (outModifiers != nullptr)
        *outModifiers = 0;
    return 0;
}

AAX_Result HostViewContainer::SetViewSize(AAX_Point& size)
{
    requestedSizes.push_back(size);
    return 0;
}

AAX_Result HostViewContainer::record(const char* kind, const AAX_CParamID* parameterIDs,
                                     uint32_t count)
{
    for (uint32_t i = 0; parameterIDs != nullptr && i < count; ++i)
        events.push_back(std::string(kind) + " " + (parameterIDs[i] ? parameterIDs[i] : ""));
    return 0;
}

AAX_Result HostViewContainer::HandleParameterMouseDown(AAX_CParamID parameterID, uint32_t)
{
    return record("down", &parameterID, 1);
}

AAX_Result HostViewContainer::HandleParameterMouseDrag(AAX_CParamID parameterID, uint32_t)
{
    return record("drag", &parameterID, 1);
}

AAX_Result HostViewContainer::HandleParameterMouseUp(AAX_CParamID parameterID, uint32_t)
{
    return record("up", &parameterID, 1);
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs,
                                                                uint32_t numParameters, uint32_t)
{
    return record("down", parameterIDs, numParameters);
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs,
                                                                uint32_t numParameters, uint32_t)
{
    return record("drag", parameterIDs, numParameters);
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs,
                                                              uint32_t numParameters, uint32_t)
{
    return record("up", parameterIDs, numParameters);
}
} // namespace aaxhost
