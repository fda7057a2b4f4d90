#pragma once

#include "OnePole.h"
#include "SampleLanes.h"

// Turns LFO samples into all-pass coefficients: smoothed by the LFO's one-pole lowpass, then
// mapped onto the depth range. With spread, the right lane follows the second LFO table
// through the smoother's right state; without it, every lane gets the left coefficient.
template <typename Lanes, bool spread> class LfoSweep
{
public:
    using Sample = typename Lanes::Sample;

    LfoSweep(const OnePole& smoother, float coefMinimum, float coefRangeWidth)
        : b0(smoother.b0), a1(smoother.a1), stateLeft(smoother.stateLeft), coefMin(coefMinimum),
          coefRange(coefRangeWidth), b0Pair{b0, b0}, a1Pair{a1, a1}, statePair{smoother.stateLeft,
                                                                               smoother.stateRight},
          coefMinPair{coefMin, coefMin}, coefRangePair{coefRange, coefRange}
    {
    }

    void saveTo(OnePole& smoother) const
    {
        if constexpr (spread)
        {
            smoother.stateLeft = statePair[0];
            smoother.stateRight = statePair[1];
        }
        else
        {
            smoother.stateLeft = stateLeft;
        }
    }

    Sample next(float lfoLeft, float lfoRight)
    {
        if constexpr (spread)
        {
            // Both channels side by side, lane by lane the same operations as the left one.
            const FloatPair lfo{lfoLeft, lfoRight};
            const SamplePair smoothed =
                OnePole::step(__builtin_convertvector(lfo, SamplePair), statePair, b0Pair, a1Pair);
            const FloatPair g =
                __builtin_convertvector(smoothed, FloatPair) * coefRangePair + coefMinPair;
            const FloatPair lower = g < -0.9999f ? FloatPair{-0.9999f, -0.9999f} : g;
            return __builtin_convertvector(lower > 0.9999f ? FloatPair{0.9999f, 0.9999f} : lower,
                                           SamplePair);
        }
        else
        {
            const float left =
                static_cast<float>(OnePole::step(static_cast<double>(lfoLeft), stateLeft, b0, a1));
            return Lanes::splat(static_cast<double>(clampCoefficient(left * coefRange + coefMin)));
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
    double b0;
    double a1;
    double stateLeft;
    float coefMin;
    float coefRange;
    SamplePair b0Pair;
    SamplePair a1Pair;
    SamplePair statePair;
    FloatPair coefMinPair;
    FloatPair coefRangePair;
};
