#pragma once

#include <cmath>

// One cycle of a triangle whose slopes are bent by a logarithm, so that a sweep driven by it
// lingers near its peak, and the reading of such a table at a fractional position.
namespace TriangleWavetable
{
constexpr int size = 1024;

// tableA starts at its minimum, tableB half a cycle later; shape is the bending constant and
// divisor is logf(1 + shape), so both tables run exactly from -1 to +1.
void fill(float* tableA, float* tableB, float shape, float divisor);

// Linear interpolation between the entry at the position and the next one, wrapping at the end.
// The position must lie in [0, size), where truncation equals floorf and needs no library call.
inline float read(const float* table, float position)
{
    const int index = static_cast<int>(position);
    const float frac = position - static_cast<float>(index);
    const int next = index < size - 1 ? index + 1 : 0;
    return frac * table[next] + (1.0f - frac) * table[index];
}

// Any position that left the table (an increment of a whole period or more, a negative or
// unordered one) is brought back into [0, size); such a position costs a slow path only.
inline float wrapFar(float position)
{
    if (!std::isfinite(position))
        return 0.0f;
    position = std::fmod(position, static_cast<float>(size));
    if (position < 0.0f)
        position += static_cast<float>(size);
    return position < static_cast<float>(size) ? position : 0.0f;
}

inline float advance(float position, float increment)
{
    position = increment + position;
    if (position >= static_cast<float>(size))
        position -= static_cast<float>(size);
    if (!(position >= 0.0f && position < static_cast<float>(size)))
        position = wrapFar(position);
    return position;
}
} // namespace TriangleWavetable
