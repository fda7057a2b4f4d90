#include "AaxEffectParameters.h"

#include "AaxContext.h"
#include "AaxIdentity.h"
#include "AaxMessageLoop.h"
#include "AaxProcessorFactory.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_GuardedCall.h"
#include "AAX_IController.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// Orientation flags the host shows an inverted control with.
constexpr AAX_EParameterOrientation invertedOrientation = 0x13;
// A step count above this makes a continuous parameter.
constexpr int continuousAboveSteps = 1000;

int ChannelsOf(AAX_EStemFormat format)
{
    switch (format)
    {
    case AAX_eStemFormat_Mono:
        return 1;
    case AAX_eStemFormat_Stereo:
        return 2;
    case AAX_eStemFormat_None:
        return 0;
    }
    return 0;
}

void CopyChannel(float* destination, const float* source, int numSamples)
{
    if (destination != source)
        std::memmove(destination, source, static_cast<std::size_t>(numSamples) * sizeof(float));
}
} // namespace

AaxEffectParameters::AaxEffectParameters() : audioProcessor(CreateAaxProcessor())
{
    // The processor's own chunk is numbered after those of the base.
    AAX_CEffectParameters::GetNumberOfChunks(&stateChunkIndex);
    audioProcessor->addListener(this);
}

AaxEffectParameters::~AaxEffectParameters()
{
    audioProcessor->removeListener(this);
    audioProcessor->setPlayHead(nullptr);
}

AAX_IEffectParameters* AaxEffectParameters::Create()
{
    try
    {
        return new AaxEffectParameters();
    }
    catch (...)
    {
        return nullptr;
    }
}

int AaxEffectParameters::ProcessorIndexOf(AAX_CParamID identifier) const
{
    // Read without allocating: the decimal digits of an index, without leading zeros.
    if (identifier == nullptr || identifier[0] == '\0' ||
        (identifier[0] == '0' && identifier[1] != '\0'))
        return -1;
    int index = 0;
    for (const char* digit = identifier; *digit != '\0'; ++digit)
    {
        if (*digit < '0' || *digit > '9')
            return -1;
        index = 10 * index + (*digit - '0');
        if (index >= parameters.count())
            return -1;
    }
    return index;
}

void AaxEffectParameters::AddOwnedParameter(std::unique_ptr<AAX_IParameter> parameter)
{
    AAX_IParameter* const added = parameter.get();
    mParameterManager.AddParameter(added);
    // A parameter the manager refuses (its identifier is taken) stays ours to delete.
    if (mParameterManager.GetParameterByID(added->Identifier()) == added)
        parameter.release();
}

