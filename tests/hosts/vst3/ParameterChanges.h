#pragma once

#include "HostUnknown.h"

#include <pluginterfaces/vst/ivstparameterchanges.h>

#include <deque>
#include <utility>
#include <vector>

namespace vst3host
{

// The points of one parameter within a block.
class ParameterValueQueue final : public Steinberg::Vst::IParamValueQueue
{
public:
    explicit ParameterValueQueue(Steinberg::Vst::ParamID id);

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID interfaceId,
                                                 void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return unknown.countReference(); }
    Steinberg::uint32 PLUGIN_API release() override { return unknown.dropReference(); }

    Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return parameterId; }
    Steinberg::int32 PLUGIN_API getPointCount() override;
    Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32 index, Steinberg::int32& sampleOffset,
                                           Steinberg::Vst::ParamValue& value) override;
    Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32 sampleOffset,
                                           Steinberg::Vst::ParamValue value,
                                           Steinberg::int32& index) override;

    Steinberg::Vst::ParamID id() const noexcept { return parameterId; }
    // The value the parameter ends the block with.
    Steinberg::Vst::ParamValue lastValue() const;

    // Empty again, for another parameter, keeping the room its points had.
    void reuseFor(Steinberg::Vst::ParamID id);
    void reserve(size_t numPoints) { points.reserve(numPoints); }

private:
    HostUnknown unknown;
    Steinberg::Vst::ParamID parameterId;
    std::vector<std::pair<Steinberg::int32, Steinberg::Vst::ParamValue>> points;
};

// A block's parameter changes, in either direction: the host's into process() or the plug-in's
// out of it.
class ParameterChanges final : public Steinberg::Vst::IParameterChanges
{
public:
    using Change = std::pair<Steinberg::Vst::ParamID, Steinberg::Vst::ParamValue>;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID interfaceId,
                                                 void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return unknown.countReference(); }
    Steinberg::uint32 PLUGIN_API release() override { return unknown.dropReference(); }

    Steinberg::int32 PLUGIN_API getParameterCount() override;
    Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32 index) override;
    Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID& id,
                                                                  Steinberg::int32& index) override;

    // A change at the start of the block, as a host sends an edit.
    void add(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value);

    // Each parameter with the value it ends the block with, in the order they were added.
    std::vector<Change> lastValues() const;

    // Room for this many parameters with this many points each, so that filling the list, by
    // the host or by the plug-in inside process(), makes no heap call: as a real-time host
    // makes its lists before the block.
    void reserve(size_t numParameters, size_t pointsPerParameter);
    // No parameters, keeping the room: one list for block after block.
    void clear() noexcept { inUse = 0; }

private:
    HostUnknown unknown;
    std::deque<ParameterValueQueue> queues; // a deque: the plug-in holds pointers into it
    size_t inUse = 0;                       // the queues after these are room for later ones
};

} // namespace vst3host
