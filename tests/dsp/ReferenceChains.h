#pragma once

// A plain sample-by-sample reading of the three phaser chains, built from the building blocks'
// single-sample calls and coefficient formulas written out again here. The models' block
// loops (channels side by side, state in registers) must give exactly the same bits.
#include "AllpassFilter.h"
#include "ModulatingAllpassFilter.h"
#include "OnePole.h"
#include "OnePoleHighpass.h"
#include "SmoothVolume.h"
#include "TempoDivision.h"
#include "WavetablePhaserTriOsc.h"
#include "WavetablePhaserTriOsc90.h"

#include <array>
#include <cmath>

namespace Reference
{
struct Settings
{
    float sampleRate = 44100.0f;
    std::array<float, 9> values{};
    float tempo = 120.0f;
};

struct Gains
{
    double wet, dry, feedback;
};

// The LFO, its smoother, the output highpass, the level and the feedback memory.
template <typename Osc> struct Frame
{
    Osc osc;
    OnePole smoother;
    OnePoleHighpass outputHighpass;
    SmoothVolume level;
    float coefMin = 0.0f;
    float coefRange = 0.0f;
    bool spread = false;
    double feedbackLeft = 0.0;
    double feedbackRight = 0.0;
    Gains gains{};

    void prepare(const Settings& s, double gainW0, double gainW1)
    {
        const auto& v = s.values;
        osc.setSampleRate(s.sampleRate);
        smoother.setSampleRate(s.sampleRate);
        outputHighpass.setSampleRate(s.sampleRate);
        level.setSampleRate(s.sampleRate);
        osc.reset();
        smoother.reset();
        smoother.setFrequency(200.0f);
        outputHighpass.setFrequency(22.575f);
        level.reset();
        level.setValue(v[6] + v[6]);
        level.calc();

        float hz = v[8] > 0.0f ? 1.0f / ((60.0f / s.tempo) * TempoDivision::beatsPerCycle(v[2]))
                               : ((powf(81.0f, v[1]) - 1.0f) * 0.0125f) * 20.0f;
        if (0.01f > hz)
            hz = 0.01f;
        osc.setFrequency(hz);
        osc.calc();
        osc.forceCalcParams();

        const float high = static_cast<float>(gainW0 > gainW1 ? gainW0 : gainW1);
        const float low = static_cast<float>(gainW0 > gainW1 ? gainW1 : gainW0);
        coefMin = low;
        coefRange = high - low;
        spread = v[7] > 0.0f;
        gains = {static_cast<double>(v[5]), static_cast<double>(1.0f - v[5]),
                 static_cast<double>(v[4])};
    }

    void coefficients(bool stereo, float& left, float& right)
    {
        if (stereo && spread)
        {
            osc.getOscSignal(left, right);
            smoother.process(left, right);
            left = left * coefRange + coefMin;
            right = right * coefRange + coefMin;
        }
        else
        {
            osc.getOscSignal(left);
            smoother.process(left);
            left = left * coefRange + coefMin;
            right = left;
        }
    }

    float finishMono(double wet, double dry)
    {
        double out = gains.wet * wet + dry * gains.dry;
        outputHighpass.process(out);
        level.process(out);
        return static_cast<float>(out);
    }

    void finishStereo(double wetL, double wetR, double dryL, double dryR, float& left, float& right)
    {
        double outL = gains.wet * wetL + dryL * gains.dry;
        double outR = gains.wet * wetR + dryR * gains.dry;
        outputHighpass.process(outL, outR);
        level.process(outL, outR);
        left = static_cast<float>(outL);
        right = static_cast<float>(outR);
    }
};

// Processes a block in mono (right null) or stereo through a chain whose per-channel step is
// chain.channel(x, g, isRight); Chain owns a Frame named frame.
template <typename Chain> void run(Chain& chain, float* left, float* right, int count)
{
    auto& f = chain.frame;
    for (int i = 0; i < count; ++i)
    {
        float gL, gR;
        f.coefficients(right != nullptr, gL, gR);
        double xL = left[i], dryL = 0.0;
        chain.channel(xL, dryL, gL, f.feedbackLeft, false);
        if (right == nullptr)
        {
            left[i] = f.finishMono(xL, dryL);
            continue;
        }
        double xR = right[i], dryR = 0.0;
        chain.channel(xR, dryR, gR, f.feedbackRight, true);
        f.finishStereo(xL, xR, dryL, dryR, left[i], right[i]);
    }
}

// Each channel has filters of its own, used through their mono calls.
struct Phaser45Chain
{
    Frame<WavetablePhaserTriOsc> frame;
    std::array<std::array<ModulatingAllpassFilter, 2>, 2> stages;

