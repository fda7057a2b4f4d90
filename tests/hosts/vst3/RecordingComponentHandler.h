#pragma once

#include "HostUnknown.h"

#include <pluginterfaces/vst/ivsteditcontroller.h>

#include <mutex>
#include <utility>
#include <vector>

namespace vst3host
{

// The controller's way to the host: records the edits it performs and the restarts it asks for.
// The plug-in may call it from a thread of its own (the framework's message thread).
class RecordingComponentHandler final : public Steinberg::Vst::IComponentHandler
{
public:
    using Edit = std::pair<Steinberg::Vst::ParamID, Steinberg::Vst::ParamValue>;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID interfaceId,
                                                 void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return unknown.countReference(); }
    Steinberg::uint32 PLUGIN_API release() override { return unknown.dropReference(); }

    Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                              Steinberg::Vst::ParamValue value) override;
    Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

    std::vector<Edit> getEdits() const;
    std::vector<Steinberg::int32> getRestarts() const;

private:
    HostUnknown unknown;
    mutable std::mutex lock;
    std::vector<Edit> edits;
    std::vector<Steinberg::int32> restarts;
};

} // namespace vst3host
