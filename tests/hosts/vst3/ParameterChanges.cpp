#include "ParameterChanges.h"

namespace vst3host
{

ParameterValueQueue::ParameterValueQueue(Steinberg::Vst::ParamID id) : parameterId(id) {}

Steinberg::tresult PLUGIN_API ParameterValueQueue::queryInterface(const Steinberg::TUID interfaceId,
                                                                  void** obj)
{
    return unknown.answerQuery(
        interfaceId, obj,
        {{Steinberg::FUnknown_iid, static_cast<Steinberg::FUnknown*>(this)},
         {Steinberg::Vst::IParamValueQueue_iid, static_cast<IParamValueQueue*>(this)}});
}

Steinberg::int32 PLUGIN_API ParameterValueQueue::getPointCount()
{
    return (Steinberg::int32)points.size();
}

Steinberg::tresult PLUGIN_API ParameterValueQueue::getPoint(Steinberg::int32 index,
                                                            Steinberg::int32& sampleOffset,
                                                            Steinberg::Vst::ParamValue& value)
{
    if (index < 0 || (size_t)index >= points.size())
        return Steinberg::kInvalidArgument;

    sampleOffset = points[(size_t)index].first;
    value = points[(size_t)index].second;
    return Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API ParameterValueQueue::addPoint(Steinberg::int32 sampleOffset,
                                                            Steinberg::Vst::ParamValue value,
                                                            Steinberg::int32& index)
{
    index = (Steinberg::int32)points.size();
    points.emplace_back(sampleOffset, value);
    return Steinberg::kResultTrue;
}

Steinberg::Vst::ParamValue ParameterValueQueue::lastValue() const
{
    return points.empty() ? 0.0 : points.back().second;
}

//==============================================================================
Steinberg::tresult PLUGIN_API ParameterChanges::queryInterface(const Steinberg::TUID interfaceId,
                                                               void** obj)
{
    return unknown.answerQuery(
        interfaceId, obj,
        {{Steinberg::FUnknown_iid, static_cast<Steinberg::FUnknown*>(this)},
         {Steinberg::Vst::IParameterChanges_iid, static_cast<IParameterChanges*>(this)}});
}

Steinberg::int32 PLUGIN_API ParameterChanges::getParameterCount()
{
    return (Steinberg::int32)queues.size();
}

Steinberg::Vst::IParamValueQueue* PLUGIN_API
ParameterChanges::getParameterData(Steinberg::int32 index)
{
    if (index < 0 || (size_t)index >= queues.size())
        return nullptr;

    return &queues[(size_t)index];
}

Steinberg::Vst::IParamValueQueue* PLUGIN_API
ParameterChanges::addParameterData(const Steinberg::Vst::ParamID& id, Steinberg::int32& index)
{
    for (size_t i = 0; i < queues.size(); ++i)
    {
        if (queues[i].id() == id)
        {
            index = (Steinberg::int32)i;
            return &queues[i];
        }
    }

    index = (Steinberg::int32)queues.size();
    return &queues.emplace_back(id);
}

void ParameterChanges::add(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value)
{
    Steinberg::int32 index = 0;

    if (auto* queue = addParameterData(id, index))
        queue->addPoint(0, value, index);
}

std::vector<ParameterChanges::Change> ParameterChanges::lastValues() const
{
    std::vector<Change> changes;

    for (const auto& queue : queues)
        changes.emplace_back(queue.id(), queue.lastValue());

    return changes;
}

} // namespace vst3host
