#pragma once

#include "ModuleBase.h"

// One-pole lowpass y = (1 - a) x + a y1, a = exp(-2 pi f / fs); smooths the LFO.
class OnePole final : public ModuleBase
{
public:
    OnePole();

    void resetBuffer() override;
    void resetCoeffs() override;
    void process(double& sample) override;
    void process(double& left, double& right) override;

    // Computes the coefficients at once.
    void setFrequency(float f);
    // Float samples run through the 64-bit state and are rounded back to 32 bits.
    void process(float& sample);
    void process(float& left, float& right);

    template <typename Sample> static Sample step(Sample x, Sample& state, Sample b0, Sample a1)
    {
        const Sample y = b0 * x - a1 * state;
        state = y;
        return y;
    }

    // Plain state, public so that the models' block loops can keep it in registers.
    float frequency;
    double b0;
    double a1;
    double stateLeft;
    double stateRight;
};
