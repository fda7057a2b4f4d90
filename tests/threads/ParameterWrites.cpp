#include "ParameterWrites.h"

#include "ParameterId.h"

#include <array>

namespace
{
constexpr std::array<int, 6> knobs{kRate, kRateSync, kDepth, kFeedback, kMix, kLevel};
constexpr std::array<int, 3> switches{kOnBypass, kStereo, kSync};
} // namespace

float ParameterWrites::randomValue(juce::Random& random, int index)
{
    if (index == kOnBypass)
        return random.nextInt(4) != 0 ? 1.0f : 0.0f;

    if (ParameterTable::isSwitch(index))
        return random.nextBool() ? 1.0f : 0.0f;

    if (index == kPhaserType)
        return 0.5f * (float)random.nextInt(3);

    return random.nextFloat();
}

int ParameterWrites::randomAutomatedIndex(juce::Random& random)
{
    const int kind = random.nextInt(256);

    if (kind == 0)
        return kPhaserType;

    if (kind < 16)
        return switches[(size_t)random.nextInt((int)switches.size())];

    return knobs[(size_t)random.nextInt((int)knobs.size())];
}
