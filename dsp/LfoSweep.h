#pragma once

#include "OnePole.h"

// Turns LFO samples into all-pass coefficients: smoothed by the LFO's one-pole lowpass, then
// mapped onto the depth range. With spread, the right lane follows the second LFO table
// through the smoother's right state; without it, every lane gets the left coefficient.
template <typename Lanes, bool spread> class LfoSweep
{
public:
    using Sample = typename Lanes::Sample;

    LfoSweep(const OnePole& smoother, float coefMinimum, float coefRangeWidth)
        : b0(smoother.b0), a1(smoother.a1), stateLeft(smoother.stateLeft),
          stateRight(smoother.stateRight), coefMin(coefMinimum), coefRange(coefRangeWidth)
    {
    }

    void saveTo(OnePole& smoother) const
    {
        smoother.stateLeft = stateLeft;
        if constexpr (spread)
            smoother.stateRight = stateRight;
    }

    Sample next(float lfoLeft, float lfoRight)
    {
        const float left = coefficient(smooth(lfoLeft, stateLeft));
        if constexpr (spread)
        {
            const float right = coefficient(smooth(lfoRight, stateRight));
            return Sample{static_cast<double>(left), static_cast<double>(right)};
        }
        else
        {
            return Lanes::splat(static_cast<double>(left));
        }
    }

    // Beyond +-0.9999 a first-order all-pass stage turns unstable. Within the depth ranges of
    // the models this bound is reached only at low sample rates (below about 15 kHz).
    static float clampCoefficient(float g)
    {
        const float lower = g < -0.9999f ? -0.9999f : g;
        return lower > 0.9999f ? 0.9999f : lower;
    }

private:
    float smooth(float lfo, double& state) const
    {
        return static_cast<float>(OnePole::step(static_cast<double>(lfo), state, b0, a1));
    }

    float coefficient(float lfo) const { return clampCoefficient(lfo * coefRange + coefMin); }

    double b0;
    double a1;
    double stateLeft;
    double stateRight;
    float coefMin;
    float coefRange;
};
