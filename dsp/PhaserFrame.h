#pragma once

#include "CrossfadeLength.h"
#include "ModelParameterId.h"
#include "PhaserState.h"
#include "SmoothVolume.h"
#include "TempoDivision.h"

#include <juce_core/juce_core.h>

#include <cmath>
#include <cstring>

// What the three phaser models share around their signal chains: parameter storage, the LFO
// rate, the bypass fade, the stereo announcement, buffer growth and the order of every
// recalculation. A model keeps its shared fields in `frame` and supplies calcDepth,
// calcFixedFilters, processPhaser and clearAudioMemory.
template <typename Model> struct PhaserFrame
{
    // The text a model sends when its channel arrangement changes; built once, before any
    // audio runs, so that sending it never allocates.
    static const juce::String& stereoAnnouncement()
    {
        static const juce::String text("ModuleViewController arrangeModelInputsOutputs");
        return text;
    }

    static void construct(Model& model)
    {
        stereoAnnouncement();
        model.parameters = std::make_unique<float[]>(modelParameterCount);
        model.parameterNum = modelParameterCount;
        model.frame.stereoActive = false;
        model.frame.stereoAnnounced = true;
        for (int i = 0; i < modelParameterCount; ++i)
            model.setParameter(i, model.getDefaultParameter(i));
        model.frame.dryBufferRight = nullptr;
        model.frame.dryBufferLeft = nullptr;
        model.reset();
    }

    static void destroy(Model& model)
    {
        model.parameters = nullptr;
        model.frame.dryBufferLeft = nullptr;
        model.frame.dryBufferRight = nullptr;
    }

    static void setParameter(Model& model, int index, float value)
    {
        if (index >= 0 && index < model.parameterNum)
            model.parameters[static_cast<size_t>(index)] = value;

        PhaserState& frame = model.frame;
        switch (index)
        {
        case modelBypass:
            frame.engaged = value > 0.0f;
            break;
        case modelRate:
            frame.rate = value;
            break;
        case modelRateSync:
            frame.rateSync = value;
            break;
        case modelDepthType:
            frame.depth = value * 0.5f + 0.5f;
            break;
        case modelFeedback:
            frame.feedback = value;
            break;
        case modelMix:
            frame.mix = value;
            break;
        case modelLevel:
            frame.level = value + value;
            model.levelSmoother.setValue(frame.level);
            break;
        case modelStereoOn:
            frame.stereoOn = value > 0.0f;
            announceStereo(model);
            break;
        case modelSyncOn:
            frame.syncOn = value > 0.0f;
            break;
        default:
            break;
        }
    }

    static void calcParameter(Model& model, int index)
    {
        switch (index)
        {
        case modelBypass:
            checkBypassTransition(model.frame);
            break;
        case modelRate:
        case modelRateSync:
        case modelSyncOn:
            model.calcOsc();
            break;
        case modelDepthType:
            model.calcDepth();
            break;
        case modelLevel:
            model.levelSmoother.calc();
            break;
        default:
            break;
        }
    }

    static void calcOsc(Model& model)
    {
        const PhaserState& frame = model.frame;
        float hz;
        if (frame.syncOn)
        {
            const float beats = TempoDivision::beatsPerCycle(frame.rateSync);
            hz = 1.0f / ((60.0f / model.bpm) * beats);
        }
        else
        {
            hz = ((powf(81.0f, frame.rate) - 1.0f) * 0.0125f) * 20.0f;
        }
        // The slowest rate is 0.01 Hz; an unordered rate (a NaN tempo or Rate) takes it too.
        if (!(hz >= 0.01f))
            hz = 0.01f;
        model.osc.setFrequency(hz);
        model.osc.calc();
    }

    static void calc(Model& model)
    {
        checkBypassTransition(model.frame);
        model.calcOsc();
        model.levelSmoother.calc();
        model.calcDepth();
    }

    static void forceCalcParams(Model& model)
    {
        PhaserState& frame = model.frame;
        frame.lastEngaged = frame.engaged;
        if (frame.engaged)
        {
            frame.bypassState = 2;
            frame.fadeWetGain = 1.0f;
            frame.fadeDryGain = 0.0f;
        }
        else
        {
            frame.bypassState = 0;
            frame.fadeDryGain = 1.0f;
            frame.fadeWetGain = 0.0f;
        }
        frame.bypassFadeLength = crossfadeLengthFor(model.sampleRate);
        frame.bypassFadeStep = 1.0f / static_cast<float>(frame.bypassFadeLength);
        model.calcFixedFilters();
        announceStereo(model);
        model.levelSmoother.setValue(frame.level);
        model.calc();
        model.osc.forceCalcParams();
    }

    // The depth range from the two all-pass gains, smaller first.
    template <typename Gain>
    static void setCoefficientBounds(PhaserState& frame, Gain gainW0, Gain gainW1)
    {
        if (gainW0 > gainW1)
        {
            frame.coefMax = static_cast<float>(gainW0);
            frame.coefMin = static_cast<float>(gainW1);
        }
        else
        {
            frame.coefMax = static_cast<float>(gainW1);
            frame.coefMin = static_cast<float>(gainW0);
        }
        frame.coefRange = frame.coefMax - frame.coefMin;
    }

    // A negative size is ignored: the buffers keep their size.
    static void setExpectedSampleFrame(Model& model, int frames)
    {
        if (frames < 0)
            return;
        model.expectedSampleFrame = frames;
        model.frame.dryBufferLeft = nullptr;
        model.frame.dryBufferRight = nullptr;
        model.frame.dryBufferLeft = std::make_unique<float[]>(static_cast<size_t>(frames));
        model.frame.dryBufferRight = std::make_unique<float[]>(static_cast<size_t>(frames));
    }

    // Mono when right is null. A negative count does nothing.
    static void process(Model& model, float* left, float* right, int count)
    {
        if (count < 0)
            return;
        if (model.expectedSampleFrame < count)
            model.setExpectedSampleFrame(count);
        if (model.frame.syncOn && model.bpm != model.lastSyncBpm)
        {
            model.lastSyncBpm = model.bpm;
            model.calcOsc();
        }
        switch (model.frame.bypassState)
        {
        case 2:
            runChain(model, left, right, count);
            break;
        case 1:
        case 3:
            runFade(model, left, right, count);
            break;
        default:
            break;
        }
        // A NaN or infinite input would otherwise circle in the feedback path for ever.
        if (!std::isfinite(model.frame.feedbackLeft) || !std::isfinite(model.frame.feedbackRight))
            model.clearAudioMemory();
    }

    static void processBlock(Model& model, float* in, float* out, int count)
    {
        if (count < 0)
            return;
        if (model.getInputsUsed() == 2)
        {
            model.process(in, out, count);
        }
        else if (model.getInputsUsed() == 1)
        {
            if (model.frame.stereoOn)
            {
                copy(out, in, count);
                model.process(in, out, count);
            }
            else
            {
                model.process(in, count);
                copy(out, in, count);
            }
        }
    }

private:
    static void copy(float* destination, const float* source, int count)
    {
        if (count > 0)
            std::memcpy(destination, source, static_cast<size_t>(count) * sizeof(float));
    }

    static void runChain(Model& model, float* left, float* right, int count)
    {
        if (right == nullptr)
            model.processPhaser(left, count);
        else
            model.processPhaser(left, right, count);
    }

    static void announceStereo(Model& model)
    {
        PhaserState& frame = model.frame;
        if (model.getInputsUsed() == 1)
        {
            frame.stereoActive = frame.stereoOn;
            if (frame.stereoActive != frame.stereoAnnounced)
            {
                model.sendActionMessage(stereoAnnouncement());
                frame.stereoAnnounced = frame.stereoActive;
            }
        }
        else
        {
            frame.stereoAnnounced = !frame.stereoActive;
        }
    }

    static void checkBypassTransition(PhaserState& frame)
    {
        if (frame.lastEngaged != frame.engaged)
        {
            frame.bypassState = (!frame.lastEngaged && frame.engaged) ? 1 : 3;
            frame.lastEngaged = frame.engaged;
        }
    }

    // One sample's step of a fade from one gain to the other. The rising gain before the step
    // is compared, so the last step may pass 1 before the gains are set to their end values.
    static void stepFade(float& rising, float& falling, float step, int& state, int endState)
    {
        if (rising < 1.0f)
        {
            rising += step;
            falling -= step;
        }
        else
        {
            rising = 1.0f;
            falling = 0.0f;
            state = endState;
        }
    }

    static void runFade(Model& model, float* left, float* right, int count)
    {
        PhaserState& frame = model.frame;
        float* dryLeft = frame.dryBufferLeft.get();
        float* dryRight = frame.dryBufferRight.get();
        copy(dryLeft, left, count);
        if (right != nullptr)
            copy(dryRight, right, count);
        runChain(model, left, right, count);

        const float step = frame.bypassFadeStep;
        float wetGain = frame.fadeWetGain;
        float dryGain = frame.fadeDryGain;
        int state = frame.bypassState;
        for (int i = 0; i < count; ++i)
        {
            left[i] = wetGain * left[i] + dryGain * dryLeft[i];
            if (right != nullptr)
                right[i] = wetGain * right[i] + dryGain * dryRight[i];
            if (state == 1)
                stepFade(wetGain, dryGain, step, state, 2);
            else if (state == 3)
                stepFade(dryGain, wetGain, step, state, 0);
        }
        frame.fadeWetGain = wetGain;
        frame.fadeDryGain = dryGain;
        frame.bypassState = state;
    }
};
