#include "StompixZR7714AudioProcessor.h"

#include "CrossfadeLength.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace
{
// Gains at or below this count as silent: the end of a model crossfade, the dry end of the
// bypass fade.
constexpr float epsilon = 1.0e-15f;

void copySamples(float* destination, const float* source, int numSamples)
{
    std::copy(source, source + numSamples, destination);
}

void freeScratch(std::vector<float>& scratch)
{
    std::vector<float>().swap(scratch);
}
} // namespace

int StompixZR7714AudioProcessor::modelNumberFor(float phaserType) noexcept
{
    const float number = std::ceil(2.0f * phaserType);
    return (number >= 0.0f && number <= 2.0f) ? (int)number : noModel;
}

int StompixZR7714AudioProcessor::crossfadeLengthFor(double sampleRate) noexcept
{
    return ::crossfadeLengthFor(sampleRate);
}

ModuleModel* StompixZR7714AudioProcessor::getModel(int modelNumber) noexcept
{
    switch (modelNumber)
    {
    case 0:
        return &phaser45;
    case 1:
        return &phaser90;
    case 2:
        return &phaser100;
    default:
        return nullptr;
    }
}

template <typename Function> void StompixZR7714AudioProcessor::forEachModel(Function&& function)
{
    function(static_cast<ModuleModel&>(phaser45));
    function(static_cast<ModuleModel&>(phaser90));
    function(static_cast<ModuleModel&>(phaser100));
}

//==============================================================================
void StompixZR7714AudioProcessor::prepareToPlay(double sampleRate, int samplesPerBlock)
{
    const juce::ScopedLock lock(getCallbackLock());

    for (auto* scratch : {&dryLeft, &dryRight, &switchLeft, &switchRight})
        freeScratch(*scratch);

    // A rate no host gives would make the models' coefficients and LFO step meaningless: the
    // processor stays unprepared and passes the audio through.
    if (!(sampleRate > 0.0 && sampleRate <= 10.0e6))
        return;

    const int length = crossfadeLengthFor(sampleRate);
    fadeLength = (juce::int16)length;
    bypassCounter = fadeLength;

    const auto scratchLength =
        (size_t)juce::jlimit(minScratchLength, maxScratchLength, samplesPerBlock);

    // Out of memory: stay unprepared rather than throw into the host.
    try
    {
        forEachModel(
            [&](ModuleModel& model)
            {
                model.setSampleRate((float)sampleRate);
                model.setExpectedSampleFrame((int)scratchLength);
            });

        for (auto* scratch : {&dryLeft, &dryRight, &switchLeft, &switchRight})
            scratch->assign(scratchLength, 0.0f);
    }
    catch (const std::bad_alloc&)
    {
        for (auto* scratch : {&dryLeft, &dryRight, &switchLeft, &switchRight})
            freeScratch(*scratch);

        return;
    }

    forceCalcParams();
}

void StompixZR7714AudioProcessor::releaseResources()
{
    const juce::ScopedLock lock(getCallbackLock());

    for (auto* scratch : {&dryLeft, &dryRight, &switchLeft, &switchRight})
        freeScratch(*scratch);
}

bool StompixZR7714AudioProcessor::readHostTempo(float& tempo)
{
    auto* head = getPlayHead();

    if (head == nullptr)
        return false;

    // A host that cannot say leaves the tempo it last gave; a tempo that is not a finite
    // number (which would drive the LFO off its table) is not taken either.
    if (const auto position = head->getPosition())
        if (const auto bpm = position->getBpm())
            if (std::isfinite((float)*bpm))
                positionBpm = *bpm;

    tempo = (float)positionBpm;
    return true;
}

void StompixZR7714AudioProcessor::forceCalcParams()
{
    const auto v = [this](int index)
    { return currentValues[(size_t)index].load(std::memory_order_relaxed); };

    effectOn = v(kOnBypass) > 0.0f;
    bypassStep = 0.0f;
    bypassCounter = fadeLength;
    bypassGain = bypassTarget = effectOn ? 1.0f : 0.0f;

    selectedModel = playingModel = modelNumberFor(v(kPhaserType));
    switchPending = false;
    oldModelGain = 1.0f;
    oldModelStep = 0.0f;

    forEachModel([](ModuleModel& model) { model.reset(); });
    forEachModel([](ModuleModel& model) { model.setParameter(0, 1.0f); });

    if (float tempo = 0.0f; readHostTempo(tempo))
    {
        lastBpm = tempo;
        forEachModel([tempo](ModuleModel& model) { model.setBpm(tempo); });
    }

    for (int k = 1; k <= 6; ++k)
    {
        const float value = v(k + 1);
        forEachModel([k, value](ModuleModel& model) { model.setParameter(k, value); });
        sentValues[(size_t)(k - 1)] = value;
    }

    sentStereoOn = v(kStereo) > 0.0f;
    sentSyncOn = v(kSync) > 0.0f;
    forEachModel(
        [this](ModuleModel& model)
        {
            model.setParameter(7, sentStereoOn ? 1.0f : 0.0f);
            model.setParameter(8, sentSyncOn ? 1.0f : 0.0f);
        });

    forEachModel([](ModuleModel& model) { model.forceCalcParams(); });
}

