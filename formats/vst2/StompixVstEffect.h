#pragma once

#include "HostPlayHead.h"
#include "HostRecordLayouts.h"
#include "PluginRuntime.h"

#include <AudioEffectX.h>

#include <atomic>
#include <memory>
#include <optional>

namespace juce
{
class HostDrivenEventLoop;
}

// The VST2 plug-in object: the base classes' record and opcodes on one side, the processor on
// the other. Host automation, programs, chunks, audio and the editor all go to the processor;
// its parameter changes and gestures go back to the host.
//
// The PluginRuntime base comes first so that the framework and the processor exist before the
// record is set up from the processor's counts, and go last.
class StompixVstEffect final : private PluginRuntime,
                               public AudioEffectX,
                               private juce::AudioProcessorListener,
                               private juce::AsyncUpdater
{
public:
    static constexpr std::int32_t uniqueId = 0x567A7237; // 'Vzr7'
    static constexpr std::int32_t vendorVersion = 101;

    explicit StompixVstEffect(HostCallback callback);
    ~StompixVstEffect() override;

    std::int64_t dispatcher(std::int32_t opcode, std::int32_t index, std::int64_t value, void* ptr,
                            float opt) override;

    void close() override;
    void suspend() override;
    void resume() override;
    void processReplacing(float** inputs, float** outputs, std::int32_t frames) override;
    void processDoubleReplacing(double** inputs, double** outputs, std::int32_t frames) override;

    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterLabel(std::int32_t index, char* label) override;
    void getParameterDisplay(std::int32_t index, char* text) override;
    void getParameterName(std::int32_t index, char* text) override;
    bool canParameterBeAutomated(std::int32_t index) override;
    bool string2parameter(std::int32_t index, const char* text) override;

    std::int32_t getProgram() override;
    void setProgram(std::int32_t program) override;
    void setProgramName(const char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(std::int32_t category, std::int32_t index, char* text) override;

    std::int32_t getChunk(void** data, bool isPreset) override;
    std::int32_t setChunk(void* data, std::int32_t byteSize, bool isPreset) override;

    bool getInputProperties(std::int32_t index, VstPinProperties* properties) override;
    bool getOutputProperties(std::int32_t index, VstPinProperties* properties) override;
    bool setSpeakerArrangement(const VstSpeakerArrangement* input,
                               const VstSpeakerArrangement* output) override;
    bool getSpeakerArrangement(VstSpeakerArrangement** input,
                               VstSpeakerArrangement** output) override;
    bool setBypass(bool onOff) override;
    bool setProcessPrecision(std::int32_t precision) override;
    std::int32_t getGetTailSize() override;

    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    std::int32_t getVendorVersion() override;
    std::int32_t canDo(const char* text) override;
    std::int32_t getPlugCategory() override;

private:
    // An arrangement of up to two speakers, held by value for opcode 69.
    struct Arrangement
    {
        VstSpeakerArrangement header;
        VstSpeakerProperties speakers[2];
    };

    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails& details) override;
    void audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index) override;
    void handleAsyncUpdate() override;

    void updateChannelCounts();
    bool fillPin(std::int32_t index, bool isInput, VstPinProperties* properties);

    std::int64_t dispatchEditor(std::int32_t opcode, void* ptr);
    bool getEditorRect(EditorRect** rect);
    bool openEditor(void* parentWindow);
    void closeEditor();
    void idleEditor();
    void createEditorIfNeeded();
    void deleteEditor();

    StompixZR7714AudioProcessor& processor;
    HostPlayHead playHead;
    juce::MidiBuffer midiMessages;
    juce::MemoryBlock chunk;
    Arrangement inputArrangement{};
    Arrangement outputArrangement{};
    std::atomic<bool> isProcessing{false};
    std::atomic<bool> isBypassed{false};

    std::unique_ptr<juce::AudioProcessorEditor> editorComponent;
    std::optional<juce::SharedResourcePointer<juce::HostDrivenEventLoop>> hostEventLoop;
    EditorRect editorRect{};
};
