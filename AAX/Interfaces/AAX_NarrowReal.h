#pragma once

#include <limits>

// Narrows a double to a real value type. A double beyond the type's range is limited in double
// first, since narrowing it as it stands is undefined; a NaN stays a NaN.
template <typename T> T AAX_NarrowReal(double value)
{
    constexpr double largest = static_cast<double>(std::numeric_limits<T>::max());
    if (value > largest)
        return std::numeric_limits<T>::max();
    if (value < -largest)
        return std::numeric_limits<T>::lowest();
    return static_cast<T>(value);
}