//==============================================================================
void StompixZR7714AudioProcessor::timerCallback()
{
    // The audio thread drives the models inside the callback lock; priming a model under the
    // same lock means no model is ever entered by two threads at once.
    const juce::ScopedLock lock(getCallbackLock());

    if (switchPending && !settlePendingSwitch())
        return;

    stopTimer();

    const int modelNumber =
        modelNumberFor(currentValues[kPhaserType].load(std::memory_order_relaxed));

    if (modelNumber == selectedModel)
        return;

    selectedModel = modelNumber;
    oldModelGain = 1.0f;
    oldModelStep = -1.0f / (float)fadeLength;
    crossfadeGainAtLastTick = oldModelGain;
    crossfadeMovedAt = juce::Time::getMillisecondCounter();

    if (auto* model = getModel(modelNumber))
    {
        model->reset();
        model->forceCalcParams();
    }

    switchPending = true;
}

bool StompixZR7714AudioProcessor::settlePendingSwitch()
{
    // Not taken up yet: no block has run since it was handed over (the effect is off and passes
    // the audio through, or the host is not processing). It is withdrawn, and the newer type
    // decides alone; no model has run it, so nothing is cut off.
    if (oldModelGain >= 1.0f)
    {
        switchPending = false;
        selectedModel = playingModel;
        return true;
    }

    // Under way: re-targeting it midway would cut the fading model off, and switching back to
    // the playing model would reset the model the audio thread is running. The timer looks
    // again at its next tick.
    const auto now = juce::Time::getMillisecondCounter();

    if (oldModelGain != crossfadeGainAtLastTick)
    {
        crossfadeGainAtLastTick = oldModelGain;
        crossfadeMovedAt = now;
        return false;
    }

    // Ticks may come in a burst (the framework makes up for a late tick at once, and some hosts
    // run timers from their idle calls), so a crossfade that stood still between two of them is
    // not yet a stopped one.
    if (now - crossfadeMovedAt < stalledCrossfadeMs)
        return false;

    // Under way, but not a sample processed for that long: the audio stopped halfway (the effect
    // faded out into the pass-through, or the host stopped processing), and nobody hears the
    // models. Waiting would keep the timer running for as long; the crossfade ends here.
    oldModelGain = 0.0f;
    switchPending = false;
    playingModel = selectedModel;
    return true;
}

//==============================================================================
void StompixZR7714AudioProcessor::passThrough(juce::AudioBuffer<float>& buffer) const
{
    const int numSamples = buffer.getNumSamples();
    const int outputs = std::min(getTotalNumOutputChannels(), buffer.getNumChannels());

    if (getTotalNumInputChannels() == 1)
        for (int channel = 1; channel < outputs; ++channel)
            buffer.copyFrom(channel, 0, buffer, 0, 0, numSamples);
}

void StompixZR7714AudioProcessor::processBlockBypassed(juce::AudioBuffer<float>& buffer,
                                                       juce::MidiBuffer&)
{
    announceRestoredValues();
    passThrough(buffer);
}

void StompixZR7714AudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    announceRestoredValues();
    const juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();

    if (numSamples <= 0 || buffer.getNumChannels() < 1)
        return;

    // Not prepared (or released): nothing to run the models with.
    if (dryLeft.empty())
    {
        passThrough(buffer);
        return;
    }

    BlockChannels channels;
    channels.numInputs = getTotalNumInputChannels();
    channels.numOutputs = getTotalNumOutputChannels();
    channels.left = buffer.getWritePointer(0);

    if (buffer.getNumChannels() > 1 && (channels.numInputs > 1 || channels.numOutputs >= 2))
        channels.right = buffer.getWritePointer(1);

    // A block longer than the scratch buffers goes through in pieces that fit them.
    const int maxPiece = (int)dryLeft.size();

    for (int offset = 0; offset < numSamples; offset += maxPiece)
        processPiece(channels, offset, std::min(maxPiece, numSamples - offset));
}

