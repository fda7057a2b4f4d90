#pragma once

#include "HostController.h"
#include "HostObject.h"
#include "HostTransport.h"
#include "RecordingAutomationDelegate.h"

namespace aaxhost
{
// The host's unknown for one plug-in instance, handed to the data model's and the GUI's
// Initialize: it answers for the instance's controller, transport and automation delegate, and
// for the GUI, once the host knows it, for the instance's data model.
class InstanceHost final : public HostObject<IACFUnknown>
{
public:
    InstanceHost(std::string name, std::shared_ptr<HostGrants> hostGrants,
                 RecordingAutomationDelegate& automation, HostController& controller,
                 HostTransport& transport);

    IACFUnknown* unknown() { return this; }
    RecordingAutomationDelegate& automation() { return *automationDelegate; }
    HostController& controller() { return *instanceController; }
    HostTransport& transport() { return *instanceTransport; }

    // Queries for the data model's interface go to the data model; null stops answering.
    void answerForDataModel(IACFUnknown* dataModel);

private:
    RecordingAutomationDelegate* automationDelegate;
    HostController* instanceController;
    HostTransport* instanceTransport;
};
} // namespace aaxhost
