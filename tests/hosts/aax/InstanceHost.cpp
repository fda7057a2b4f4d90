#include "InstanceHost.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
InstanceHost::InstanceHost(std::string name, std::shared_ptr<HostGrants> hostGrants,
                           RecordingAutomationDelegate& automation, HostController& controller,
                           HostTransport& transport)
    : HostObject(std::move(name), std::move(hostGrants)), automationDelegate(&automation),
      instanceController(&controller), instanceTransport(&transport)
{
    offer(IID_IACFUnknown, unknown());
    offer(IID_IAAXAutomationDelegateV1, static_cast<AAX_IACFAutomationDelegate*>(&automation),
          automation);
    offer(IID_IAAXControllerV1, static_cast<AAX_IACFController*>(&controller), controller);
    offer(IID_IAAXControllerV2, static_cast<AAX_IACFController_V2*>(&controller), controller);
    offer(IID_IAAXControllerV3, static_cast<AAX_IACFController_V3*>(&controller), controller);
    offer(IID_IAAXTransportV1, static_cast<AAX_IACFTransport*>(&transport), transport);
    offer(IID_IAAXTransportV2, static_cast<AAX_IACFTransport_V2*>(&transport), transport);
}

void InstanceHost::answerForDataModel(IACFUnknown* dataModel)
{
    forward(IID_IAAXEffectParametersV1, dataModel);
}
} // namespace aaxhost
