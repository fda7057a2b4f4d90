#pragma once

#include "AudioEffectX.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// A host callback that records every call and answers what the test tells it to. It finds
// itself through the record's user pointer, the field a host keeps for its own use.
class SpyHost
{
public:
    struct Call
    {
        AEffect* effect;
        std::int32_t opcode;
        std::int32_t index;
        std::int64_t value;
        void* ptr;
        float opt;
    };

    static std::int64_t callback(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                 std::int64_t value, void* ptr, float opt)
    {
        auto& spy = *static_cast<SpyHost*>(effect->user);
        spy.calls.push_back({effect, opcode, index, value, ptr, opt});
        const auto answer = spy.answers.find(opcode);
        return answer != spy.answers.end() ? answer->second : 0;
    }

    void attach(AudioEffect& fx) { fx.getAeffect()->user = this; }

    std::vector<Call> calls;
    std::map<std::int32_t, std::int64_t> answers;
};

// The smallest concrete effect: the base behaviour everywhere, and a flag raised on deletion.
class PlainEffect : public AudioEffectX
{
public:
    explicit PlainEffect(HostCallback callback = nullptr, bool* deleted = nullptr)
        : AudioEffectX(callback, 12, 10), deletedFlag(deleted)
    {
    }
    ~PlainEffect() override
    {
        if (deletedFlag != nullptr)
            *deletedFlag = true;
    }

    void processReplacing(float**, float**, std::int32_t) override {}
    void installEditor(std::unique_ptr<AudioEffectEditor> newEditor)
    {
        editor = std::move(newEditor);
    }

private:
    bool* deletedFlag;
};

class MockEditor : public AudioEffectEditor
{
public:
    ~MockEditor() override { destroyed(); }

    MOCK_METHOD(void, destroyed, ());
    MOCK_METHOD(bool, getRect, (EditorRect**), (override));
    MOCK_METHOD(bool, open, (void*), (override));
    MOCK_METHOD(void, close, (), (override));
    MOCK_METHOD(void, idle, (), (override));
    MOCK_METHOD(bool, onKeyDown, (const EditorKey&), (override));
    MOCK_METHOD(bool, onKeyUp, (const EditorKey&), (override));
    MOCK_METHOD(bool, setKnobMode, (std::int32_t), (override));
};

// Every virtual operation a dispatcher or an entry can reach, mocked: under StrictMock a call
// the test did not expect fails it.
class MockEffect : public AudioEffectX
{
public:
    static constexpr std::int32_t programCount = 12;
    static constexpr std::int32_t parameterCount = 10;

    explicit MockEffect(HostCallback callback = nullptr)
        : AudioEffectX(callback, programCount, parameterCount)
    {
    }

    void installEditor(std::unique_ptr<AudioEffectEditor> newEditor)
    {
        editor = std::move(newEditor);
    }

    MOCK_METHOD(void, open, (), (override));
    MOCK_METHOD(void, close, (), (override));
    MOCK_METHOD(void, suspend, (), (override));
    MOCK_METHOD(void, resume, (), (override));
    MOCK_METHOD(void, setSampleRate, (float), (override));
    MOCK_METHOD(void, setBlockSize, (std::int32_t), (override));
    MOCK_METHOD(void, processReplacing, (float**, float**, std::int32_t), (override));
    MOCK_METHOD(void, processDoubleReplacing, (double**, double**, std::int32_t), (override));
    MOCK_METHOD(void, __processDeprecated, (float**, float**, std::int32_t), (override));
    MOCK_METHOD(void, setParameter, (std::int32_t, float), (override));
    MOCK_METHOD(float, getParameter, (std::int32_t), (override));
    MOCK_METHOD(std::int32_t, getProgram, (), (override));
    MOCK_METHOD(void, setProgram, (std::int32_t), (override));
    MOCK_METHOD(void, setProgramName, (const char*), (override));
    MOCK_METHOD(void, getProgramName, (char*), (override));
    MOCK_METHOD(void, getParameterLabel, (std::int32_t, char*), (override));
    MOCK_METHOD(void, getParameterDisplay, (std::int32_t, char*), (override));
    MOCK_METHOD(void, getParameterName, (std::int32_t, char*), (override));
    MOCK_METHOD(std::int32_t, getChunk, (void**, bool), (override));
    MOCK_METHOD(std::int32_t, setChunk, (void*, std::int32_t, bool), (override));

