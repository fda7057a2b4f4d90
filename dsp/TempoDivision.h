#pragma once

// The 19 note values the LFO can lock to, from 8/1 down to a 1/32 triplet.
namespace TempoDivision
{
constexpr int count = 19;

// The step (0 to 18) a normalised RateSync value selects: step k covers (k-1)/18 < value <= k/18,
// values at or below 0 take the first step and anything else, NaN included, the last one.
int stepFor(float rateSync);

// Beats per LFO cycle of the step a RateSync value selects. The triplet steps keep their rounded
// decimal values.
float beatsPerCycle(float rateSync);
} // namespace TempoDivision
