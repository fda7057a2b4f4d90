#include "Phaser90.h"

#include "AllpassStep.h"
#include "PhaserSweepDriver.h"
#include "SampleLanes.h"

#include <cmath>
#include <type_traits>

Phaser90::Phaser90()
{
    name = "Phaser90";
    Frame::construct(*this);
}

Phaser90::~Phaser90()
{
    Frame::destroy(*this);
}

void Phaser90::setSampleRate(float newSampleRate)
{
    sampleRate = newSampleRate;
    osc.setSampleRate(newSampleRate);
    lfoSmoother.setSampleRate(newSampleRate);
    inputHighpass.setSampleRate(newSampleRate);
    outputHighpass.setSampleRate(newSampleRate);
    levelSmoother.setSampleRate(newSampleRate);
}

void Phaser90::resetBuffer()
{
    osc.resetBuffer();
    lfoSmoother.resetBuffer();
    clearAudioMemory();
    levelSmoother.resetBuffer();
}

void Phaser90::clearAudioMemory()
{
    inputHighpass.resetBuffer();
    stage1.resetBuffer();
    stage2.resetBuffer();
    stage3.resetBuffer();
    stage4.resetBuffer();
    outputHighpass.resetBuffer();
    frame.feedbackRight = 0.0;
    frame.feedbackLeft = 0.0;
}

void Phaser90::resetCoeffs()
{
    osc.resetCoeffs();
    lfoSmoother.resetCoeffs();
    inputHighpass.resetCoeffs();
    outputHighpass.resetCoeffs();
    levelSmoother.resetCoeffs();
}

void Phaser90::calc()
{
    Frame::calc(*this);
}

void Phaser90::process(float* buffer, int count)
{
    Frame::process(*this, buffer, nullptr, count);
}

void Phaser90::process(float* left, float* right, int count)
{
    Frame::process(*this, left, right, count);
}

void Phaser90::setParameter(int index, float value)
{
    Frame::setParameter(*this, index, value);
}

void Phaser90::calcParameter(int index)
{
    Frame::calcParameter(*this, index);
}

float Phaser90::getDefaultParameter(int index) const
{
    return modelParameterDefault(index);
}

const char* Phaser90::getParameterName(int index) const
{
    return modelParameterName(index);
}

void Phaser90::setExpectedSampleFrame(int frames)
{
    Frame::setExpectedSampleFrame(*this, frames);
}

void Phaser90::forceCalcParams()
{
    Frame::forceCalcParams(*this);
}

void Phaser90::processBlock(float* in, float* out, int count)
{
    Frame::processBlock(*this, in, out, count);
}

void Phaser90::calcOsc()
{
    Frame::calcOsc(*this);
}

void Phaser90::processPhaser(float* buffer, int count)
{
    runChain<MonoLanes, false>(buffer, nullptr, count);
}

void Phaser90::processPhaser(float* left, float* right, int count)
{
    if (frame.stereoOn)
        runChain<StereoLanes, true>(left, right, count);
    else
        runChain<StereoLanes, false>(left, right, count);
}

void Phaser90::calcDepth()
{
    const float resistance = (frame.depth * (-23120.0f) + 24000.0f) * 6.2831855f;
    const double fc = 1.0 / (static_cast<double>(resistance) * static_cast<double>(4.7e-08f));
    const double inv = static_cast<double>(1.0f / sampleRate);
    const double t0 = std::tan(886.5248072057691 * inv * 0.5);
    const double t1 = std::tan(fc * static_cast<double>(6.2831855f) * inv * 0.5);
    Frame::setCoefficientBounds(frame, (1.0 - t0) / (1.0 + t0), (1.0 - t1) / (1.0 + t1));
}

void Phaser90::calcFixedFilters()
{
    inputHighpass.setFrequency(33.0f);
    outputHighpass.setFrequency(22.575f);
    lfoSmoother.setFrequency(200.0f);
}

template <typename Lanes, bool spread> void Phaser90::runChain(float* left, float* right, int count)
{
    using Sample = typename Lanes::Sample;
    const Sample feedbackGain = Lanes::splat(static_cast<double>(frame.feedback));
    const Sample wetGain = Lanes::splat(static_cast<double>(frame.mix));
    const Sample dryGain = Lanes::splat(static_cast<double>(1.0f - frame.mix));
    const Sample feedbackTap = Lanes::splat(-0.8);
    Sample fb = Lanes::read(frame.feedbackLeft, frame.feedbackRight);
    AllpassState<Lanes> s1(stage1), s2(stage2), s3(stage3), s4(stage4);
    HighpassState<Lanes> inHighpass(inputHighpass), outHighpass(outputHighpass);

    runSweptChain<Lanes, spread, std::is_same_v<Lanes, StereoLanes>>(
        osc, lfoSmoother, levelSmoother, frame.coefMin, frame.coefRange,
        count, [&](int i, Sample g, double gain) __attribute__((always_inline)) {
            Sample x = inHighpass.process(Lanes::load(left, right, i));
            const Sample dry = x;
            x = s1.process(x, g);
            x = fb * feedbackGain + x;
            x = s2.process(x, g);
            x = s3.process(x, g);
            x = s4.process(x, g);
            const Sample wet = x;
            Sample out = wetGain * wet + dry * dryGain;
            fb = wet * feedbackTap;
            out = outHighpass.process(out);
            Lanes::store(Lanes::splat(gain) * out, left, right, i);
        });

    Lanes::write(fb, frame.feedbackLeft, frame.feedbackRight);
    s1.saveTo(stage1);
    s2.saveTo(stage2);
    s3.saveTo(stage3);
    s4.saveTo(stage4);
    inHighpass.saveTo(inputHighpass);
    outHighpass.saveTo(outputHighpass);
}
