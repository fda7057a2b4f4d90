#pragma once

#include "LfoSweep.h"
#include "OnePole.h"
#include "SmoothVolume.h"

// Runs a model's per-sample chain over a block: chain(i, g, gain) gets sample i's all-pass
// coefficient(s) from the LFO and its output level gain. With lfoAhead the LFO and the level
// of a run of samples are computed first, which keeps the chain's loop short so that more of
// its samples overlap (best for short chains); otherwise everything runs in one loop and the
// LFO fills the time a long feedback chain waits on its own results. Either way every value
// is computed exactly as sample by sample.
template <typename Lanes, bool spread, bool lfoAhead, typename Osc, typename Chain>
[[gnu::always_inline]] inline void runSweptChain(Osc& osc, OnePole& lfoSmoother,
                                                 SmoothVolume& levelSmoother, float coefMin,
                                                 float coefRange, int count, Chain chain)
{
    LfoSweep<Lanes, spread> sweep(lfoSmoother, coefMin, coefRange);
    SmoothVolume level(levelSmoother);
    if constexpr (lfoAhead)
    {
        constexpr int run = 128;
        float lfoA[run], lfoB[run];
        double gain[run];
        for (int start = 0; start < count; start += run)
        {
            const int n = count - start < run ? count - start : run;
            osc.template generate<spread>(
                n, [&](int i, float a, float b) __attribute__((always_inline)) {
                    lfoA[i] = a;
                    lfoB[i] = b;
                    gain[i] = level.nextGain();
                });
            for (int i = 0; i < n; ++i)
                chain(start + i, sweep.next(lfoA[i], lfoB[i]), gain[i]);
        }
    }
    else
    {
        osc.template generate<spread>(
            count, [&](int i, float a, float b) __attribute__((always_inline)) {
                const auto g = sweep.next(a, b);
                chain(i, g, level.nextGain());
            });
    }
    sweep.saveTo(lfoSmoother);
    levelSmoother = level;
}
