#pragma once

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IAutomationDelegate.h"
#include "ACF/ACFPtr.h"

// Proxy for the host's automation delegate, asked for once from the host object; without it
// every operation answers AAX_ERROR_NULL_OBJECT.
class AAX_VAutomationDelegate final : public AAX_IAutomationDelegate
{
public:
    explicit AAX_VAutomationDelegate(IACFUnknown* host);
    ~AAX_VAutomationDelegate() override = default;

    AAX_VAutomationDelegate(const AAX_VAutomationDelegate&) = delete;
    AAX_VAutomationDelegate& operator=(const AAX_VAutomationDelegate&) = delete;

    AAX_Result RegisterParameter(AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter(AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostTouchRequest(AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest(AAX_CParamID parameterID) override;
    AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) override;

private:
    ACFPtr<AAX_IACFAutomationDelegate> mIAutomationDelegate;
};