AAX_Result AaxEffectParameters::EffectInit()
{
    auto bypass = std::make_unique<AAX_CParameter<bool>>(
        cDefaultMasterBypassID, AAX_CString("Master Bypass"), false,
        AAX_CBinaryTaperDelegate<bool>(), AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
    bypass->SetNumberOfSteps(2);
    bypass->SetType(AAX_eParameterType_Discrete);
    AddOwnedParameter(std::move(bypass));
    // The dispatcher keeps its registrations for the data model's whole life, through every
    // Uninitialize: the packet is registered at the first initialisation only.
    if (!bypassPacketRegistered)
    {
        const AAX_CPacketHandler<AAX_CPacketDispatcher> bypassPacket(
            &mPacketDispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
        bypassPacketRegistered =
            mPacketDispatcher.RegisterPacket(cDefaultMasterBypassID, AaxContext::bypass,
                                             &bypassPacket) == AAX_SUCCESS;
    }

    for (int index = 0; index < parameters.count(); ++index)
    {
        auto parameter = std::make_unique<AAX_CParameter<float>>(
            juce::String(index).toRawUTF8(), AAX_CString(parameters.name(index, 31).toRawUTF8()),
            parameters.defaultValue(index), AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
            AAX_CNumberDisplayDelegate<float, 3u, 0u>(), parameters.automatable(index));
        parameter->AddShortenedName(AAX_CString(parameters.name(index, 4).toRawUTF8()));
        const int numSteps = parameters.numSteps(index);
        parameter->SetNumberOfSteps(static_cast<uint32_t>(std::max(numSteps, 0)));
        parameter->SetType(numSteps > continuousAboveSteps ? AAX_eParameterType_Continuous
                                                           : AAX_eParameterType_Discrete);
        parameter->SetOrientation(parameters.orientationInverted(index) ? invertedOrientation : 0);
        // The host parameter starts where the processor is (a second initialisation finds it
        // changed), stored before the parameter is known to the host.
        parameter->UpdateNormalizedValue(parameters.value(index));
        AddOwnedParameter(std::move(parameter));
    }

    PrepareProcessor();
    return AAX_SUCCESS;
}

void AaxEffectParameters::PrepareProcessor()
{
    AAX_IController* const controller = Controller();
    float sampleRate = 0.0f;
    AAX_EStemFormat inputFormat = AAX_eStemFormat_None;
    AAX_EStemFormat outputFormat = AAX_eStemFormat_None;
    if (controller == nullptr || controller->GetSampleRate(&sampleRate) != AAX_SUCCESS ||
        controller->GetInputStemFormat(&inputFormat) != AAX_SUCCESS ||
        controller->GetOutputStemFormat(&outputFormat) != AAX_SUCCESS)
        return;

    // A rate no host gives leaves the processor unprepared: the instance gives silence.
    if (!(sampleRate > 0.0f && std::isfinite(sampleRate)))
        return;

    const int inputs = ChannelsOf(inputFormat);
    const int outputs = ChannelsOf(outputFormat);
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(juce::AudioChannelSet::canonicalChannelSet(inputs));
    layout.outputBuses.add(juce::AudioChannelSet::canonicalChannelSet(outputs));
    if (inputs == 0 || outputs == 0 || !audioProcessor->setBusesLayout(layout))
        return;

    numInputs = inputs;
    numOutputs = outputs;
    playHead.setSampleRate(sampleRate);
    audioProcessor->setPlayHead(&playHead);
    audioProcessor->setRateAndBufferSizeDetails(sampleRate, maxBlockSize);
    audioProcessor->prepareToPlay(sampleRate, maxBlockSize);
    processorPrepared = true;
    controller->SetSignalLatency(audioProcessor->getLatencySamples());
}

AAX_Result AaxEffectParameters::Uninitialize()
{
    {
        // The play head reads the transport, which goes with the host's objects.
        const juce::ScopedLock lock(audioProcessor->getCallbackLock());
        audioProcessor->setPlayHead(nullptr);
        processorPrepared = false;
    }
    audioProcessor->releaseResources();
    return AAX_CEffectParameters::Uninitialize();
}

AAX_Result AaxEffectParameters::GetParameterName(AAX_CParamID identifier,
                                                 AAX_IString* outName) const
{
    const int index = ProcessorIndexOf(identifier);
    if (index < 0 || outName == nullptr)
        return AAX_CEffectParameters::GetParameterName(identifier, outName);
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            outName->Set(parameters.name(index, 31).toRawUTF8());
            return AAX_SUCCESS;
        });
}

AAX_Result AaxEffectParameters::GetParameterNameOfLength(AAX_CParamID identifier,
                                                         AAX_IString* outName,
                                                         int32_t maxLength) const
{
    const int index = ProcessorIndexOf(identifier);
    if (index < 0 || outName == nullptr)
        return AAX_CEffectParameters::GetParameterNameOfLength(identifier, outName, maxLength);
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            outName->Set(parameters.name(index, std::max(maxLength, 0)).toRawUTF8());
            return AAX_SUCCESS;
        });
}

AAX_Result AaxEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                                   double* outValue) const
{
    const int index = ProcessorIndexOf(identifier);
    if (index < 0 || outValue == nullptr)
        return AAX_CEffectParameters::GetParameterDefaultNormalizedValue(identifier, outValue);
    *outValue = parameters.defaultValue(index);
    return AAX_SUCCESS;
}

