#pragma once

#include "ModuleBase.h"

// One-pole highpass: the input minus a trapezoidal one-pole lowpass of it (DC blocking).
class OnePoleHighpass final : public ModuleBase
{
public:
    OnePoleHighpass();

    void resetBuffer() override;
    void resetCoeffs() override;
    void process(double& sample) override;
    void process(double& left, double& right) override;

    // Computes the coefficients at once.
    void setFrequency(float f);

    template <typename Sample> static Sample step(Sample x, Sample& state, Sample g, Sample norm)
    {
        const Sample lp = (g * x + state) * norm;
        state = (x - lp) * g + lp;
        return x - lp;
    }

    // Plain state, public so that the models' block loops can keep it in registers.
    float frequency;
    double g;
    double norm;
    double stateLeft;
    double stateRight;
};

// A highpass's coefficients and memory held in registers for a block, written back at the end.
template <typename Lanes> struct HighpassState
{
    using Sample = typename Lanes::Sample;

    explicit HighpassState(const OnePoleHighpass& filter)
        : g(Lanes::splat(filter.g)), norm(Lanes::splat(filter.norm)),
          state(Lanes::read(filter.stateLeft, filter.stateRight))
    {
    }

    void saveTo(OnePoleHighpass& filter) const
    {
        Lanes::write(state, filter.stateLeft, filter.stateRight);
    }

    Sample process(Sample x) { return OnePoleHighpass::step(x, state, g, norm); }

    Sample g;
    Sample norm;
    Sample state;
};
