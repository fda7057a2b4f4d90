#pragma once

#include "HostUnknown.h"

#include <pluginterfaces/vst/ivsthostapplication.h>

namespace vst3host
{

// The host context handed to the component and the controller at initialisation: a name, and
// no objects made for the plug-in (a component and controller connected directly need none).
class HostApplication final : public Steinberg::Vst::IHostApplication
{
public:
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID interfaceId,
                                                 void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return unknown.countReference(); }
    Steinberg::uint32 PLUGIN_API release() override { return unknown.dropReference(); }

    Steinberg::tresult PLUGIN_API getName(Steinberg::Vst::String128 name) override;
    Steinberg::tresult PLUGIN_API createInstance(Steinberg::TUID cid, Steinberg::TUID interfaceId,
                                                 void** obj) override;

private:
    HostUnknown unknown;
};

} // namespace vst3host
