#pragma once

#include "SmoothVolume.h"

// The parts of a model's chain that no audio reaches, computed ahead for a run of samples:
// the LFO samples (table A, and table B with spread) and the output level gains.
template <bool spread> struct PhaserModulation
{
    static constexpr int chunk = 256;

    template <typename Osc> void fill(Osc& osc, SmoothVolume& levelSmoother, int count)
    {
        if constexpr (spread)
            osc.fill(lfoA, lfoB, count);
        else
            osc.fill(lfoA, count);
        levelSmoother.fillGains(gain, count);
    }

    float lfoRight(int i) const
    {
        if constexpr (spread)
            return lfoB[i];
        else
            return lfoA[i];
    }

    float lfoA[chunk];
    float lfoB[spread ? chunk : 1];
    double gain[chunk];
};
