#include "StompixVstEffect.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr std::int32_t offlineProcessLevel = 4;

// Brings the host's inputs into its output buffers, where the processor works in place. The
// host may hand the same buffers for both; an input it leaves out reads as silence. False when
// there is no output to write to.
template <typename Sample>
bool routeInputsToOutputs(Sample** inputs, Sample** outputs, std::int32_t numInputs,
                          std::int32_t numOutputs, std::int32_t frames)
{
    if (outputs == nullptr || frames <= 0)
        return false;

    for (std::int32_t channel = 0; channel < numOutputs; ++channel)
        if (outputs[channel] == nullptr)
            return false;

    const auto bytes = static_cast<std::size_t>(frames) * sizeof(Sample);

    for (std::int32_t channel = 0; channel < numOutputs; ++channel)
    {
        const Sample* input = inputs != nullptr && channel < numInputs ? inputs[channel] : nullptr;

        if (input == nullptr)
            std::memset(outputs[channel], 0, bytes);
        else if (input != outputs[channel])
            std::memmove(outputs[channel], input, bytes);
    }

    return true;
}

template <typename Sample>
void clearOutputs(Sample** outputs, std::int32_t numOutputs, std::int32_t frames)
{
    for (std::int32_t channel = 0; channel < numOutputs; ++channel)
        std::memset(outputs[channel], 0, static_cast<std::size_t>(frames) * sizeof(Sample));
}
} // namespace

void StompixVstEffect::resume()
{
    try
    {
        const double rate = getSampleRate();
        const int block = getBlockSize();

        updateChannelCounts();
        setInitialDelay(processor.getLatencySamples());
        processor.setNonRealtime(getCurrentProcessLevel() == offlineProcessLevel);
        processor.setRateAndBufferSizeDetails(rate, block);
        processor.prepareToPlay(rate, block);
        midiMessages.ensureSize(2048);
        isProcessing = true;
    }
    catch (...)
    {
        // Out of memory: the plug-in stays suspended and clears its outputs.
    }

    AudioEffectX::resume();
}

void StompixVstEffect::suspend()
{
    if (!isProcessing.exchange(false))
        return;

    const juce::ScopedLock lock(processor.getCallbackLock());
    processor.releaseResources();
}

void StompixVstEffect::processReplacing(float** inputs, float** outputs, std::int32_t frames)
{
    const auto numOutputs = effect.numOutputs;

    if (!routeInputsToOutputs(inputs, outputs, effect.numInputs, numOutputs, frames))
        return;

    const juce::ScopedLock lock(processor.getCallbackLock());

    if (!isProcessing || processor.isSuspended())
    {
        clearOutputs(outputs, numOutputs, frames);
        return;
    }

    // The host may switch to offline rendering between blocks.
    processor.setNonRealtime(getCurrentProcessLevel() == offlineProcessLevel);

    juce::AudioBuffer<float> buffer(outputs, numOutputs, frames);
    midiMessages.clear();

    if (isBypassed)
        processor.processBlockBypassed(buffer, midiMessages);
    else
        processor.processBlock(buffer, midiMessages);
}

// The processor works in single precision only and says so in the record; a host that sends
// 64-bit audio anyway gets it passed through.
void StompixVstEffect::processDoubleReplacing(double** inputs, double** outputs,
                                              std::int32_t frames)
{
    routeInputsToOutputs(inputs, outputs, effect.numInputs, effect.numOutputs, frames);
}
