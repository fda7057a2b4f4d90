#include "TestHost.h"

#include "AAX_UIDs.h"
#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

#include <algorithm>

namespace aaxhost
{
TestHost::TestHost() : HostObject("host", std::make_shared<HostGrants>())
{
    automationDelegate =
        &adopt(std::make_unique<RecordingAutomationDelegate>(grantsForNewObject()));
    services = &adopt(std::make_unique<RecordingHostServices>(grantsForNewObject()));

    offer(IID_IACFUnknown, unknown());
    offer(IID_IACFComponentFactory, static_cast<IACFComponentFactory*>(this));
    addHostInterface(IID_IAAXAutomationDelegateV1,
                     static_cast<AAX_IACFAutomationDelegate*>(automationDelegate),
                     *automationDelegate);

    addComponentClass(
        AAXCompID_AAXPropertyMap,
        [this]
        {
            auto& map = adopt(std::make_unique<PropertyMapStore>(
                "property map " + std::to_string(maps.size() + 1), grantsForNewObject()));
            maps.push_back(&map);
            return static_cast<IACFUnknown*>(&map);
        });
    addComponentClass(AAXCompID_HostServices,
                      [this] { return static_cast<IACFUnknown*>(services); });
}

TestHost::~TestHost() = default;

void TestHost::addComponentClass(const acfCLSID& clsid, ComponentMaker maker)
{
    for (auto& entry : componentClasses)
    {
        if (entry.first == clsid)
        {
            entry.second = std::move(maker);
            return;
        }
    }
    componentClasses.emplace_back(clsid, std::move(maker));
}

std::vector<std::string> TestHost::unbalancedObjects() const
{
    std::vector<const HostObjectBase*> all{this};
    for (const auto& object : objects)
        all.push_back(object.get());

    std::vector<std::string> unbalanced;
    for (const HostObjectBase* object : all)
    {
        if (!object->balanced())
            unbalanced.push_back(object->name() + ": " + std::to_string(object->references()) +
                                 " references held, " + std::to_string(object->overReleases()) +
                                 " extra releases");
    }
    return unbalanced;
}

ACFRESULT TestHost::CreateComponent(const acfCLSID& clsid, IACFUnknown*, const acfIID& iid,
                                    void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_NULLPOINTER;
    *ppOut = nullptr;
    requests.push_back(clsid);
    if (!grants().isGranted(clsid))
        return classNotAvailable;

    const auto found = std::find_if(componentClasses.begin(), componentClasses.end(),
                                    [&](const auto& entry) { return entry.first == clsid; });
    if (found == componentClasses.end())
        return classNotAvailable;
    return found->second()->QueryInterface(iid, ppOut);
}
} // namespace aaxhost
