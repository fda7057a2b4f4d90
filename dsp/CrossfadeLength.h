#pragma once

// Length in samples of every fade and ramp at a sample rate: about 23 to 46 ms, a power of two
// so that fades land exactly on their end values. An unordered rate gets the longest one.
inline int crossfadeLengthFor(float sampleRate)
{
    if (sampleRate < 34050.0f)
        return 1024;
    if (sampleRate < 68000.0f)
        return 2048;
    if (sampleRate < 136000.0f)
        return 4096;
    return 8192;
}