    MOCK_METHOD(std::int32_t, processEvents, (VstEvents*), (override));
    MOCK_METHOD(bool, canParameterBeAutomated, (std::int32_t), (override));
    MOCK_METHOD(bool, string2parameter, (std::int32_t, const char*), (override));
    MOCK_METHOD(bool, getProgramNameIndexed, (std::int32_t, std::int32_t, char*), (override));
    MOCK_METHOD(bool, getInputProperties, (std::int32_t, VstPinProperties*), (override));
    MOCK_METHOD(bool, getOutputProperties, (std::int32_t, VstPinProperties*), (override));
    MOCK_METHOD(std::int32_t, getPlugCategory, (), (override));
    MOCK_METHOD(bool, offlineNotify, (VstAudioFile*, std::int32_t, bool), (override));
    MOCK_METHOD(bool, offlinePrepare, (VstOfflineTask*, std::int32_t), (override));
    MOCK_METHOD(bool, offlineRun, (VstOfflineTask*, std::int32_t), (override));
    MOCK_METHOD(bool, processVariableIo, (VstVariableIo*), (override));
    MOCK_METHOD(bool, setSpeakerArrangement,
                (const VstSpeakerArrangement*, const VstSpeakerArrangement*), (override));
    MOCK_METHOD(bool, setBypass, (bool), (override));
    MOCK_METHOD(bool, getEffectName, (char*), (override));
    MOCK_METHOD(bool, getVendorString, (char*), (override));
    MOCK_METHOD(bool, getProductString, (char*), (override));
    MOCK_METHOD(std::int32_t, getVendorVersion, (), (override));
    MOCK_METHOD(std::int64_t, vendorSpecific, (std::int32_t, std::int64_t, void*, float),
                (override));
    MOCK_METHOD(std::int32_t, canDo, (const char*), (override));
    MOCK_METHOD(std::int32_t, getGetTailSize, (), (override));
    MOCK_METHOD(bool, getParameterProperties, (std::int32_t, VstParameterProperties*), (override));
    MOCK_METHOD(std::int32_t, getVstVersion, (), (override));
    MOCK_METHOD(std::int32_t, getMidiProgramName, (std::int32_t, MidiProgramName*), (override));
    MOCK_METHOD(std::int32_t, getCurrentMidiProgram, (std::int32_t, MidiProgramName*), (override));
    MOCK_METHOD(std::int32_t, getMidiProgramCategory, (std::int32_t, MidiProgramCategory*),
                (override));
    MOCK_METHOD(bool, hasMidiProgramsChanged, (std::int32_t), (override));
    MOCK_METHOD(bool, getMidiKeyName, (std::int32_t, MidiKeyName*), (override));
    MOCK_METHOD(bool, beginSetProgram, (), (override));
    MOCK_METHOD(bool, endSetProgram, (), (override));
    MOCK_METHOD(bool, getSpeakerArrangement, (VstSpeakerArrangement**, VstSpeakerArrangement**),
                (override));
    MOCK_METHOD(std::int32_t, getNextShellPlugin, (char*), (override));
    MOCK_METHOD(std::int32_t, startProcess, (), (override));
    MOCK_METHOD(std::int32_t, stopProcess, (), (override));
    MOCK_METHOD(std::int32_t, setTotalSampleToProcess, (std::int32_t), (override));
    MOCK_METHOD(bool, setPanLaw, (std::int32_t, float), (override));
    MOCK_METHOD(std::int32_t, beginLoadBank, (VstPatchChunkInfo*), (override));
    MOCK_METHOD(std::int32_t, beginLoadProgram, (VstPatchChunkInfo*), (override));
    MOCK_METHOD(bool, setProcessPrecision, (std::int32_t), (override));
    MOCK_METHOD(std::int32_t, getNumMidiInputChannels, (), (override));
    MOCK_METHOD(std::int32_t, getNumMidiOutputChannels, (), (override));
};

// Sends one opcode through the record's dispatcher entry, as a host does.
inline std::int64_t dispatch(AudioEffect& fx, std::int32_t opcode, std::int32_t index = 0,
                             std::int64_t value = 0, void* ptr = nullptr, float opt = 0.0f)
{
    AEffect* record = fx.getAeffect();
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
