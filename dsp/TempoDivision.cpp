#include "TempoDivision.h"

namespace
{
constexpr float beats[TempoDivision::count] = {
    32.0f, 16.0f, 8.0f,   4.0f,   3.0f,  2.0f,    1.333f,  1.5f,   1.0f,   0.6665f,
    0.75f, 0.5f,  0.333f, 0.375f, 0.25f, 0.1665f, 0.1875f, 0.125f, 0.083f,
};
} // namespace

int TempoDivision::stepFor(float rateSync)
{
    if (rateSync <= 0.0f)
        return 0;
    // k / 18.0f is the float nearest to k/18: both operands are exact and division rounds once.
    for (int step = 1; step < count - 1; ++step)
        if (rateSync <= static_cast<float>(step) / 18.0f)
            return step;
    return count - 1;
}

float TempoDivision::beatsPerCycle(float rateSync)
{
    return beats[stepFor(rateSync)];
}