AAX_Result AaxEffectParameters::GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                                            AAX_IString* outValueString,
                                                            int32_t maxLength) const
{
    // The processor describes its current value only: other values get the number display.
    const int index = ProcessorIndexOf(identifier);
    if (index < 0 || outValueString == nullptr ||
        static_cast<float>(value) != parameters.value(index))
        return AAX_CEffectParameters::GetParameterStringFromValue(identifier, value, outValueString,
                                                                  maxLength);
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            outValueString->Set(parameters.text(index, std::max(maxLength, 0)).toRawUTF8());
            return AAX_SUCCESS;
        });
}

AAX_Result AaxEffectParameters::GetParameterNormalizedValue(AAX_CParamID identifier,
                                                            double* outValue) const
{
    const int index = ProcessorIndexOf(identifier);
    if (index < 0 || outValue == nullptr)
        return AAX_CEffectParameters::GetParameterNormalizedValue(identifier, outValue);
    *outValue = parameters.value(index);
    return AAX_SUCCESS;
}

AAX_Result AaxEffectParameters::RequestProcessorValue(int index, double value)
{
    AAX_IParameter* const parameter =
        mParameterManager.GetParameterByID(juce::String(index).toRawUTF8());
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    // The processor stores what it is given: it gets the value the host can hold.
    if (std::isnan(value))
        return AAX_SUCCESS;
    const float normalized = static_cast<float>(juce::jlimit(0.0, 1.0, value));
    parameter->SetValueWithFloat(normalized);
    parameters.set(index, normalized);
    return AAX_SUCCESS;
}

AAX_Result AaxEffectParameters::SetParameterNormalizedValue(AAX_CParamID identifier, double value)
{
    const int index = ProcessorIndexOf(identifier);
    if (index < 0)
        return AAX_CEffectParameters::SetParameterNormalizedValue(identifier, value);
    return AAX_GuardedCall([&] { return RequestProcessorValue(index, value); });
}

AAX_Result AaxEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID identifier,
                                                               double value,
                                                               AAX_EUpdateSource source)
{
    const AAX_Result result =
        AAX_CEffectParameters::UpdateParameterNormalizedValue(identifier, value, source);
    const int index = ProcessorIndexOf(identifier);
    const AAX_IParameter* const parameter = mParameterManager.GetParameterByID(identifier);
    float stored = 0.0f;
    if (result == AAX_SUCCESS && index >= 0 && parameter != nullptr &&
        parameter->GetValueAsFloat(&stored))
        parameters.set(index, stored);
    return result;
}

void AaxEffectParameters::audioProcessorParameterChanged(juce::AudioProcessor*, int index,
                                                         float value)
{
    AAX_GuardedCall([&] { return RequestProcessorValue(index, value); });
}

void AaxEffectParameters::audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails& details)
{
    if (details.latencyChanged)
        if (AAX_IController* controller = Controller())
            controller->SetSignalLatency(audioProcessor->getLatencySamples());
}

AAX_Result AaxEffectParameters::ResetFieldData(AAX_CFieldIndex fieldIndex, void* data,
                                               uint32_t size)
{
    if (fieldIndex == AaxContext::instance && data != nullptr &&
        size >= sizeof(AaxEffectParameters*))
    {
        AaxEffectParameters* const self = this;
        std::memset(data, 0, size);
        std::memcpy(data, &self, sizeof self);
        return AAX_SUCCESS;
    }
    if (fieldIndex == AaxContext::prepared && data != nullptr && size >= sizeof(int32_t))
    {
        const int32_t ready = processorPrepared ? 1 : 0;
        std::memset(data, 0, size);
        std::memcpy(data, &ready, sizeof ready);
        return AAX_SUCCESS;
    }
    return AAX_CEffectParameters::ResetFieldData(fieldIndex, data, size);
}

AAX_Result AaxEffectParameters::GetNumberOfChunks(int32_t* outNumChunks) const
{
    const AAX_Result result = AAX_CEffectParameters::GetNumberOfChunks(outNumChunks);
    if (result == AAX_SUCCESS)
        ++*outNumChunks;
    return result;
}

