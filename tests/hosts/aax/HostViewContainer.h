#pragma once

#include "HostObject.h"

#include "AAX_IACFViewContainer.h"

#include <string>
#include <vector>

namespace aaxhost
{
// The host's view container (both versions): hands out a native view that tests choose and
// records the sizes and parameter mouse events it receives.
class HostViewContainer final : public HostObject<AAX_IACFViewContainer_V2>
{
public:
    HostViewContainer(std::string name, std::shared_ptr<HostGrants> hostGrants);

    IACFUnknown* unknown() { return this; }
    void setView(int32_t type, void* view);
    const std::vector<AAX_Point>& sizes() const { return requestedSizes; }
    // "down", "drag" or "up" and the parameter, one entry per parameter.
    const std::vector<std::string>& mouseEvents() const { return events; }

    int32_t GetType() override { return viewType; }
    void* GetPtr() override { return nativeView; }
    AAX_Result GetModifiers(uint32_t* outModifiers) override;
    AAX_Result SetViewSize(AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs,
                                                 uint32_t numParameters,
                                                 uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs,
                                                 uint32_t numParameters,
                                                 uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs,
                                               uint32_t numParameters, uint32_t modifiers) override;

private:
    AAX_Result record(const char* kind, const AAX_CParamID* parameterIDs, uint32_t count);

    int32_t viewType = 0;
    void* nativeView = nullptr;
    std::vector<AAX_Point> requestedSizes;
    std::vector<std::string> events;
};
} // namespace aaxhost
