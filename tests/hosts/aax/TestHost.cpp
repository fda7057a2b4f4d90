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
    addComponentClass(
        AAXCompID_AAXCollection,
        [this]
        {
            auto& collection =
                make<HostCollection>("collection " + std::to_string(madeCollections.size() + 1));
            madeCollections.push_back(&collection);
            return static_cast<IACFUnknown*>(static_cast<AAX_IACFCollection*>(&collection));
        });
    addComponentClass(AAXCompID_AAXEffectDescriptor,
                      [this]
                      {
                          auto& descriptor = make<HostEffectDescriptor>(
                              "effect descriptor " +
                              std::to_string(madeEffectDescriptors.size() + 1));
                          madeEffectDescriptors.push_back(&descriptor);
                          return static_cast<IACFUnknown*>(&descriptor);
                      });
    addComponentClass(AAXCompID_AAXComponentDescriptor,
                      [this]
                      {
                          auto& descriptor = make<HostComponentDescriptor>(
                              "component descriptor " +
                              std::to_string(madeComponentDescriptors.size() + 1));
                          madeComponentDescriptors.push_back(&descriptor);
                          return static_cast<IACFUnknown*>(&descriptor);
                      });
}

template <class Object> Object& TestHost::make(const std::string& name)
{
    return adopt(std::make_unique<Object>(name, grantsForNewObject()));
}

InstanceHost& TestHost::newInstance()
{
    const std::string name = "instance " + std::to_string(++instances);
    auto& automation = adopt(std::make_unique<RecordingAutomationDelegate>(grantsForNewObject()));
    auto& controller = make<HostController>(name + " controller");
    auto& transport = make<HostTransport>(name + " transport");
    return adopt(std::make_unique<InstanceHost>(name, grantsForNewObject(), automation, controller,
                                                transport));
}

bool TestHost::discardInstance(InstanceHost& instance)
{
    const HostObjectBase* const parts[] = {&instance, &instance.controller(), &instance.transport(),
                                           &instance.automation()};
    for (const HostObjectBase* part : parts)
        if (!part->balanced())
            return false;

    const auto isPart = [&parts](const std::unique_ptr<HostObjectBase>& object)
    { return std::find(std::begin(parts), std::end(parts), object.get()) != std::end(parts); };
    objects.erase(std::remove_if(objects.begin(), objects.end(), isPart), objects.end());
    return true;
}

HostViewContainer& TestHost::newViewContainer()
{
    return make<HostViewContainer>("view container " + std::to_string(++viewContainers));
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
