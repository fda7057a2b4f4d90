#include "PresetValueCodec.h"
#include "ParameterId.h"
#include "StompixZR7714AudioProcessor.h"
#include "TempoDivision.h"

#include <gtest/gtest.h>

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

std::string bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return juce::String::toHexString((juce::int64)bits).toStdString();
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

// The values with the bit patterns from `begin` up to, not including, `end` whose stored step is
// not the one they play.
Mismatches mismatchesIn(const SteppedCase& c, std::uint32_t begin, std::uint32_t end)
{
    Mismatches mismatches;

    for (std::uint32_t bits = begin; bits != end; ++bits)
    {
        const float value = floatWithBits(bits);

        if (PresetValueCodec::playedStep(c.parameterIndex, value) != c.plays(value) &&
            mismatches.count++ == 0)
            mismatches.first = value;
    }

    return mismatches;
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

// Every value a stepped parameter can hold, every float from 0 to 1, is stored as the step it
// plays.
TEST_P(SteppedValues, EveryValueIsStoredAsTheStepItPlays)
{
    if (addressSanitizerBuild)
        GTEST_SKIP() << "arithmetic only: the plain builds sweep it, here it would take minutes";

    const auto& c = GetParam();

    // Every float from 0 to 1, both included: about a thousand million, in four runs side by side.
    constexpr std::uint64_t numValues = 0x3f800000u + 1;
    constexpr std::uint64_t numRuns = 4;
    std::array<Mismatches, numRuns> found;
    std::vector<std::thread> runs;

    for (std::uint64_t run = 0; run < numRuns; ++run)
        runs.emplace_back(
            [&, run]
            {
                found[run] = mismatchesIn(c, (std::uint32_t)(numValues * run / numRuns),
                                          (std::uint32_t)(numValues * (run + 1) / numRuns));
            });

    for (auto& run : runs)
        run.join();

    for (const auto& mismatches : found)
        EXPECT_EQ(mismatches.count, 0u)
            << "first at 0x" << bitsOf(mismatches.first) << ": stored "
            << PresetValueCodec::encode(c.parameterIndex, mismatches.first) << ", plays "
            << c.plays(mismatches.first);
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
