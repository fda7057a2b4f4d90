#pragma once

#include "PluginModule.h"
#include "RecordingHost.h"

#include <cstdint>
#include <string>
#include <vector>

// Planar audio, one vector per channel.
using Channels = std::vector<std::vector<float>>;

// One instance of a loaded plug-in, driven only through its record's dispatcher and process
// pointers, as a host drives it.
class PluginInstance
{
public:
    PluginInstance(const PluginModule& module, RecordingHost& host);
    ~PluginInstance();

    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    bool isValid() const { return record != nullptr; }
    AEffect& getRecord() const { return *record; }

    std::int64_t dispatch(std::int32_t opcode, std::int32_t index = 0, std::int64_t value = 0,
                          void* ptr = nullptr, float opt = 0.0f);
    void setParameter(std::int32_t index, float value);
    float getParameter(std::int32_t index);

    // A text opcode answered into a large buffer; `written` is how many bytes it touched.
    struct Text
    {
        std::int64_t result;
        std::string text;
        std::size_t written;
    };
    Text queryText(std::int32_t opcode, std::int32_t index = 0, std::int64_t value = 0);

    // Opcodes 10, 11 and 12 (on) as a host does before processing.
    void prepare(float sampleRate, std::int32_t blockSize);
    void suspend();

    // processReplacing on separate output buffers; with inPlace the inputs are overwritten.
    Channels process(const Channels& inputs, bool inPlace = false);

    // The chunk as the host copies it (opcode 23), and restoring one (opcode 24).
    std::vector<char> getChunk(bool programOnly);
    std::int64_t setChunk(std::vector<char> chunk, bool programOnly);

    // Opcode 1: the record is gone afterwards. Answers what the dispatcher entry answered.
    std::int64_t close();

private:
    AEffect* record = nullptr;
};