AAX_Result AaxEffectParameters::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* outChunkID) const
{
    if (index != stateChunkIndex || outChunkID == nullptr)
        return AAX_CEffectParameters::GetChunkIDFromIndex(index, outChunkID);
    *outChunkID = AaxIdentity::stateChunkID;
    return AAX_SUCCESS;
}

AAX_Result AaxEffectParameters::GetChunkSize(AAX_CTypeID chunkID, uint32_t* outSize)
{
    if (chunkID != AaxIdentity::stateChunkID || outSize == nullptr)
        return AAX_CEffectParameters::GetChunkSize(chunkID, outSize);
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            juce::MemoryBlock state;
            audioProcessor->getStateInformation(state);
            if (state.getSize() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
                return AAX_ERROR_INCORRECT_CHUNK_SIZE;
            stateChunkSize = static_cast<int32_t>(state.getSize());
            *outSize = static_cast<uint32_t>(stateChunkSize);
            return AAX_SUCCESS;
        });
}

AAX_Result AaxEffectParameters::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk)
{
    if (chunkID != AaxIdentity::stateChunkID || outChunk == nullptr)
        return AAX_CEffectParameters::GetChunk(chunkID, outChunk);
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            // The host made the chunk as large as the size last reported.
            juce::MemoryBlock state;
            audioProcessor->getStateInformation(state);
            if (stateChunkSize == 0 || state.getSize() != static_cast<std::size_t>(stateChunkSize))
                return AAX_ERROR_INCORRECT_CHUNK_SIZE;

            outChunk->fSize = stateChunkSize;
            outChunk->fVersion = 0;
            std::memset(outChunk->fName, 0, sizeof outChunk->fName);
            std::strncpy(outChunk->fName, AaxIdentity::stateChunkName, sizeof outChunk->fName - 1);
            std::memcpy(outChunk->fData, state.getData(), state.getSize());
            return AAX_SUCCESS;
        });
}

AAX_Result AaxEffectParameters::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunkID != AaxIdentity::stateChunkID || chunk == nullptr)
        return AAX_CEffectParameters::SetChunk(chunkID, chunk);
    if (chunk->fSize < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            audioProcessor->setStateInformation(chunk->fData, chunk->fSize);
            return AAX_SUCCESS;
        });
}

AAX_Result AaxEffectParameters::TimerWakeup()
{
    AaxMessageLoop::DispatchPendingMessages();
    return AAX_CEffectParameters::TimerWakeup();
}

void AaxEffectParameters::RenderBlock(const float* const* inputs, float* const* outputs,
                                      int32_t numSamples, bool bypassed, bool prepared) noexcept
{
    if (outputs == nullptr || numSamples <= 0 || numOutputs == 0)
        return;
    const juce::ScopedLock lock(audioProcessor->getCallbackLock());

    if (!prepared || !processorPrepared || inputs == nullptr || audioProcessor->isSuspended())
    {
        for (int channel = 0; channel < numOutputs; ++channel)
            std::fill_n(outputs[channel], numSamples, 0.0f);
        return;
    }
    for (int offset = 0; offset < numSamples; offset += maxBlockSize)
        RenderPiece(inputs, outputs, offset, std::min(maxBlockSize, numSamples - offset), bypassed);
}

void AaxEffectParameters::RenderPiece(const float* const* inputs, float* const* outputs, int offset,
                                      int numSamples, bool bypassed)
{
    // Every output starts as its input; a mono input feeds every output.
    for (int channel = 0; channel < numOutputs; ++channel)
        CopyChannel(outputs[channel] + offset, inputs[std::min(channel, numInputs - 1)] + offset,
                    numSamples);

    juce::AudioBuffer<float> buffer(outputs, numOutputs, offset, numSamples);
    if (bypassed)
        audioProcessor->processBlockBypassed(buffer, noMidi);
    else
        audioProcessor->processBlock(buffer, noMidi);
}
