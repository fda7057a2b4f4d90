#pragma once

#include "AaxPlayHead.h"
#include "LegacyParameters.h"

#include "AAX_CEffectParameters.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The plug-in's data model: the processor behind the host's parameters, chunks and process
// callback. The master bypass and the processor's parameters (identifiers "0" to "9") are the
// host's parameters; the host's updates reach the processor's setParameter, and the processor's
// own changes (from its editor) go to the host as requests. Beside the parameter chunk, the
// chunk 'juce' carries the processor's whole state. The framework's message thread is the
// host's main thread, which creates, initialises and releases the data model.
class AaxEffectParameters final : public AAX_CEffectParameters, private juce::AudioProcessorListener
{
public:
    AaxEffectParameters();
    ~AaxEffectParameters() override;

    // Made for the host's factory procedure; null when it cannot be made.
    static AAX_IEffectParameters* Create();

    juce::AudioProcessor& processor() { return *audioProcessor; }

    AAX_Result Uninitialize() override;
    AAX_Result GetParameterName(AAX_CParamID identifier, AAX_IString* outName) const override;
    AAX_Result GetParameterNameOfLength(AAX_CParamID identifier, AAX_IString* outName,
                                        int32_t maxLength) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                  double* outValue) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                           AAX_IString* outValueString,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID identifier,
                                           double* outValue) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID identifier, double value) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                              AAX_EUpdateSource source) override;
    AAX_Result ResetFieldData(AAX_CFieldIndex fieldIndex, void* data, uint32_t size) override;
    AAX_Result GetNumberOfChunks(int32_t* outNumChunks) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* outChunkID) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* outSize) override;
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_Result TimerWakeup() override;

    // One block from the process callback, on the host's audio thread: the inputs go to the
    // outputs and the processor runs on them in place, under its callback lock, in pieces of at
    // most the prepared block size. Bypassed, the block passes unchanged; an instance that is
    // not ready gives silence.
    void RenderBlock(const float* const* inputs, float* const* outputs, int32_t numSamples,
                     bool bypassed, bool prepared) noexcept;

    // The block size the processor is prepared for; longer blocks are run in pieces.
    static constexpr int maxBlockSize = 1024;

protected:
    AAX_Result EffectInit() override;

private:
    // The processor's index of a host identifier "0" to "9", or -1 for any other.
    int ProcessorIndexOf(AAX_CParamID identifier) const;
    void AddOwnedParameter(std::unique_ptr<AAX_IParameter> parameter);
    // A value for processor parameter index: asked of the host, and set on the processor.
    AAX_Result RequestProcessorValue(int index, double value);
    void PrepareProcessor();
    void RenderPiece(const float* const* inputs, float* const* outputs, int offset, int numSamples,
                     bool bypassed);

    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails& details) override;

    juce::ScopedJuceInitialiser_GUI framework;
    std::unique_ptr<juce::AudioProcessor> audioProcessor;
    LegacyParameters parameters{*audioProcessor};
    AaxPlayHead playHead{*this};
    juce::MidiBuffer noMidi;
    int32_t stateChunkIndex = 0;
    int32_t stateChunkSize = 0;
    int numInputs = 0;
    int numOutputs = 0;
    bool processorPrepared = false;
    bool bypassPacketRegistered = false;
};
