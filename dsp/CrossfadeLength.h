#pragma once

#include <type_traits>

// Length in samples of every fade and ramp at a sample rate: about 23 to 46 ms, a power of two
// so that fades land exactly on their end values. An unordered rate gets the longest one.
// The models compare their 32-bit rate, the processor the host's 64-bit one: the comparison is
// made in the caller's precision (the band edges are exact in both).
template <typename Rate> int crossfadeLengthFor(Rate sampleRate)
{
    static_assert(std::is_floating_point_v<Rate>, "a sample rate is a floating-point value");
    if (sampleRate < Rate(34050))
        return 1024;
    if (sampleRate < Rate(68000))
        return 2048;
    if (sampleRate < Rate(136000))
        return 4096;
    return 8192;
}
