#pragma once

#include "ParameterId.h"
#include "Phaser100.h"
#include "Phaser45.h"
#include "Phaser90.h"
#include "ProgramSlot.h"
#include "RelaxedAtomic.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// The plug-in: ten parameters, twelve programs with A/B channels, the three phaser models with
// model and bypass crossfades, and the state and preset XML.
//
// The index-based parameter interface is the framework's legacy one on purpose: hosts address
// the parameters by their index (a VST3 host sees IDs 0 to 9), and those IDs may never change.
class StompixZR7714AudioProcessor final : public juce::AudioProcessor
{
public:
    static constexpr int numPrograms = 12;
    static constexpr int numModels = 3;
    static constexpr int noModel = -1;
    static constexpr int minScratchLength = 16384;
    // The scratch arrays' ceiling (22 s at 48 kHz): a host's block size beyond it, which no host
    // could fill, must not claim gigabytes. Longer blocks go through in pieces.
    static constexpr int maxScratchLength = 1 << 20;
    // A run of phaserType writes switches the model once, this long (in audio) after the last.
    static constexpr double modelSwitchDebounceSeconds = 0.05;

    StompixZR7714AudioProcessor();
    ~StompixZR7714AudioProcessor() override;

    //==============================================================================
    // Identity and host queries
    const juce::String getName() const override;
    bool silenceInProducesSilenceOut() const override;
    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;
    const juce::String getInputChannelName(int channelIndex) const override;
    const juce::String getOutputChannelName(int channelIndex) const override;
    bool isInputChannelStereoPair(int index) const override;
    bool isOutputChannelStereoPair(int index) const override;
    bool isBusesLayoutSupported(const BusesLayout& layouts) const override;

    //==============================================================================
    // Audio
    void prepareToPlay(double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midiMessages) override;
    using juce::AudioProcessor::processBlock;

