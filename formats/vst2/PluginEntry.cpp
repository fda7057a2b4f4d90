#include "StompixVstEffect.h"

#include <memory>

// The module's only exported symbols. The host calls one of them once per instance and from
// then on talks to the returned record; opcode 1 deletes the object behind it.

namespace
{
AEffect* createEffect(HostCallback host)
{
    // Nothing may be thrown into the host: an instance that cannot be built is no instance.
    try
    {
        auto instance = std::make_unique<StompixVstEffect>(host);
        return instance.release()->getAeffect();
    }
    catch (...)
    {
        return nullptr;
    }
}
} // namespace

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(HostCallback host)
{
    return createEffect(host);
}

extern "C" __attribute__((visibility("default"))) AEffect* main_macho(HostCallback host)
{
    return createEffect(host);
}
