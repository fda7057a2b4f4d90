#pragma once

#include "AAX.h"
#include "AAX_Enums.h"
#include "ACF/acfunknown.h"

class AAX_IString;

// The plug-in's GUI object as the host calls it, by position, on its main thread.
class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    // Set-up with the host's unknown for this instance (controller, transport, data model).
    virtual AAX_Result Initialize(IACFUnknown* effectParameters) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;
    // The host's container for the view, or null when the view closes.
    virtual AAX_Result SetViewContainer(IACFUnknown* viewContainer) = 0;
    virtual AAX_Result GetViewSize(AAX_Point* outViewSize) const = 0;
    virtual AAX_Result Draw(AAX_Rect* drawRect) = 0;
    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result ParameterUpdated(AAX_CParamID parameterID) = 0;
    virtual AAX_Result GetCustomLabel(AAX_EPlugInStrings selector,
                                      AAX_IString* outString) const = 0;
    virtual AAX_Result SetControlHighlightInfo(AAX_CParamID parameterID, AAX_CBoolean isHighlighted,
                                               AAX_EHighlightColor color) = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};
