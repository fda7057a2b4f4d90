#pragma once

#include "HostObject.h"

#include "AAX_IACFAutomationDelegate.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace aaxhost
{
struct AutomationEvent
{
    enum class Kind
    {
        registerParameter,
        unregisterParameter,
        setValueRequest,
        currentValue,
        touch,
        release
    };

    Kind kind;
    std::string parameterID;
    double value = 0.0; // the normalized value of set-value requests and current values

    bool operator==(const AutomationEvent& other) const;
};

std::ostream& operator<<(std::ostream& out, const AutomationEvent& event);

// The host's automation delegate: records every call in order and answers each with the
// configured result. With an echo installed, it answers every set-value request at once with
// a host update of the value requested, as a host does when it accepts the change.
class RecordingAutomationDelegate final : public HostObject<AAX_IACFAutomationDelegate>
{
public:
    using Update = std::function<void(const char* parameterID, double normalizedValue)>;

    explicit RecordingAutomationDelegate(std::shared_ptr<HostGrants> hostGrants);

    const std::vector<AutomationEvent>& events() const { return recorded; }
    void clearEvents() { recorded.clear(); }
    // How many times the parameter is registered now (registrations less unregistrations).
    int registrations(const std::string& parameterID) const;

    void setAnswer(AAX_Result result) { answer = result; }
    void echoSetValueRequests(Update update) { echo = std::move(update); }

    AAX_Result RegisterParameter(AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter(AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) override;
    AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) override;
    AAX_Result PostTouchRequest(AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest(AAX_CParamID parameterID) override;
    AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) override;

private:
    AAX_Result record(AutomationEvent::Kind kind, AAX_CParamID parameterID, double value = 0.0);

    std::vector<AutomationEvent> recorded;
    std::map<std::string, int> registered;
    std::map<std::string, bool> touched;
    AAX_Result answer = 0;
    Update echo;
};
} // namespace aaxhost
