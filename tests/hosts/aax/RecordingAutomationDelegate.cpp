#include "RecordingAutomationDelegate.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

#include <ostream>

namespace aaxhost
{
namespace
{
std::string textOf(AAX_CParamID parameterID)
{
    return parameterID != nullptr ? parameterID : "";
}

const char* nameOf(AutomationEvent::Kind kind)
{
    switch (kind)
    {
    case AutomationEvent::Kind::registerParameter:
        return "register";
    case AutomationEvent::Kind::unregisterParameter:
        return "unregister";
    case AutomationEvent::Kind::setValueRequest:
        return "set-value request";
    case AutomationEvent::Kind::currentValue:
        return "current value";
    case AutomationEvent::Kind::touch:
        return "touch";
    case AutomationEvent::Kind::release:
        return "release";
    }
    return "?";
}
} // namespace

bool AutomationEvent::operator==(const AutomationEvent& other) const
{
    return kind == other.kind && parameterID == other.parameterID && value == other.value;
}

std::ostream& operator<<(std::ostream& out, const AutomationEvent& event)
{
    out << nameOf(event.kind) << " \"" << event.parameterID << '"';
    if (event.kind == AutomationEvent::Kind::setValueRequest ||
        event.kind == AutomationEvent::Kind::currentValue)
        out << ' ' << event.value;
    return out;
}

RecordingAutomationDelegate::RecordingAutomationDelegate(std::shared_ptr<HostGrants> hostGrants)
    : HostObject("automation delegate", std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXAutomationDelegateV1, static_cast<AAX_IACFAutomationDelegate*>(this));
}

int RecordingAutomationDelegate::registrations(const std::string& parameterID) const
{
    const auto found = registered.find(parameterID);
    return found != registered.end() ? found->second : 0;
}

AAX_Result RecordingAutomationDelegate::record(AutomationEvent::Kind kind, AAX_CParamID parameterID,
                                               double value)
{
    recorded.push_back({kind, textOf(parameterID), value});
    return answer;
}

AAX_Result RecordingAutomationDelegate::RegisterParameter(AAX_CParamID parameterID)
{
    ++registered[textOf(parameterID)];
    return record(AutomationEvent::Kind::registerParameter, parameterID);
}

AAX_Result RecordingAutomationDelegate::UnregisterParameter(AAX_CParamID parameterID)
{
    --registered[textOf(parameterID)];
    return record(AutomationEvent::Kind::unregisterParameter, parameterID);
}

AAX_Result RecordingAutomationDelegate::PostSetValueRequest(AAX_CParamID parameterID,
                                                            double normalizedValue)
{
    const AAX_Result result =
        record(AutomationEvent::Kind::setValueRequest, parameterID, normalizedValue);
    if (echo)
        echo(parameterID, normalizedValue);
    return result;
}

AAX_Result RecordingAutomationDelegate::PostCurrentValue(AAX_CParamID parameterID,
                                                         double normalizedValue)
{
    return record(AutomationEvent::Kind::currentValue, parameterID, normalizedValue);
}

AAX_Result RecordingAutomationDelegate::PostTouchRequest(AAX_CParamID parameterID)
{
    touched[textOf(parameterID)] = true;
    return record(AutomationEvent::Kind::touch, parameterID);
}

AAX_Result RecordingAutomationDelegate::PostReleaseRequest(AAX_CParamID parameterID)
{
    touched[textOf(parameterID)] = false;
    return record(AutomationEvent::Kind::release, parameterID);
}

AAX_Result RecordingAutomationDelegate::GetTouchState(AAX_CParamID parameterID,
                                                      AAX_CBoolean* outTouched)
{
    if (outTouched != nullptr)
    {
        const auto found = touched.find(textOf(parameterID));
        *outTouched = found != touched.end() && found->second ? 1 : 0;
    }
    return answer;
}
} // namespace aaxhost
