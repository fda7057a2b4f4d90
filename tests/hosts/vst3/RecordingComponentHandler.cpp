#include "RecordingComponentHandler.h"

namespace vst3host
{

Steinberg::tresult PLUGIN_API
RecordingComponentHandler::queryInterface(const Steinberg::TUID interfaceId, void** obj)
{
    return unknown.answerQuery(
        interfaceId, obj,
        {{Steinberg::FUnknown_iid, static_cast<Steinberg::FUnknown*>(this)},
         {Steinberg::Vst::IComponentHandler_iid, static_cast<IComponentHandler*>(this)}});
}

Steinberg::tresult PLUGIN_API RecordingComponentHandler::beginEdit(Steinberg::Vst::ParamID)
{
    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API
RecordingComponentHandler::performEdit(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value)
{
    const std::lock_guard<std::mutex> guard(lock);
    edits.emplace_back(id, value);
    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API RecordingComponentHandler::endEdit(Steinberg::Vst::ParamID)
{
    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API RecordingComponentHandler::restartComponent(Steinberg::int32 flags)
{
    const std::lock_guard<std::mutex> guard(lock);
    restarts.push_back(flags);
    return Steinberg::kResultOk;
}

std::vector<RecordingComponentHandler::Edit> RecordingComponentHandler::getEdits() const
{
    const std::lock_guard<std::mutex> guard(lock);
    return edits;
}

std::vector<Steinberg::int32> RecordingComponentHandler::getRestarts() const
{
    const std::lock_guard<std::mutex> guard(lock);
    return restarts;
}

} // namespace vst3host
