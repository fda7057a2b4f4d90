#pragma once

#include "HostCollection.h"
#include "HostComponentDescriptor.h"
#include "HostEffectDescriptor.h"
#include "HostObject.h"
#include "HostViewContainer.h"
#include "InstanceHost.h"
#include "PropertyMapStore.h"
#include "RecordingAutomationDelegate.h"
#include "RecordingHostServices.h"

#include "ACF/IACFComponentFactory.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace aaxhost
{
// An AAX host for tests. Its unknown, handed to the plug-in, is the host's component factory
// and answers for the automation delegate. The factory makes property maps, collections, effect
// and component descriptors (a new recording object each time) and the host services (one
// object for the process). Each plug-in instance gets its own unknown, controller, transport and
// automation delegate (newInstance), and each view its container. Every interface and component
// class can be withheld through grants(), and every host object counts its references:
// unbalancedObjects() names those the plug-in still holds or released too often.
class TestHost final : public HostObject<IACFComponentFactory>
{
public:
    // Makes a component of one class and returns its unknown; the object belongs to the host.
    using ComponentMaker = std::function<IACFUnknown*()>;

    TestHost();
    ~TestHost() override;

    IACFUnknown* unknown() { return static_cast<IACFComponentFactory*>(this); }
    HostGrants& grants() { return *sharedGrants(); }

    RecordingAutomationDelegate& automation() { return *automationDelegate; }
    const RecordingAutomationDelegate& automation() const { return *automationDelegate; }
    RecordingHostServices& hostServices() { return *services; }
    const RecordingHostServices& hostServices() const { return *services; }
    // The property maps made so far, in order.
    const std::vector<PropertyMapStore*>& propertyMaps() const { return maps; }
    // What registrations described, in the order the plug-in had them made.
    const std::vector<HostCollection*>& collections() const { return madeCollections; }
    const std::vector<HostEffectDescriptor*>& effectDescriptors() const
    {
        return madeEffectDescriptors;
    }
    const std::vector<HostComponentDescriptor*>& componentDescriptors() const
    {
        return madeComponentDescriptors;
    }
    // A new instance's unknown, with its own controller, transport and automation delegate.
    InstanceHost& newInstance();
    // Destroys the host objects of an instance that has ended, as a host running many instances
    // in turn does. False, and nothing destroyed, while the plug-in holds a reference to any of
    // them or has released one too often.
    bool discardInstance(InstanceHost& instance);
    HostViewContainer& newViewContainer();
    // Component classes asked for, in order, whether or not they were made.
    const std::vector<acfCLSID>& componentRequests() const { return requests; }

    // Lets the host's unknown answer for an interface of another host object (a controller or
    // transport, say), whose references that object counts.
    void addHostInterface(const acfIID& iid, void* interfacePointer, HostObjectBase& owner)
    {
        offer(iid, interfacePointer, owner);
    }
    // Adds (or replaces) a component class the factory can make.
    void addComponentClass(const acfCLSID& clsid, ComponentMaker maker);
    // Keeps a host object for the host's lifetime and counts it among the host's objects.
    template <class Object> Object& adopt(std::unique_ptr<Object> object)
    {
        Object& adopted = *object;
        objects.push_back(std::move(object));
        return adopted;
    }
    std::shared_ptr<HostGrants> grantsForNewObject() const { return sharedGrants(); }

    std::vector<std::string> unbalancedObjects() const;

    ACFRESULT CreateComponent(const acfCLSID& clsid, IACFUnknown* pUnkOuter, const acfIID& iid,
                              void** ppOut) override;

private:
    std::vector<std::unique_ptr<HostObjectBase>> objects;
    RecordingAutomationDelegate* automationDelegate;
    RecordingHostServices* services;
    template <class Object> Object& make(const std::string& name);

    std::vector<PropertyMapStore*> maps;
    std::vector<HostCollection*> madeCollections;
    std::vector<HostEffectDescriptor*> madeEffectDescriptors;
    std::vector<HostComponentDescriptor*> madeComponentDescriptors;
    int instances = 0;
    int viewContainers = 0;
    std::vector<std::pair<acfCLSID, ComponentMaker>> componentClasses;
    std::vector<acfCLSID> requests;
};

// Answer of the factory for a class it cannot make or that is withheld.
constexpr ACFRESULT classNotAvailable = static_cast<ACFRESULT>(0x80040111u);
} // namespace aaxhost
