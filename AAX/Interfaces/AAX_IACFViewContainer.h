#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

// The host's container for the plug-in's view: the native parent view, its size, and the
// mouse events the plug-in hands back to the host for parameters (automation shortcuts).
class AAX_IACFViewContainer : public IACFUnknown
{
public:
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers(uint32_t* outModifiers) = 0;
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, uint32_t modifiers) = 0;

protected:
    ~AAX_IACFViewContainer() = default;
};

// Version 2: the same mouse events for several parameters at once.
class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer
{
public:
    virtual AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs,
                                                         uint32_t numParameters,
                                                         uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs,
                                                         uint32_t numParameters,
                                                         uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs,
                                                       uint32_t numParameters,
                                                       uint32_t modifiers) = 0;

protected:
    ~AAX_IACFViewContainer_V2() = default;
};
