#pragma once

#include <juce_core/juce_core.h>

namespace NumberText
{
// `value` in fixed notation with exactly `decimals` digits after the point (0 to 5; none and no
// point for 0), halves rounded away from zero: 0.625 with two decimals gives "0.63". (The
// framework's String (float, decimals) rounds exact halves to even.) A minus sign is written
// only when the rounded text is not zero.
juce::String fixed(float value, int decimals);
} // namespace NumberText
