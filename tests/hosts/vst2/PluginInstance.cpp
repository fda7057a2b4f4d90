#include "PluginInstance.h"

#include <Opcodes.h>

#include <algorithm>

PluginInstance::PluginInstance(const PluginModule& module, RecordingHost& host)
{
    if (!module.isLoaded())
        return;

    RecordingHost::creatingHost = &host;
    record = module.getEntry()(&RecordingHost::callback);
    RecordingHost::creatingHost = nullptr;

    if (record != nullptr)
        record->user = &host;
}

PluginInstance::~PluginInstance()
{
    close();
}

std::int64_t PluginInstance::dispatch(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                      void* ptr, float opt)
{
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}

void PluginInstance::setParameter(std::int32_t index, float value)
{
    record->setParameter(record, index, value);
}

float PluginInstance::getParameter(std::int32_t index)
{
    return record->getParameter(record, index);
}

PluginInstance::Text PluginInstance::queryText(std::int32_t opcode, std::int32_t index,
                                               std::int64_t value)
{
    constexpr char untouched = '\x7f';
    std::vector<char> buffer(512, untouched);
    const auto result = dispatch(opcode, index, value, buffer.data());

    const auto lastWritten =
        std::find_if(buffer.rbegin(), buffer.rend(), [](char c) { return c != untouched; });
    const auto written = static_cast<std::size_t>(buffer.rend() - lastWritten);
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return {result, std::string(buffer.begin(), end), written};
}

void PluginInstance::prepare(float sampleRate, std::int32_t blockSize)
{
    dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(EffectOpcode::setBlockSize, 0, blockSize);
    dispatch(EffectOpcode::suspendResume, 0, 1);
}

void PluginInstance::suspend()
{
    dispatch(EffectOpcode::suspendResume, 0, 0);
}

Channels PluginInstance::process(const Channels& inputs, bool inPlace)
{
    const auto frames = inputs.empty() ? 0 : inputs.front().size();
    Channels in = inputs;
    in.resize(static_cast<std::size_t>(std::max(record->numInputs, 0)),
              std::vector<float>(frames, 0.0f));
    Channels out(static_cast<std::size_t>(std::max(record->numOutputs, 0)),
                 std::vector<float>(frames, 0.0f));

    std::vector<float*> inPointers, outPointers;
    for (auto& channel : in)
        inPointers.push_back(channel.data());
    for (std::size_t channel = 0; channel < out.size(); ++channel)
        outPointers.push_back(inPlace && channel < in.size() ? in[channel].data()
                                                             : out[channel].data());

    record->processReplacing(record, inPointers.data(), outPointers.data(),
                             static_cast<std::int32_t>(frames));

    if (inPlace)
        for (std::size_t channel = 0; channel < out.size() && channel < in.size(); ++channel)
            out[channel] = in[channel];
    return out;
}

std::vector<char> PluginInstance::getChunk(bool programOnly)
{
    void* data = nullptr;
    const auto size = dispatch(EffectOpcode::getChunk, programOnly ? 1 : 0, 0, &data);

    if (size <= 0 || data == nullptr)
        return {};

    const auto* bytes = static_cast<const char*>(data);
    return std::vector<char>(bytes, bytes + size);
}

std::int64_t PluginInstance::setChunk(std::vector<char> chunk, bool programOnly)
{
    return dispatch(EffectOpcode::setChunk, programOnly ? 1 : 0,
                    static_cast<std::int64_t>(chunk.size()), chunk.data());
}

std::int64_t PluginInstance::close()
{
    if (record == nullptr)
        return 0;

    const auto result = dispatch(EffectOpcode::close);
    record = nullptr;
    return result;
}
