#pragma once

#include "DspBase.h"

// A low-frequency oscillator whose per-sample table increment glides to a new target over the
// crossfade length instead of jumping.
class OscBaseClass : public DspBase
{
public:
    OscBaseClass();

    // Also picks the ramp length for the rate.
    void setSampleRate(float newSampleRate) override;
    void resetBuffer() override;

    virtual void setFrequency(float hz);
    virtual float getFreq() const;
    virtual void setPhase(float newPhase);
    virtual float getPhase() const;
    virtual void setAmplitude(float newAmplitude);
    virtual float getAmplitude() const;
    // Makes the target increment effective at once, without a ramp.
    virtual void forceCalcParams();
    virtual float getOscSignal() = 0;

    float getIncrement() const { return increment; }
    float getTargetIncrement() const { return targetIncrement; }
    int getRampLength() const { return rampLength; }

protected:
    // Runs count output samples of a wavetable oscillator from its tables and position: follows
    // a new target, steps the ramp, reads table A (and B when both) and hands sample i to
    // body(i, a, b), then advances the position. The state lives in registers for the run and
    // is written back after it.
    template <bool both, typename Body>
    [[gnu::always_inline]] void generateFrom(const float* tableA, const float* tableB,
                                             float& position, int count, Body body);

    float frequency = 0.0f;
    float amplitude = 1.0f;
    float phase = 0.0f;
    float targetIncrement = 0.0f;
    int rampCounter = 0;
    int rampLength = 0;
    float rampStep = 0.0f;
    float increment = 0.0f;
    float lastTargetIncrement = 0.0f;
    float rampLengthInv = 0.0f;
};

#include "TriangleWavetable.h"

template <bool both, typename Body>
[[gnu::always_inline]] inline void OscBaseClass::generateFrom(const float* tableA,
                                                              const float* tableB, float& position,
                                                              int count, Body body)
{
    const float target = targetIncrement;
    const int length = rampLength;
    const float lengthInv = rampLengthInv;
    float last = lastTargetIncrement;
    float step = rampStep;
    int counter = rampCounter;
    float inc = increment;
    float pos = position;
    for (int i = 0; i < count; ++i)
    {
        if (target != last)
        {
            step = (target - inc) * lengthInv;
            counter = 0;
            last = target;
        }
        if (counter < length)
        {
            counter += 1;
            inc = step + inc;
        }
        if constexpr (both)
            body(i, TriangleWavetable::read(tableA, pos), TriangleWavetable::read(tableB, pos));
        else
            body(i, TriangleWavetable::read(tableA, pos), 0.0f);
        pos = TriangleWavetable::advance(pos, inc);
    }
    lastTargetIncrement = last;
    rampStep = step;
    rampCounter = counter;
    increment = inc;
    position = pos;
}
