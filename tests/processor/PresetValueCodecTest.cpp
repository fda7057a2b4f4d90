#include "PresetValueCodec.h"
#include "ParameterId.h"
#include "StompixZR7714AudioProcessor.h"
#include "TempoDivision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace
{
#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool addressSanitizerBuild = true;
#else
constexpr bool addressSanitizerBuild = false;
#endif
#else
constexpr bool addressSanitizerBuild = false;
#endif

float floatWithBits(std::uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t bitsOfValue(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string bitsOf(float value)
{
    return juce::String::toHexString((juce::int64)bitsOfValue(value)).toStdString();
}

struct SteppedCase
{
    const char* name;
    int parameterIndex;
    int numSteps;
    // The step the audio path plays for a value.
    int (*plays)(float);
};

void PrintTo(const SteppedCase& steppedCase, std::ostream* out)
{
    *out << steppedCase.name;
}

struct Mismatches
{
    std::uint64_t count = 0;
    float first = 0.0f;
};

constexpr std::uint32_t bitsOfOne = 0x3f800000u;

// Where a step's bound lies: k/18 for the note values, k/2 for the models, each as the float
// nearest to it and as a host may compute it in single precision.
std::vector<float> stepBounds()
{
    std::vector<float> bounds;

    for (int k = 0; k <= 18; ++k)
        for (const float bound : {(float)k / 18.0f, (float)k * (1.0f / 18.0f), (float)(k / 18.0)})
            bounds.push_back(bound);

    for (int k = 0; k <= 2; ++k)
        bounds.push_back((float)k / 2.0f);

    return bounds;
}

// The bit patterns within ulpsAroundABound of a bound, both ends included, kept within 0 to 1.
struct BitRange
{
    std::uint32_t first, last;
};

constexpr std::uint32_t ulpsAroundABound = 4096;

BitRange rangeAround(float bound)
{
    const auto bits = bitsOfValue(bound);
    return {bits < ulpsAroundABound ? 0u : bits - ulpsAroundABound,
            std::min(bitsOfOne, bits + ulpsAroundABound)};
}

bool nearABound(std::uint32_t bits, const std::vector<float>& bounds)
{
    for (const float bound : bounds)
    {
        const auto range = rangeAround(bound);

        if (range.first <= bits && bits <= range.last)
            return true;
    }

    return false;
}

// Whether the text a value is stored as names, as a whole number, the step the value plays,
// and reads back as a value playing that step.
bool storedAsThePlayedStep(const SteppedCase& c, float value)
{
    const int plays = c.plays(value);
    const auto text = PresetValueCodec::encode(c.parameterIndex, value);

    return text.isNotEmpty() && text.containsOnly("0123456789") && text.getIntValue() == plays &&
           c.plays(PresetValueCodec::decode(c.parameterIndex, text)) == plays;
}

void check(const SteppedCase& c, std::uint32_t bits, Mismatches& mismatches)
{
    const float value = floatWithBits(bits);

    if (!storedAsThePlayedStep(c, value) && mismatches.count++ == 0)
        mismatches.first = value;
}

class SteppedValues : public ::testing::TestWithParam<SteppedCase>
{
};
} // namespace

// Each step a file holds reads back as a value that plays it; with the sweep below, a save and
// reload keeps what is heard.
TEST_P(SteppedValues, EachStoredStepReadsBackAsAValuePlayingIt)
{
    const auto& c = GetParam();

    for (int step = 0; step < c.numSteps; ++step)
    {
        const float readBack = PresetValueCodec::decode(c.parameterIndex, juce::String(step));
        EXPECT_EQ(c.plays(readBack), step) << "stored step " << step;
    }
}

// A value is stored as the text of the step it plays, and that text reads back as a value
// playing the same step: every float near a step's bound, where a rounding writer goes wrong,
// and a stride through the rest of 0 to 1.
TEST_P(SteppedValues, EveryValueIsStoredAsTheStepItPlays)
{
    const auto& c = GetParam();
    Mismatches mismatches;

    for (const float bound : stepBounds())
    {
        const auto range = rangeAround(bound);

        for (std::uint64_t bits = range.first; bits <= range.last; ++bits)
            check(c, (std::uint32_t)bits, mismatches);
    }

    constexpr std::uint32_t stride = 1021;

    for (std::uint64_t bits = 0; bits <= bitsOfOne; bits += stride)
        check(c, (std::uint32_t)bits, mismatches);

    check(c, bitsOfOne, mismatches);

    EXPECT_EQ(mismatches.count, 0u) << "first at 0x" << bitsOf(mismatches.first) << ": stored \""
                                    << PresetValueCodec::encode(c.parameterIndex, mismatches.first)
                                    << "\", plays " << c.plays(mismatches.first);
}

// The sweep above tries every value only near the bounds: every float from 0 to 1 shows that the
// step the audio path plays changes nowhere else.
TEST_P(SteppedValues, ThePlayedStepChangesOnlyNearABound)
{
    if (addressSanitizerBuild)
        GTEST_SKIP() << "arithmetic only: the plain builds sweep it, here it would take minutes";

    const auto& c = GetParam();
    const auto bounds = stepBounds();

    // Every float from 0 to 1, both included, against the one below it: about a thousand
    // million, in four runs side by side.
    constexpr std::uint64_t numValues = bitsOfOne + 1;
    constexpr std::uint64_t numRuns = 4;
    std::array<Mismatches, numRuns> found;
    std::vector<std::thread> runs;

    for (std::uint64_t run = 0; run < numRuns; ++run)
        runs.emplace_back(
            [&, run]
            {
                auto& changes = found[run];
                const auto begin = std::max<std::uint64_t>(1, numValues * run / numRuns);
                const auto end = numValues * (run + 1) / numRuns;
                int previous = c.plays(floatWithBits((std::uint32_t)begin - 1));

                for (std::uint64_t bits = begin; bits != end; ++bits)
                {
                    const float value = floatWithBits((std::uint32_t)bits);
                    const int step = c.plays(value);

                    if (step != previous &&
                        !(nearABound((std::uint32_t)bits, bounds) &&
                          nearABound((std::uint32_t)bits - 1, bounds)) &&
                        changes.count++ == 0)
                        changes.first = value;

                    previous = step;
                }
            });

    for (auto& run : runs)
        run.join();

    for (const auto& changes : found)
        EXPECT_EQ(changes.count, 0u)
            << "first at 0x" << bitsOf(changes.first) << ", plays " << c.plays(changes.first);
}

INSTANTIATE_TEST_SUITE_P(
    PresetValueCodec, SteppedValues,
    ::testing::Values(SteppedCase{"RateSync", kRateSync, TempoDivision::count,
                                  &TempoDivision::stepFor},
                      SteppedCase{"PhaserType", kPhaserType, StompixZR7714AudioProcessor::numModels,
                                  &StompixZR7714AudioProcessor::modelNumberFor}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Just above 17/18 the product 18 x value rounds down onto 17 while the models play the last
// note value; a host computing 17 x (1/18.0f) lands there.
TEST(PresetValueCodec, TheValueJustAboveSeventeenEighteenthsIsStoredAsTheLastStep)
{
    const float value = 17.0f * (1.0f / 18.0f);
    ASSERT_EQ(bitsOf(value), "3f71c71d");
    ASSERT_EQ(TempoDivision::stepFor(value), 18);

    EXPECT_EQ(PresetValueCodec::encode(kRateSync, value).toStdString(), "18");
    EXPECT_EQ(PresetValueCodec::encode(kRateSync, 17.0f / 18.0f).toStdString(), "17");
}
