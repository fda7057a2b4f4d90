#pragma once

#include "AEffect.h"
#include "AudioEffectEditor.h"

#include <cstdint>
#include <memory>

// Root of a VST2 plug-in object. It owns the AEffect record the host calls through, turns the
// host's opcodes 0 to 24 into virtual calls, and makes the basic calls back to the host.
// A subclass overrides the virtual operations. The host ends the object with opcode 1, which
// deletes it: create it with new.
class AudioEffect
{
public:
    AudioEffect(HostCallback callback, std::int32_t programCount, std::int32_t parameterCount);
    virtual ~AudioEffect();

    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    // The entries stored in the record; each finds its object through the record.
    static std::int64_t dispatchEffectClass(AEffect* effect, std::int32_t opcode,
                                            std::int32_t index, std::int64_t value, void* ptr,
                                            float opt);
    static float getParameterClass(AEffect* effect, std::int32_t index);
    static void setParameterClass(AEffect* effect, std::int32_t index, float value);
    static void __processClassDeprecated(AEffect* effect, float** inputs, float** outputs,
                                         std::int32_t frames);
    static void processClassReplacing(AEffect* effect, float** inputs, float** outputs,
                                      std::int32_t frames);
    static void processClassDoubleReplacing(AEffect* effect, double** inputs, double** outputs,
                                            std::int32_t frames);

    virtual std::int64_t dispatcher(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                    void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    virtual void setSampleRate(float newSampleRate) { sampleRate = newSampleRate; }
    virtual void setBlockSize(std::int32_t newBlockSize) { blockSize = newBlockSize; }

    virtual void processReplacing(float** inputs, float** outputs, std::int32_t frames) = 0;
    virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/,
                                        std::int32_t /*frames*/)
    {
    }

    virtual void setParameter(std::int32_t /*index*/, float /*value*/) {}
    virtual float getParameter(std::int32_t /*index*/) { return 0.0f; }
    virtual void setParameterAutomated(std::int32_t index, float value);

    virtual std::int32_t getProgram() { return curProgram; }
    virtual void setProgram(std::int32_t program) { curProgram = program; }
    virtual void setProgramName(const char* /*name*/) {}
    virtual void getProgramName(char* name);

    virtual void getParameterLabel(std::int32_t index, char* label);
    virtual void getParameterDisplay(std::int32_t index, char* text);
    virtual void getParameterName(std::int32_t index, char* text);

    virtual std::int32_t getChunk(void** /*data*/, bool /*isPreset*/) { return 0; }
    virtual std::int32_t setChunk(void* /*data*/, std::int32_t /*byteSize*/, bool /*isPreset*/)
    {
        return 0;
    }

    virtual void setUniqueID(std::int32_t id) { effect.uniqueID = id; }
    virtual void setNumInputs(std::int32_t inputs) { effect.numInputs = inputs; }
    virtual void setNumOutputs(std::int32_t outputs) { effect.numOutputs = outputs; }
    virtual void canProcessReplacing(bool state) { setFlag(EffectFlags::canReplacing, state); }
    virtual void canDoubleReplacing(bool state) { setFlag(EffectFlags::canDoubleReplacing, state); }
    virtual void programsAreChunks(bool state) { setFlag(EffectFlags::programChunks, state); }
    virtual void setInitialDelay(std::int32_t delay) { effect.initialDelay = delay; }

    virtual AudioEffectEditor* getEditor() { return editor.get(); }
    virtual AEffect* getAeffect() { return &effect; }
    virtual float getSampleRate() { return sampleRate; }
    virtual std::int32_t getBlockSize() { return blockSize; }

    virtual std::int32_t getMasterVersion();
    virtual std::int32_t getCurrentUniqueId();
    virtual void masterIdle();

    virtual void dB2string(float value, char* text, std::int32_t maxLen);
    virtual void Hz2string(float samples, char* text, std::int32_t maxLen);
    virtual void ms2string(float samples, char* text, std::int32_t maxLen);
    virtual void float2string(float value, char* text, std::int32_t maxLen);
    virtual void int2string(std::int32_t value, char* text, std::int32_t maxLen);

    virtual void __processDeprecated(float** /*inputs*/, float** /*outputs*/,
                                     std::int32_t /*frames*/)
    {
    }
    virtual float __getVuDeprecated() { return 0.0f; }
    virtual void __hasVuDeprecated(bool state) { setFlag(EffectFlags::hasVu, state); }
    virtual void __hasClipDeprecated(bool state) { setFlag(EffectFlags::hasClip, state); }
    virtual void __canMonoDeprecated(bool state) { setFlag(EffectFlags::canMono, state); }
    virtual void __setRealtimeQualitiesDeprecated(std::int32_t qualities)
    {
        effect.realtimeQualities = qualities;
    }
    virtual void __setOfflineQualitiesDeprecated(std::int32_t qualities)
    {
        effect.offlineQualities = qualities;
    }
    virtual bool __isInputConnectedDeprecated(std::int32_t input);
    virtual bool __isOutputConnectedDeprecated(std::int32_t output);

protected:
    // One call back to the host; 0 when there is no host callback.
    std::int64_t callHost(std::int32_t opcode, std::int32_t index = 0, std::int64_t value = 0,
                          void* ptr = nullptr, float opt = 0.0f);

    void setFlag(std::int32_t bit, bool state);
    bool isParameterIndex(std::int32_t index) const { return index >= 0 && index < numParams; }
    bool isProgramIndex(std::int64_t index) const { return index >= 0 && index < numPrograms; }

    HostCallback hostCallback;
    std::unique_ptr<AudioEffectEditor> editor;
    float sampleRate = 44100.0f;
    std::int32_t blockSize = 1024;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t curProgram = 0;
    AEffect effect;

private:
    static AudioEffect* objectOf(AEffect* record);
    std::int64_t dispatchParameterText(std::int32_t opcode, std::int32_t index, char* text);
    std::int64_t dispatchGetChunk(std::int32_t index, void* address);
    std::int64_t dispatchSetChunk(std::int32_t index, std::int64_t byteSize, void* data);
};
