#pragma once

#include <pluginterfaces/base/funknown.h>

#include <atomic>
#include <initializer_list>

namespace vst3host
{

// One interface a host object offers: its id and the object seen as that interface.
struct OfferedInterface
{
    const Steinberg::TUID& iid;
    void* asInterface;
};

// Reference counting and interface queries for the host's objects. They live as long as the
// test host that owns them: the count is kept as the plug-in expects, and nothing is freed when
// it drops.
class HostUnknown
{
public:
    Steinberg::uint32 countReference() noexcept { return (Steinberg::uint32)++references; }
    Steinberg::uint32 dropReference() noexcept { return (Steinberg::uint32)--references; }

    // Hands out the interface asked for, or nothing (with kNoInterface).
    Steinberg::tresult answerQuery(const Steinberg::TUID interfaceId, void** obj,
                                   std::initializer_list<OfferedInterface> offered) noexcept
    {
        if (obj == nullptr)
            return Steinberg::kInvalidArgument;

        for (const auto& offer : offered)
        {
            if (Steinberg::FUnknownPrivate::iidEqual(interfaceId, offer.iid))
            {
                ++references;
                *obj = offer.asInterface;
                return Steinberg::kResultOk;
            }
        }

        *obj = nullptr;
        return Steinberg::kNoInterface;
    }

private:
    std::atomic<int> references{0};
};

} // namespace vst3host
