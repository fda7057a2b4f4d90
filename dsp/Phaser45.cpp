#include "Phaser45.h"

#include "AllpassStep.h"
#include "PhaserSweepDriver.h"
#include "SampleLanes.h"

#include <cmath>

Phaser45::Phaser45()
{
    name = "Phaser45";
    Frame::construct(*this);
}

Phaser45::~Phaser45()
{
    Frame::destroy(*this);
}

void Phaser45::setSampleRate(float newSampleRate)
{
    sampleRate = newSampleRate;
    osc.setSampleRate(newSampleRate);
    lfoSmoother.setSampleRate(newSampleRate);
    outputHighpass.setSampleRate(newSampleRate);
    levelSmoother.setSampleRate(newSampleRate);
}

void Phaser45::resetBuffer()
{
    osc.resetBuffer();
    lfoSmoother.resetBuffer();
    clearAudioMemory();
    levelSmoother.resetBuffer();
}

void Phaser45::clearAudioMemory()
{
    stage1.resetBuffer();
    stage2.resetBuffer();
    outputHighpass.resetBuffer();
    frame.feedbackRight = 0.0;
    frame.feedbackLeft = 0.0;
}

void Phaser45::resetCoeffs()
{
    osc.resetCoeffs();
    lfoSmoother.resetCoeffs();
    outputHighpass.resetCoeffs();
    levelSmoother.resetCoeffs();
}

void Phaser45::calc()
{
    Frame::calc(*this);
}

void Phaser45::process(float* buffer, int count)
{
    Frame::process(*this, buffer, nullptr, count);
}

void Phaser45::process(float* left, float* right, int count)
{
    Frame::process(*this, left, right, count);
}

void Phaser45::setParameter(int index, float value)
{
    Frame::setParameter(*this, index, value);
}

void Phaser45::calcParameter(int index)
{
    Frame::calcParameter(*this, index);
}

float Phaser45::getDefaultParameter(int index) const
{
    return modelParameterDefault(index);
}

const char* Phaser45::getParameterName(int index) const
{
    return modelParameterName(index);
}

void Phaser45::setExpectedSampleFrame(int frames)
{
    Frame::setExpectedSampleFrame(*this, frames);
}

void Phaser45::forceCalcParams()
{
    Frame::forceCalcParams(*this);
}

void Phaser45::processBlock(float* in, float* out, int count)
{
    Frame::processBlock(*this, in, out, count);
}

void Phaser45::calcOsc()
{
    Frame::calcOsc(*this);
}

void Phaser45::processPhaser(float* buffer, int count)
{
    runChain<MonoLanes, false>(buffer, nullptr, count);
}

void Phaser45::processPhaser(float* left, float* right, int count)
{
    if (frame.stereoOn)
        runChain<StereoLanes, true>(left, right, count);
    else
        runChain<StereoLanes, false>(left, right, count);
}

void Phaser45::calcDepth()
{
    const float resistance = frame.depth * (-19120.0f) + 20000.0f;
    const double fc = 1.0 / (static_cast<double>(resistance) * 6.283185307179586 * 4.7e-08);
    const double inv = static_cast<double>(1.0f / sampleRate);
    const double t0 = std::tan(1063.8297872340427 * inv * 0.5);
    const double t1 = std::tan(fc * 6.283185307179586 * inv * 0.5);
    Frame::setCoefficientBounds(frame, (1.0 - t0) / (1.0 + t0), (1.0 - t1) / (1.0 + t1));
}

void Phaser45::calcFixedFilters()
{
    outputHighpass.setFrequency(22.575f);
    lfoSmoother.setFrequency(200.0f);
}

template <typename Lanes, bool spread> void Phaser45::runChain(float* left, float* right, int count)
{
    using Sample = typename Lanes::Sample;
    const Sample feedbackGain = Lanes::splat(static_cast<double>(frame.feedback));
    const Sample wetGain = Lanes::splat(static_cast<double>(frame.mix));
    const Sample dryGain = Lanes::splat(static_cast<double>(1.0f - frame.mix));
    const Sample feedbackTap = Lanes::splat(0.8);
    Sample fb = Lanes::read(frame.feedbackLeft, frame.feedbackRight);
    AllpassState<Lanes> s1(stage1), s2(stage2);
    HighpassState<Lanes> highpass(outputHighpass);

    runSweptChain<Lanes, spread, true>(
        osc, lfoSmoother, levelSmoother, frame.coefMin, frame.coefRange,
        count, [&](int i, Sample g, double gain) __attribute__((always_inline)) {
            Sample x = Lanes::load(left, right, i);
            const Sample dry = x;
            x = s1.process(x, g);
            x = fb * feedbackGain + x;
            x = s2.process(x, g);
            const Sample wet = x;
            Sample out = wetGain * wet + dry * dryGain;
            fb = wet * feedbackTap;
            out = highpass.process(out);
            Lanes::store(Lanes::splat(gain) * out, left, right, i);
        });

    Lanes::write(fb, frame.feedbackLeft, frame.feedbackRight);
    s1.saveTo(stage1);
    s2.saveTo(stage2);
    highpass.saveTo(outputHighpass);
}