    explicit Phaser45Chain(const Settings& s)
    {
        const float r = (s.values[3] * 0.5f + 0.5f) * (-19120.0f) + 20000.0f;
        const double fc = 1.0 / (static_cast<double>(r) * 6.283185307179586 * 4.7e-08);
        const double inv = static_cast<double>(1.0f / s.sampleRate);
        const double t0 = std::tan(1063.8297872340427 * inv * 0.5);
        const double t1 = std::tan(fc * 6.283185307179586 * inv * 0.5);
        frame.prepare(s, (1.0 - t0) / (1.0 + t0), (1.0 - t1) / (1.0 + t1));
    }

    void channel(double& x, double& dry, float g, double& fb, bool right)
    {
        auto& stage = stages[right ? 1 : 0];
        dry = x;
        stage[0].process(x, g);
        x = fb * frame.gains.feedback + x;
        stage[1].process(x, g);
        fb = x * 0.8;
    }
};

struct Phaser90Chain
{
    Frame<WavetablePhaserTriOsc> frame;
    std::array<OnePoleHighpass, 2> inputHighpass;
    std::array<std::array<ModulatingAllpassFilter, 4>, 2> stages;

    explicit Phaser90Chain(const Settings& s)
    {
        for (auto& filter : inputHighpass)
        {
            filter.setSampleRate(s.sampleRate);
            filter.setFrequency(33.0f);
        }
        const float r = ((s.values[3] * 0.5f + 0.5f) * (-23120.0f) + 24000.0f) * 6.2831855f;
        const double fc = 1.0 / (static_cast<double>(r) * static_cast<double>(4.7e-08f));
        const double inv = static_cast<double>(1.0f / s.sampleRate);
        const double t0 = std::tan(886.5248072057691 * inv * 0.5);
        const double t1 = std::tan(fc * static_cast<double>(6.2831855f) * inv * 0.5);
        frame.prepare(s, (1.0 - t0) / (1.0 + t0), (1.0 - t1) / (1.0 + t1));
    }

    void channel(double& x, double& dry, float g, double& fb, bool right)
    {
        auto& stage = stages[right ? 1 : 0];
        inputHighpass[right ? 1 : 0].process(x);
        dry = x;
        stage[0].process(x, g);
        x = fb * frame.gains.feedback + x;
        stage[1].process(x, g);
        stage[2].process(x, g);
        stage[3].process(x, g);
        fb = x * (-0.8);
    }
};

struct Phaser100Chain
{
    Frame<WavetablePhaserTriOsc90> frame;
    std::array<OnePoleHighpass, 2> inputHighpass;
    std::array<std::array<AllpassFilter, 4>, 2> fixed;
    std::array<std::array<ModulatingAllpassFilter, 6>, 2> stages;

    explicit Phaser100Chain(const Settings& s)
    {
        for (auto& filter : inputHighpass)
        {
            filter.setSampleRate(s.sampleRate);
            filter.setFrequency(33.0f);
        }
        const float t = static_cast<float>(
            std::tan(static_cast<double>((1.0f / s.sampleRate) * 5000.0f * 0.5f)));
        for (auto& channelFilters : fixed)
            for (auto& filter : channelFilters)
                filter.setGainCoeff((1.0f - t) / (1.0f + t));

        const float p =
            (((s.values[3] * 0.5f + 0.5f) * (-93000.0f) + 100000.0f) * 6.2831855f) * 1e-08f;
        const float fc = 1.0f / p;
        const float inv = 1.0f / s.sampleRate;
        const auto t0 = static_cast<float>(std::tan(static_cast<double>(1000.0f * inv * 0.5f)));
        const auto t1 =
            static_cast<float>(std::tan(static_cast<double>(fc * 6.2831855f * inv * 0.5f)));
        frame.prepare(s, static_cast<double>((1.0f - t0) / (1.0f + t0)),
                      static_cast<double>((1.0f - t1) / (1.0f + t1)));
    }

    void channel(double& x, double& dry, float g, double& fb, bool right)
    {
        const size_t c = right ? 1 : 0;
        inputHighpass[c].process(x);
        dry = x;
        fixed[c][0].process(x);
        fixed[c][1].process(x);
        x = fb * frame.gains.feedback + x;
        for (auto& stage : stages[c])
            stage.process(x, g);
        fixed[c][2].process(x);
        fb = x * (-0.8);
        fixed[c][3].process(x);
    }
};
} // namespace Reference
