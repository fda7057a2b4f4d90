#pragma once

#include "AAX_IACFViewContainer.h"
#include "AAX_IViewContainer.h"
#include "ACF/ACFPtr.h"

// Proxy for the host's view container, asked once for both versions. Without version 1 there
// is no view: GetType answers 0 (AAX_eViewContainer_Type_NULL), GetPtr null, SetViewSize
// succeeds doing nothing, and the modifier and mouse operations answer AAX_ERROR_UNIMPLEMENTED,
// as the multiple-parameter operations do without version 2.
class AAX_VViewContainer final : public AAX_IViewContainer
{
public:
    explicit AAX_VViewContainer(IACFUnknown* host);
    ~AAX_VViewContainer() override;

    AAX_VViewContainer(const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

    int32_t GetType() override;
    void* GetPtr() override;
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
    ACFPtr<AAX_IACFViewContainer> mIViewContainer;
    ACFPtr<AAX_IACFViewContainer_V2> mIViewContainerV2;
};
