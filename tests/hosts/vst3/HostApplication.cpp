#include "HostApplication.h"

namespace vst3host
{

Steinberg::tresult PLUGIN_API HostApplication::queryInterface(const Steinberg::TUID interfaceId,
                                                              void** obj)
{
    return unknown.answerQuery(
        interfaceId, obj,
        {{Steinberg::FUnknown_iid, static_cast<Steinberg::FUnknown*>(this)},
         {Steinberg::Vst::IHostApplication_iid, static_cast<IHostApplication*>(this)}});
}

Steinberg::tresult PLUGIN_API HostApplication::getName(Steinberg::Vst::String128 name)
{
    const char text[] = "Stompix test host";

    for (size_t i = 0; i < sizeof(text); ++i)
        name[i] = (Steinberg::Vst::TChar)text[i];

    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API HostApplication::createInstance(Steinberg::TUID, Steinberg::TUID,
                                                              void** obj)
{
    if (obj != nullptr)
        *obj = nullptr;

    return Steinberg::kNotImplemented;
}

} // namespace vst3host
