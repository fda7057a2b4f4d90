#pragma once

#include "AAX.h"

// The host's parameter automation as the parameters use it.
class AAX_IAutomationDelegate
{
public:
    virtual ~AAX_IAutomationDelegate() = default;

    virtual AAX_Result RegisterParameter(AAX_CParamID parameterID) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID parameterID,
                                           double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID parameterID) = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) = 0;
};
