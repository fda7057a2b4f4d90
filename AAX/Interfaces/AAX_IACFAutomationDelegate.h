#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

// The host's parameter automation: parameters register with it, and every change the plug-in
// makes is asked for as touch, set-value request and release; the host answers with an update.
class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
    virtual AAX_Result RegisterParameter(AAX_CParamID parameterID) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID parameterID) = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) = 0;

protected:
    ~AAX_IACFAutomationDelegate() = default;
};
