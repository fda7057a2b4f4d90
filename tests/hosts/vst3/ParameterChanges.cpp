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

void ParameterValueQueue::reuseFor(Steinberg::Vst::ParamID id)
{
    parameterId = id;
    points.clear();
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
    return (Steinberg::int32)inUse;
}

Steinberg::Vst::IParamValueQueue* PLUGIN_API
ParameterChanges::getParameterData(Steinberg::int32 index)
{
    if (index < 0 || (size_t)index >= inUse)
        return nullptr;

    return &queues[(size_t)index];
}

Steinberg::Vst::IParamValueQueue* PLUGIN_API
ParameterChanges::addParameterData(const Steinberg::Vst::ParamID& id, Steinberg::int32& index)
{
    for (size_t i = 0; i < inUse; ++i)
    {
        if (queues[i].id() == id)
        {
            index = (Steinberg::int32)i;
            return &queues[i];
        }
    }

    if (inUse == queues.size())
        queues.emplace_back(id);
    else
        queues[inUse].reuseFor(id);

    index = (Steinberg::int32)inUse;
    return &queues[inUse++];
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

    for (size_t i = 0; i < inUse; ++i)
        changes.emplace_back(queues[i].id(), queues[i].lastValue());

    return changes;
}

void ParameterChanges::reserve(size_t numParameters, size_t pointsPerParameter)
{
    while (queues.size() < numParameters)
        queues.emplace_back(Steinberg::Vst::kNoParamId);

    for (auto& queue : queues)
        queue.reserve(pointsPerParameter);
}

} // namespace vst3host
