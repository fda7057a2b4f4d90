#pragma once

#include "AAX.h"

// The host's view container as the plug-in's GUI uses it.
class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;

    // The kind of native view (AAX_EViewContainer_Type) and the native parent view itself.
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers(uint32_t* outModifiers) = 0;
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs,
                                                         uint32_t numParameters,
                                                         uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs,
                                                         uint32_t numParameters,
                                                         uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs,
                                                       uint32_t numParameters,
                                                       uint32_t modifiers) = 0;
};