void StompixZR7714AudioProcessor::processPiece(const BlockChannels& channels, int offset,
                                               int numSamples)
{
    float* const left = channels.left + offset;
    float* const right = channels.right != nullptr ? channels.right + offset : nullptr;

    if (right != nullptr && channels.numInputs <= 1)
        copySamples(right, left, numSamples);

    const float onBypass = currentValues[kOnBypass].load(std::memory_order_relaxed);
    effectOn = onBypass > 0.0f;

    if (onBypass == 0.0f && bypassGain < epsilon)
        return;

    // At rest on the effect the bypass mix would leave every sample as it is: the dry copy and
    // the mix are needed only while a fade runs or is about to start.
    const bool fading = (effectOn ? 1.0f : 0.0f) != bypassTarget || bypassCounter < fadeLength ||
                        bypassGain != 1.0f;

    if (fading)
    {
        copySamples(dryLeft.data(), left, numSamples);

        if (right != nullptr)
            copySamples(dryRight.data(), right, numSamples);
    }

    sendTempo();

    const bool pending = switchPending;
    const int newModel = selectedModel;

    sendChangedParameters(getModel(newModel));

    if (pending)
    {
        copySamples(switchLeft.data(), left, numSamples);

        if (right != nullptr)
            copySamples(switchRight.data(), right, numSamples);
    }

    runModel(getModel(playingModel), left, right, numSamples);

    if (pending)
        crossfadeModels(left, right, numSamples, newModel);

    if (fading)
        applyBypassFade(left, right, numSamples);
}

void StompixZR7714AudioProcessor::sendTempo()
{
    float tempo = 0.0f;

    if (!readHostTempo(tempo) || tempo == lastBpm)
        return;

    lastBpm = tempo;
    forEachModel([tempo](ModuleModel& model) { model.setBpm(tempo); });
}

void StompixZR7714AudioProcessor::sendChangedParameters(ModuleModel* selected)
{
    const auto sendSwitch = [&](int parameterIndex, int modelIndex, bool& sent)
    {
        const bool on =
            currentValues[(size_t)parameterIndex].load(std::memory_order_relaxed) > 0.0f;

        if (on == sent)
            return;

        forEachModel([modelIndex, on](ModuleModel& model)
                     { model.setParameter(modelIndex, on ? 1.0f : 0.0f); });

        if (selected != nullptr)
            selected->calcParameter(modelIndex);

        sent = on;
    };

    sendSwitch(kStereo, 7, sentStereoOn);
    sendSwitch(kSync, 8, sentSyncOn);

    for (int k = 1; k <= 6; ++k)
    {
        const float value = currentValues[(size_t)(k + 1)].load(std::memory_order_relaxed);
        auto& sent = sentValues[(size_t)(k - 1)];

        if (value == sent)
            continue;

        forEachModel([k, value](ModuleModel& model) { model.setParameter(k, value); });

        if (selected != nullptr)
            selected->calcParameter(k);

        sent = value;
    }
}

void StompixZR7714AudioProcessor::runModel(ModuleModel* model, float* left, float* right,
                                           int numSamples)
{
    if (model == nullptr)
        return;

    if (right != nullptr)
        model->process(left, right, numSamples);
    else
        model->process(left, numSamples);
}

void StompixZR7714AudioProcessor::crossfadeModels(float* left, float* right, int numSamples,
                                                  int newModel)
{
    float* const newLeft = switchLeft.data();
    float* const newRight = right != nullptr ? switchRight.data() : nullptr;

    runModel(getModel(newModel), newLeft, newRight, numSamples);

    for (int i = 0; i < numSamples; ++i)
    {
        float gain = oldModelGain;

        if (gain > epsilon)
        {
            gain = gain + oldModelStep;
            oldModelGain = gain;
        }

        if (!(gain > epsilon))
        {
            oldModelGain = 0.0f;
            switchPending = false;
            playingModel = newModel;
            gain = 0.0f;
        }

        left[i] = gain * left[i] + (1.0f - gain) * newLeft[i];

        if (right != nullptr)
            right[i] = gain * right[i] + (1.0f - gain) * newRight[i];
    }
}

void StompixZR7714AudioProcessor::applyBypassFade(float* left, float* right, int numSamples)
{
    const float target = effectOn ? 1.0f : 0.0f;

    if (target != bypassTarget)
    {
        bypassStep = (target - bypassGain) * (1.0f / (float)fadeLength);
        bypassCounter = 0;
        bypassTarget = target;
    }

    const float* const dryL = dryLeft.data();
    const float* const dryR = dryRight.data();

    for (int i = 0; i < numSamples; ++i)
    {
        if (bypassCounter < fadeLength)
        {
            ++bypassCounter;
            bypassGain += bypassStep;

            if (bypassGain > 1.0f)
                bypassGain = 1.0f;
            else if (bypassGain < epsilon)
                bypassGain = 0.0f;

            // A fade that started from the middle of another ends a hair off its target; it
            // must end on it exactly, or the pass-through (gain 0) would never engage.
            if (bypassCounter == fadeLength)
                bypassGain = bypassTarget;
        }

        left[i] = bypassGain * left[i] + (1.0f - bypassGain) * dryL[i];

        if (right != nullptr)
            right[i] = bypassGain * right[i] + (1.0f - bypassGain) * dryR[i];
    }
}
