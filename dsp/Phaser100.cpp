#include "Phaser100.h"

#include "AllpassStep.h"
#include "PhaserSweepDriver.h"
#include "SampleLanes.h"

#include <cmath>

Phaser100::Phaser100()
{
    name = "Phaser100";
    Frame::construct(*this);
}

Phaser100::~Phaser100()
{
    Frame::destroy(*this);
}

void Phaser100::setSampleRate(float newSampleRate)
{
    sampleRate = newSampleRate;
    osc.setSampleRate(newSampleRate);
    lfoSmoother.setSampleRate(newSampleRate);
    inputHighpass.setSampleRate(newSampleRate);
    outputHighpass.setSampleRate(newSampleRate);
    levelSmoother.setSampleRate(newSampleRate);
}

void Phaser100::resetBuffer()
{
    osc.resetBuffer();
    lfoSmoother.resetBuffer();
    clearAudioMemory();
    levelSmoother.resetBuffer();
}

void Phaser100::clearAudioMemory()
{
    inputHighpass.resetBuffer();
    fixedAllpass1.resetBuffer();
    fixedAllpass2.resetBuffer();
    stage1.resetBuffer();
    stage2.resetBuffer();
    stage3.resetBuffer();
    stage4.resetBuffer();
    stage5.resetBuffer();
    stage6.resetBuffer();
    fixedAllpass3.resetBuffer();
    fixedAllpass4.resetBuffer();
    outputHighpass.resetBuffer();
    frame.feedbackRight = 0.0;
    frame.feedbackLeft = 0.0;
}

void Phaser100::resetCoeffs()
{
    osc.resetCoeffs();
    lfoSmoother.resetCoeffs();
    inputHighpass.resetCoeffs();
    outputHighpass.resetCoeffs();
    fixedAllpass1.resetCoeffs();
    fixedAllpass2.resetCoeffs();
    fixedAllpass3.resetCoeffs();
    fixedAllpass4.resetCoeffs();
    levelSmoother.resetCoeffs();
}

void Phaser100::calc()
{
    Frame::calc(*this);
}

void Phaser100::process(float* buffer, int count)
{
    Frame::process(*this, buffer, nullptr, count);
}

void Phaser100::process(float* left, float* right, int count)
{
    Frame::process(*this, left, right, count);
}

void Phaser100::setParameter(int index, float value)
{
    Frame::setParameter(*this, index, value);
}

void Phaser100::calcParameter(int index)
{
    Frame::calcParameter(*this, index);
}

float Phaser100::getDefaultParameter(int index) const
{
    return modelParameterDefault(index);
}

const char* Phaser100::getParameterName(int index) const
{
    return modelParameterName(index);
}

void Phaser100::setExpectedSampleFrame(int frames)
{
    Frame::setExpectedSampleFrame(*this, frames);
}

void Phaser100::forceCalcParams()
{
    Frame::forceCalcParams(*this);
}

void Phaser100::processBlock(float* in, float* out, int count)
{
    Frame::processBlock(*this, in, out, count);
}

void Phaser100::calcOsc()
{
    Frame::calcOsc(*this);
}

void Phaser100::processPhaser(float* buffer, int count)
{
    runChain<MonoLanes, false>(buffer, nullptr, count);
}

void Phaser100::processPhaser(float* left, float* right, int count)
{
    if (frame.stereoOn)
        runChain<StereoLanes, true>(left, right, count);
    else
        runChain<StereoLanes, false>(left, right, count);
}

void Phaser100::calcDepth()
{
    const float product = ((frame.depth * (-93000.0f) + 100000.0f) * 6.2831855f) * 1e-08f;
    const float fc = 1.0f / product;
    const float inv = 1.0f / sampleRate;
    const auto t0 = static_cast<float>(std::tan(static_cast<double>(1000.0f * inv * 0.5f)));
    const auto t1 = static_cast<float>(std::tan(static_cast<double>(fc * 6.2831855f * inv * 0.5f)));
    Frame::setCoefficientBounds(frame, (1.0f - t0) / (1.0f + t0), (1.0f - t1) / (1.0f + t1));
}

void Phaser100::calcFixedFilters()
{
    const float t =
        static_cast<float>(std::tan(static_cast<double>((1.0f / sampleRate) * 5000.0f * 0.5f)));
    const float g = (1.0f - t) / (1.0f + t);
    fixedAllpass1.setGainCoeff(g);
    fixedAllpass2.setGainCoeff(g);
    fixedAllpass3.setGainCoeff(g);
    fixedAllpass4.setGainCoeff(g);
    inputHighpass.setFrequency(33.0f);
    outputHighpass.setFrequency(22.575f);
    lfoSmoother.setFrequency(200.0f);
}

template <typename Lanes, bool spread>
void Phaser100::runChain(float* left, float* right, int count)
{
    using Sample = typename Lanes::Sample;
    const Sample feedbackGain = Lanes::splat(static_cast<double>(frame.feedback));
    const Sample wetGain = Lanes::splat(static_cast<double>(frame.mix));
    const Sample dryGain = Lanes::splat(static_cast<double>(1.0f - frame.mix));
    const Sample feedbackTap = Lanes::splat(-0.8);
    const Sample g1 = Lanes::splat(static_cast<double>(fixedAllpass1.gainCoeff));
    const Sample g2 = Lanes::splat(static_cast<double>(fixedAllpass2.gainCoeff));
    const Sample g3 = Lanes::splat(static_cast<double>(fixedAllpass3.gainCoeff));
    const Sample g4 = Lanes::splat(static_cast<double>(fixedAllpass4.gainCoeff));
    Sample fb = Lanes::read(frame.feedbackLeft, frame.feedbackRight);
    AllpassState<Lanes> f1(fixedAllpass1), f2(fixedAllpass2), f3(fixedAllpass3), f4(fixedAllpass4);
    AllpassState<Lanes> s1(stage1), s2(stage2), s3(stage3), s4(stage4), s5(stage5), s6(stage6);
    HighpassState<Lanes> inHighpass(inputHighpass), outHighpass(outputHighpass);

    runSweptChain<Lanes, spread, false>(
        osc, lfoSmoother, levelSmoother, frame.coefMin, frame.coefRange,
        count, [&](int i, Sample g, double gain) __attribute__((always_inline)) {
            Sample x = inHighpass.process(Lanes::load(left, right, i));
            const Sample dry = x;
            x = f1.process(x, g1);
            x = f2.process(x, g2);
            x = fb * feedbackGain + x;
            x = s1.process(x, g);
            x = s2.process(x, g);
            x = s3.process(x, g);
            x = s4.process(x, g);
            x = s5.process(x, g);
            x = s6.process(x, g);
            x = f3.process(x, g3);
            fb = x * feedbackTap;
            x = f4.process(x, g4);
            const Sample wet = x;
            Sample out = wetGain * wet + dry * dryGain;
            out = outHighpass.process(out);
            Lanes::store(Lanes::splat(gain) * out, left, right, i);
        });

    Lanes::write(fb, frame.feedbackLeft, frame.feedbackRight);
    f1.saveTo(fixedAllpass1);
    f2.saveTo(fixedAllpass2);
    f3.saveTo(fixedAllpass3);
    f4.saveTo(fixedAllpass4);
    s1.saveTo(stage1);
    s2.saveTo(stage2);
    s3.saveTo(stage3);
    s4.saveTo(stage4);
    s5.saveTo(stage5);
    s6.saveTo(stage6);
    inHighpass.saveTo(inputHighpass);
    outHighpass.saveTo(outputHighpass);
}
