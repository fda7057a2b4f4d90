#include "StompixZR7714AudioProcessor.h"

#include "CrossfadeLength.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

int StompixZR7714AudioProcessor::debounceLengthFor(double sampleRate) noexcept
{
    return std::max(1, (int)std::lround(sampleRate * modelSwitchDebounceSeconds));
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
    debounceLength = debounceLengthFor(sampleRate);

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
    // Writes counted before the values are read: one that comes in between restarts the
    // countdown rather than going unseen.
    phaserTypeWritesSeen = phaserTypeWrites.load(std::memory_order_acquire);
    switchCountdown = noSwitchDue;

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
// The model switch. A write of phaserType (any thread) restarts a countdown of
// debounceLength samples, counted by the audio path in processed and passed-through audio
// alike; when it runs out, the model of the type at that moment is primed and crossfaded in
// from that very sample. A block is split where a switch falls due, so the switch lands on the
// same sample whatever the host's block size and however fast it renders.
void StompixZR7714AudioProcessor::takeUpPhaserTypeWrites() noexcept
{
    const auto writes = phaserTypeWrites.load(std::memory_order_acquire);

    if (writes == phaserTypeWritesSeen)
        return;

    phaserTypeWritesSeen = writes;
    switchCountdown = debounceLength;
}

int StompixZR7714AudioProcessor::nextSegmentLength(int remaining, int maxPiece) const noexcept
{
    const int length = std::min({remaining, maxPiece, samplesUntilDry()});

    if (switchCountdown > 0)
        return std::min(length, switchCountdown);

    // Due, but waiting for the crossfade under way: the segment ends where that one does.
    if (switchCountdown == 0 && switchPending)
        return std::min(length, std::max(1, (int)std::lround(oldModelGain * (float)fadeLength)));

    return length;
}

void StompixZR7714AudioProcessor::advanceModelSwitch(int numSamples)
{
    if (switchCountdown == noSwitchDue)
        return;

    switchCountdown = std::max(0, switchCountdown - numSamples);

    if (switchCountdown == 0 && startDueModelSwitch())
        switchCountdown = noSwitchDue;
}

bool StompixZR7714AudioProcessor::startDueModelSwitch()
{
    if (switchPending)
    {
        const bool takenUp = oldModelGain < 1.0f;

        // Under way and heard: re-targeting it midway would cut the fading model off, and
        // switching back to the playing model would reset it while it runs. It ends first.
        if (takenUp && !modelsAreSilent())
            return false;

        // A switch that no block has taken up yet (it fell due in the pass-through or the host's
        // bypass) is withdrawn; one that the pass-through stopped halfway, with nobody hearing the
        // models, ends here. Either way the newer type decides alone.
        if (takenUp)
            playingModel = selectedModel;
        else
            selectedModel = playingModel;

        oldModelGain = 0.0f;
        switchPending = false;
    }

    const int modelNumber =
        modelNumberFor(currentValues[kPhaserType].load(std::memory_order_relaxed));

    if (modelNumber == selectedModel)
        return true;

    selectedModel = modelNumber;
    oldModelGain = 1.0f;
    oldModelStep = -1.0f / (float)fadeLength;

    if (auto* model = getModel(modelNumber))
    {
        model->reset();
        model->forceCalcParams();
    }

    switchPending = true;
    return true;
}

int StompixZR7714AudioProcessor::samplesUntilDry() const noexcept
{
    // The pass-through begins with the piece after the fade to dry ends. Ending a piece there
    // keeps the models from running on past it by however much of the host's block is left, so
    // that they come back in the same state whatever the block size.
    if (currentValues[kOnBypass].load(std::memory_order_relaxed) > 0.0f)
        return std::numeric_limits<int>::max();

    if (bypassTarget > 0.0f)
        return fadeLength; // a fade to dry starts with the next piece

    return bypassCounter < fadeLength ? fadeLength - bypassCounter
                                      : std::numeric_limits<int>::max();
}

bool StompixZR7714AudioProcessor::modelsAreSilent() const noexcept
{
    return passesThrough(currentValues[kOnBypass].load(std::memory_order_relaxed));
}

bool StompixZR7714AudioProcessor::passesThrough(float onBypass) const noexcept
{
    return onBypass == 0.0f && bypassGain < epsilon;
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
    announceLiveValues();
    passThrough(buffer);

    // The host's bypass is audio too: the debounce counts on through it.
    if (!dryLeft.empty())
    {
        takeUpPhaserTypeWrites();
        advanceModelSwitch(buffer.getNumSamples());
    }
}

void StompixZR7714AudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    announceLiveValues();
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

    takeUpPhaserTypeWrites();

    // A block longer than the scratch buffers goes through in pieces that fit them.
    const int maxPiece = (int)dryLeft.size();

    for (int offset = 0; offset < numSamples;)
    {
        const int length = nextSegmentLength(numSamples - offset, maxPiece);
        processPiece(channels, offset, length);
        advanceModelSwitch(length);
        offset += length;
    }
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

    if (passesThrough(onBypass))
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