    // A host's bypass passes the block as the effect switched off does: the inputs on their
    // outputs, a single input on both. (The framework's own version silences the second output.)
    void processBlockBypassed(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlockBypassed;

    // ceil(2 × value) as a model number 0 to 2, or noModel for anything else (NaN included).
    static int modelNumberFor(float phaserType) noexcept;

    // The crossfade length in samples for a sample rate: 1024, 2048, 4096 or 8192. The rate is
    // compared as a double here; the models' own fades compare it as a float, which differs
    // only within a float's rounding of the band edges.
    static int crossfadeLengthFor(double sampleRate) noexcept;

    // The model-switch debounce in samples at a sample rate (at least 1).
    static int debounceLengthFor(double sampleRate) noexcept;

    //==============================================================================
    // Parameters and programs
    int getNumParameters() override;
    const juce::String getParameterName(int index) override;
    float getParameter(int index) override;
    const juce::String getParameterText(int index) override;
    float getParameterDefaultValue(int index) override;
    void setParameter(int index, float value) override;
    using juce::AudioProcessor::getParameterName;
    using juce::AudioProcessor::getParameterText;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram(int index) override;
    const juce::String getProgramName(int index) override;
    void changeProgramName(int index, const juce::String& newName) override;

    // Every slot and the live values to the defaults, channel A active, program 0 current.
    void initDefaultPreset();

    // The live value of a parameter as the audio path reads it (0 for an index outside 0..9).
    float getCurrentValue(int index) const noexcept;

    // How many writes of phaserType the model-switch debounce has been given so far.
    juce::uint32 getPhaserTypeWrites() const noexcept
    {
        return phaserTypeWrites.load(std::memory_order_relaxed);
    }

    // How many times a program's stored values have become the live ones: a host's program
    // change, a state or program-chunk restore. A question the editor asks about the settings in
    // use belongs to the load it was asked after.
    juce::uint32 getProgramLoads() const noexcept
    {
        return programLoads.load(std::memory_order_acquire);
    }

    // The slot in use; the editor switches its channel, copies channels and sets preset paths.
    ProgramSlot& getCurrentProgramSlot() noexcept { return programSlots[(size_t)currentProgram]; }
    const ProgramSlot& getProgramSlot(int index) const noexcept;

    // The user's preset folder: Music/Audio Music Apps/Velmor/Presets/StompixZR7714.
    static juce::File getPresetFolder();

    //==============================================================================
    // State and presets
    void getStateInformation(juce::MemoryBlock& destData) override;
    void getCurrentProgramStateInformation(juce::MemoryBlock& destData) override;
    void setStateInformation(const void* data, int sizeInBytes) override;
    void setCurrentProgramStateInformation(const void* data, int sizeInBytes) override;

    // The whole state (false) or the preset-file document of the active channel (true).
    juce::XmlElement writePreset(bool presetFile) const;
    juce::XmlElement writeCurrentProgram() const;

    // 0: no document or not a preset; 1: preset applied; 2: another product's preset; 4: preset
    // applied, written by a newer version; 5: whole state read (or ignored: another root tag).
    int readPreset(std::unique_ptr<juce::XmlElement> document, bool presetFile);
    bool readCurrentProgram(std::unique_ptr<juce::XmlElement> document);

    // Applies a chain of "Value" elements to the live parameters, notifying the host.
    void readPresetElement(const juce::XmlElement* firstValue);

    // Stores a chain of "Value" elements into one slot and channel, silently.
    void storePresetElement(const juce::XmlElement* firstValue, int program, int channel);

    // True when the preset document's values differ from the current ones; phaserType and
    // rateSync differ only when they play another step than the one stored.
    bool comparePreset(std::unique_ptr<juce::XmlElement> document);

    //==============================================================================
    // Raised by the processor (and the editor), cleared by the editor's timer.
    std::atomic<std::uint8_t> presetLoaded{0};
    std::atomic<std::uint8_t> parametersChanged{0};
    std::atomic<std::uint8_t> activeChannelChanged{0};

private:
    struct BlockChannels
    {
        float* left = nullptr;
        float* right = nullptr; // null for a mono block
        int numInputs = 0;
        int numOutputs = 0;
    };

    ModuleModel* getModel(int modelNumber) noexcept;
    template <typename Function> void forEachModel(Function&& function);

    // Once after each state restore, and after a program change off the framework's message
    // thread, from the first block the VST3 wrapper runs: the live values to the host (see
    // ProcessorParameters.cpp).
    void announceLiveValues();

    void forceCalcParams();
    void takeUpPhaserTypeWrites() noexcept;
    int nextSegmentLength(int remaining, int maxPiece) const noexcept;
    void advanceModelSwitch(int numSamples);
    bool startDueModelSwitch();
    int samplesUntilDry() const noexcept;
    bool modelsAreSilent() const noexcept;
    bool passesThrough(float onBypass) const noexcept;
    void processPiece(const BlockChannels& channels, int offset, int numSamples);
    void passThrough(juce::AudioBuffer<float>& buffer) const;
    bool readHostTempo(float& tempo);
    void sendTempo();
    void sendChangedParameters(ModuleModel* selected);
    static void runModel(ModuleModel* model, float* left, float* right, int numSamples);
    void crossfadeModels(float* left, float* right, int numSamples, int newModel);
    void applyBypassFade(float* left, float* right, int numSamples);

    void addChannelElements(juce::XmlElement& parent, const ProgramSlot& slot) const;
    void addValueElements(juce::XmlElement& parent, const ProgramSlot::Values& values) const;
    void readWholeState(const juce::XmlElement& root);
    int readChannels(const juce::XmlElement& parent, int program);

    //==============================================================================
    // Changed on the message thread, read by a host's automation on the audio thread too.
    RelaxedAtomic<int> currentProgram{0};
    std::array<ProgramSlot, numPrograms> programSlots;
    std::array<std::atomic<float>, kNumParameters> currentValues{};
    std::atomic<bool> liveValuesUnannounced{false};

    float lastBpm;
    double positionBpm = 120.0; // the host's tempo as last read from its play head
    Phaser45 phaser45;
    Phaser90 phaser90;
    Phaser100 phaser100;
    bool effectOn = true;
    std::vector<float> dryLeft, dryRight;
    juce::int16 bypassCounter = 1024;
    juce::int16 fadeLength = 1024;
    float bypassStep = 0.0f;
    float bypassGain = 1.0f;
    float bypassTarget = 1.0f;
    std::vector<float> switchLeft, switchRight;
    int playingModel = 0;
    int selectedModel = 0;
    bool switchPending = false;
    float oldModelGain = 1.0f;
    float oldModelStep = 0.0f;
    // The model-switch debounce, counted in processed samples so that a switch lands on the same
    // sample in every render, in real time or offline. phaserType writes, from any thread, count
    // up; the audio thread restarts the countdown when it sees the count move.
    static constexpr int noSwitchDue = -1;
    std::atomic<juce::uint32> phaserTypeWrites{0};
    std::atomic<juce::uint32> programLoads{0};
    juce::uint32 phaserTypeWritesSeen = 0;
    int debounceLength = 2205;
    int switchCountdown = noSwitchDue; // samples until the switch is due; 0: due now
    std::array<float, 6> sentValues{};
    bool sentStereoOn = false;
    bool sentSyncOn = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(StompixZR7714AudioProcessor)
};
