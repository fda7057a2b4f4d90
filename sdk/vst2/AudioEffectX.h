#pragma once

#include "AudioEffect.h"
#include "HostRecords.h"
#include "SpeakerArrangement.h"

#include <cstdint>

// The extended VST2 plug-in object: opcodes 25 to 79, the extended calls back to the host,
// default answers for every extended query, canDo and the speaker-arrangement operations.
class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX(HostCallback callback, std::int32_t programCount, std::int32_t parameterCount)
        : AudioEffect(callback, programCount, parameterCount)
    {
    }

    std::int64_t dispatcher(std::int32_t opcode, std::int32_t index, std::int64_t value, void* ptr,
                            float opt) override;
    void resume() override;

    virtual bool canParameterBeAutomated(std::int32_t /*index*/) { return true; }
    virtual bool string2parameter(std::int32_t /*index*/, const char* /*text*/) { return false; }
    virtual bool getParameterProperties(std::int32_t /*index*/, VstParameterProperties*)
    {
        return false;
    }
    virtual bool beginEdit(std::int32_t index);
    virtual bool endEdit(std::int32_t index);
    virtual bool getProgramNameIndexed(std::int32_t /*category*/, std::int32_t /*index*/,
                                       char* /*text*/)
    {
        return false;
    }
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual std::int32_t beginLoadBank(VstPatchChunkInfo*) { return 0; }
    virtual std::int32_t beginLoadProgram(VstPatchChunkInfo*) { return 0; }

    virtual bool ioChanged();
    virtual double updateSampleRate();
    virtual std::int32_t updateBlockSize();
    virtual std::int32_t getInputLatency();
    virtual std::int32_t getOutputLatency();
    virtual bool getInputProperties(std::int32_t /*index*/, VstPinProperties*) { return false; }
    virtual bool getOutputProperties(std::int32_t /*index*/, VstPinProperties*) { return false; }
    virtual bool setSpeakerArrangement(const VstSpeakerArrangement* /*input*/,
                                       const VstSpeakerArrangement* /*output*/)
    {
        return false;
    }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** input,
                                       VstSpeakerArrangement** output);
    virtual bool setBypass(bool /*onOff*/) { return false; }
    virtual bool setPanLaw(std::int32_t /*type*/, float /*value*/) { return false; }
    virtual bool setProcessPrecision(std::int32_t /*precision*/) { return false; }
    virtual std::int32_t getNumMidiInputChannels() { return 0; }
    virtual std::int32_t getNumMidiOutputChannels() { return 0; }
    virtual HostTimeInfo* getTimeInfo(std::int32_t filter);
    virtual std::int32_t getCurrentProcessLevel();
    virtual std::int32_t getAutomationState();
    virtual std::int32_t processEvents(VstEvents*) { return 0; }
    virtual std::int32_t startProcess() { return 0; }
    virtual std::int32_t stopProcess() { return 0; }
    virtual bool processVariableIo(VstVariableIo*) { return false; }
    virtual std::int32_t setTotalSampleToProcess(std::int32_t value) { return value; }
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual std::int32_t getHostVendorVersion();
    virtual std::int64_t hostVendorSpecific(std::int32_t arg1, std::int64_t arg2, void* ptr,
                                            float arg3);
    virtual std::int32_t canHostDo(const char* text);
    virtual std::int32_t getHostLanguage();
    virtual void isSynth(bool state) { setFlag(EffectFlags::isSynth, state); }
    virtual void noTail(bool state) { setFlag(EffectFlags::noTail, state); }
    virtual std::int32_t getGetTailSize() { return 0; }
    virtual void* getDirectory();
    virtual bool getEffectName(char* /*name*/) { return false; }
    virtual bool getVendorString(char* /*text*/) { return false; }
    virtual bool getProductString(char* /*text*/) { return false; }
    virtual std::int32_t getVendorVersion() { return 0; }
    virtual std::int64_t vendorSpecific(std::int32_t /*arg1*/, std::int64_t /*arg2*/, void*,
                                        float /*arg3*/)
    {
        return 0;
    }
    // 1 = can, -1 = cannot, 0 = unknown.
    virtual std::int32_t canDo(const char* /*text*/) { return 0; }
    virtual std::int32_t getVstVersion() { return 2400; }
    // 2 = synthesizer, 0 = unknown.
    virtual std::int32_t getPlugCategory();
    virtual std::int32_t getMidiProgramName(std::int32_t /*channel*/, MidiProgramName*)
    {
        return 0;
    }
    virtual std::int32_t getCurrentMidiProgram(std::int32_t /*channel*/, MidiProgramName*)
    {
        return -1;
    }
    virtual std::int32_t getMidiProgramCategory(std::int32_t /*channel*/, MidiProgramCategory*)
    {
        return 0;
    }
    virtual bool hasMidiProgramsChanged(std::int32_t /*channel*/) { return false; }
    virtual bool getMidiKeyName(std::int32_t /*channel*/, MidiKeyName*) { return false; }
    virtual bool updateDisplay();
    virtual bool sizeWindow(std::int32_t width, std::int32_t height);
    virtual bool openFileSelector(VstFileSelect* select);
    virtual bool closeFileSelector(VstFileSelect* select);
    virtual std::int32_t getNextShellPlugin(char* /*name*/) { return 0; }

    virtual bool allocateArrangement(VstSpeakerArrangement** arrangement, std::int32_t channels);
    virtual bool deallocateArrangement(VstSpeakerArrangement** arrangement);
    virtual bool copySpeaker(VstSpeakerProperties* to, const VstSpeakerProperties* from);
    virtual bool matchArrangement(VstSpeakerArrangement** to, const VstSpeakerArrangement* from);

    virtual bool offlineRead(VstOfflineTask* offline, std::int32_t option, bool readSource);
    virtual bool offlineWrite(VstOfflineTask* offline, std::int32_t option);
    virtual bool offlineStart(VstAudioFile* files, std::int32_t numAudioFiles,
                              std::int32_t numNewAudioFiles);
    virtual std::int32_t offlineGetCurrentPass();
    virtual std::int32_t offlineGetCurrentMetaPass();
    virtual bool offlineNotify(VstAudioFile*, std::int32_t /*numAudioFiles*/, bool /*start*/)
    {
        return false;
    }
    virtual bool offlinePrepare(VstOfflineTask*, std::int32_t /*count*/) { return false; }
    virtual bool offlineRun(VstOfflineTask*, std::int32_t /*count*/) { return false; }
    virtual std::int32_t offlineGetNumPasses() { return 0; }
    virtual std::int32_t offlineGetNumMetaPasses() { return 0; }

    virtual void __wantEventsDeprecated(std::int32_t filter);
    virtual std::int32_t __tempoAtDeprecated(std::int32_t position);
    virtual std::int32_t __getNumAutomatableParametersDeprecated();
    virtual std::int32_t __getParameterQuantizationDeprecated();
    virtual std::int32_t __getNumCategoriesDeprecated() { return 1; }
    virtual bool __copyProgramDeprecated(std::int32_t /*destination*/) { return false; }
    virtual bool __needIdleDeprecated();
    virtual AEffect* __getPreviousPlugDeprecated(std::int32_t input);
    virtual AEffect* __getNextPlugDeprecated(std::int32_t output);
    virtual void __inputConnectedDeprecated(std::int32_t /*index*/, bool /*state*/) {}
    virtual void __outputConnectedDeprecated(std::int32_t /*index*/, bool /*state*/) {}
    virtual std::int32_t __willProcessReplacingDeprecated();
    virtual void __wantAsyncOperationDeprecated(bool state)
    {
        setFlag(EffectFlags::wantsAsync, state);
    }
    virtual void __hasExternalBufferDeprecated(bool state)
    {
        setFlag(EffectFlags::hasExternalBuffer, state);
    }
    virtual std::int32_t __reportCurrentPositionDeprecated() { return 0; }
    virtual float* __reportDestinationBufferDeprecated() { return nullptr; }
    virtual void __setOutputSamplerateDeprecated(float rate);
    virtual VstSpeakerArrangement* __getInputSpeakerArrangementDeprecated();
    virtual VstSpeakerArrangement* __getOutputSpeakerArrangementDeprecated();
    virtual void* __openWindowDeprecated(HostWindow* window);
    virtual bool __closeWindowDeprecated(HostWindow* window);
    virtual void __setBlockSizeAndSampleRateDeprecated(std::int32_t newBlockSize,
                                                       float newSampleRate)
    {
        blockSize = newBlockSize;
        sampleRate = newSampleRate;
    }
    virtual bool __getErrorTextDeprecated(char* /*text*/) { return false; }
    virtual void* __getIconDeprecated() { return nullptr; }
    virtual bool __setViewPositionDeprecated(std::int32_t /*x*/, std::int32_t /*y*/)
    {
        return false;
    }
    virtual std::int32_t __fxIdleDeprecated() { return 0; }
    virtual bool __keysRequiredDeprecated() { return false; }
    virtual bool __getChunkFileDeprecated(void* nativePath);

private:
    std::int64_t dispatchEditorKey(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                   float opt);
    bool isPin(std::int32_t index, std::int32_t pinCount) const
    {
        return index >= 0 && index < pinCount;
    }
};
