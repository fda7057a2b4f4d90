#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// How the dispatchers read the host's arguments and widen their answers.
namespace DispatchValues
{
inline std::int64_t fromBool(bool state)
{
    return state ? 1 : 0;
}

// The float argument as an int32: truncated towards zero, 0 when it has no int32 value.
inline std::int32_t toInt32(float opt)
{
    const double value = std::trunc(static_cast<double>(opt));
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max()))
        return 0;
    return static_cast<std::int32_t>(value);
}

// A size or count the host passes as a 64-bit value; it must fit a positive int32.
inline bool isPositiveInt32(std::int64_t size)
{
    return size > 0 && size <= std::numeric_limits<std::int32_t>::max();
}

template <typename Record> Record* recordAt(std::int64_t address)
{
    return reinterpret_cast<Record*>(static_cast<std::intptr_t>(address));
}
} // namespace DispatchValues
