#include "WavetablePhaserTriOsc.h"
#include "WavetablePhaserTriOsc90.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
template <typename Osc> class Oscillator : public ::testing::Test
{
};
using OscillatorTypes = ::testing::Types<WavetablePhaserTriOsc, WavetablePhaserTriOsc90>;
TYPED_TEST_SUITE(Oscillator, OscillatorTypes, );

template <typename Osc> void startAt(Osc& osc, float sampleRate, float hz)
{
    osc.setSampleRate(sampleRate);
    osc.reset();
    osc.setFrequency(hz);
    osc.calc();
    osc.forceCalcParams();
}
} // namespace

TYPED_TEST(Oscillator, TablesRunFromMinusOneToOneAndBIsAHalfCycleLater)
{
    TypeParam osc;
    EXPECT_EQ(osc.getTableA(0), -1.0f);
    EXPECT_EQ(osc.getTableA(512), 1.0f);
    EXPECT_EQ(osc.getTableB(0), 1.0f);
    EXPECT_EQ(osc.getTableB(512), -1.0f);
    for (int i = 0; i < 1024; ++i)
    {
        EXPECT_EQ(osc.getTableB(i), osc.getTableA((i + 512) % 1024)) << i;
        EXPECT_GE(osc.getTableA(i), -1.0f);
        EXPECT_LE(osc.getTableA(i), 1.0f);
    }
}

TEST(Oscillator, TheBendDiffersBetweenTheTwoClasses)
{
    // A quarter cycle up, the log bend has already passed the straight line's midpoint; the
    // stronger bend of the first class further so.
    const WavetablePhaserTriOsc strong;
    const WavetablePhaserTriOsc90 gentle;
    const float tri = 0.5f;
    EXPECT_EQ(strong.getTableA(256), (logf(tri * 4.445f + 1.0f) / logf(5.445f)) * 2.0f - 1.0f);
    EXPECT_EQ(gentle.getTableA(256),
              (logf(tri * 1.2313356f + 1.0f) / logf(2.2313356f)) * 2.0f - 1.0f);
    EXPECT_GT(strong.getTableA(256), gentle.getTableA(256));
    EXPECT_GT(gentle.getTableA(256), 0.0f);
}

TYPED_TEST(Oscillator, IncrementIsFrequencyTimes1024OverTheRate)
{
    TypeParam osc;
    osc.setSampleRate(44100.0f);
    osc.setFrequency(2.0f);
    osc.calc();
    EXPECT_EQ(osc.getTargetIncrement(), 2.0f * 1024.0f / 44100.0f);
    EXPECT_EQ(osc.getIncrement(), 0.0f);
    osc.forceCalcParams();
    EXPECT_EQ(osc.getIncrement(), osc.getTargetIncrement());

    float position = osc.getPosition();
    for (int i = 0; i < 10; ++i)
    {
        osc.getOscSignal();
        EXPECT_EQ(osc.getPosition(), osc.getIncrement() + position);
        position = osc.getPosition();
    }
}

TYPED_TEST(Oscillator, ANewTargetIsReachedAfterTheRampLength)
{
    TypeParam osc;
    startAt(osc, 48000.0f, 1.0f);
    osc.setFrequency(3.0f);
    osc.calc();
    const float target = osc.getTargetIncrement();
    for (int i = 0; i < 2047; ++i)
        osc.getOscSignal();
    EXPECT_LT(osc.getIncrement(), target * 0.9999f);
    osc.getOscSignal();
    EXPECT_NEAR(osc.getIncrement(), target, target * 1e-4f); // 2048 float additions
    const float settled = osc.getIncrement();
    for (int i = 0; i < 100; ++i)
        osc.getOscSignal();
    EXPECT_EQ(osc.getIncrement(), settled);
}

TYPED_TEST(Oscillator, InterpolatesAcrossTheTableEnd)
{
    // Advance to 1023.5 with an increment of exactly 0.5 positions per sample.
    TypeParam osc;
    startAt(osc, 1024.0f, 0.5f);
    for (int i = 0; i < 2047; ++i)
        osc.getOscSignal();
    ASSERT_EQ(osc.getPosition(), 1023.5f);
    float a = 0.0f, b = 0.0f;
    osc.getOscSignal(a, b);
    EXPECT_EQ(a, 0.5f * osc.getTableA(0) + 0.5f * osc.getTableA(1023));
    EXPECT_EQ(b, 0.5f * osc.getTableB(0) + 0.5f * osc.getTableB(1023));
    EXPECT_EQ(osc.getPosition(), 0.0f);
}

TYPED_TEST(Oscillator, AmplitudeAndPhaseAreStoredOnly)
{
    TypeParam plain, changed;
    startAt(plain, 44100.0f, 5.0f);
    startAt(changed, 44100.0f, 5.0f);
    changed.setAmplitude(0.0f);
    changed.setPhase(0.25f);
    EXPECT_EQ(changed.getAmplitude(), 0.0f);
    EXPECT_EQ(changed.getPhase(), 0.25f);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(plain.getOscSignal(), changed.getOscSignal()) << i;
}

TYPED_TEST(Oscillator, ThePositionNeverLeavesTheTable)
{
    // A frequency of many periods per sample, negative or unordered increments: every read
    // stays inside the table and the output stays within the table's range.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct
    {
        float sampleRate;
        float hz;
    } cases[] = {{44100.0f, 44100.0f}, {44100.0f, 3.0e6f}, {8000.0f, 1.0e30f}, {44100.0f, inf},
                 {44100.0f, nan},      {-44100.0f, 2.0f},  {nan, 2.0f},        {0.0f, 2.0f}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.sampleRate << " Hz, LFO " << c.hz);
        TypeParam osc;
        startAt(osc, c.sampleRate, c.hz);
        osc.setFrequency(1.0f);
        osc.calc();
        for (int i = 0; i < 5000; ++i)
        {
            float a = 0.0f, b = 0.0f;
            osc.getOscSignal(a, b);
            ASSERT_GE(osc.getPosition(), 0.0f);
            ASSERT_LT(osc.getPosition(), 1024.0f);
            ASSERT_TRUE(a >= -1.0f && a <= 1.0f) << a;
            ASSERT_TRUE(b >= -1.0f && b <= 1.0f) << b;
        }
    }
}
