#include "AllpassFilter.h"
#include "CrossfadeLength.h"
#include "DspBase.h"
#include "ModulatingAllpassFilter.h"
#include "OnePole.h"
#include "OnePoleHighpass.h"
#include "Phaser90.h"
#include "SmoothVolume.h"
#include "WavetablePhaserTriOsc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

TEST(Names, EachObjectCarriesTheNameOfTheLastConstructorThatStoresOne)
{
    EXPECT_STREQ(DspBase().getName(), "DspBase");
    EXPECT_STREQ(Phaser90().getName(), "Phaser90");
    EXPECT_STREQ(WavetablePhaserTriOsc().getName(), "DspBase");
    EXPECT_STREQ(OnePole().getName(), "ModuleBase");
    EXPECT_STREQ(OnePoleHighpass().getName(), "ModuleBase");
}

namespace
{
class RecordingReset final : public DspBase
{
public:
    void resetBuffer() override { calls += "buffer "; }
    void resetCoeffs() override { calls += "coeffs "; }
    std::string calls;
};
} // namespace

TEST(Reset, ClearsTheSignalMemoryBeforeTheCoefficients)
{
    RecordingReset object;
    object.reset();
    EXPECT_EQ(object.calls, "buffer coeffs ");
}

TEST(CrossfadeLength, BandEdges)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        float rate;
        int length;
    } cases[] = {
        {8000.0f, 1024},
        {std::nextafter(34050.0f, 0.0f), 1024},
        {34050.0f, 2048},
        {48000.0f, 2048},
        {std::nextafter(68000.0f, 0.0f), 2048},
        {68000.0f, 4096},
        {std::nextafter(136000.0f, 0.0f), 4096},
        {136000.0f, 8192},
        {384000.0f, 8192},
        {nan, 8192},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.rate);
        EXPECT_EQ(crossfadeLengthFor(c.rate), c.length);

        WavetablePhaserTriOsc osc;
        osc.setSampleRate(c.rate);
        EXPECT_EQ(osc.getRampLength(), c.length);

        // The level ramp of that length lands on its target on its last sample.
        SmoothVolume level;
        level.setSampleRate(c.rate);
        level.setValue(1.0f);
        level.calc();
        level.setValue(0.0f);
        level.calc();
        for (int i = 1; i < c.length; ++i)
            EXPECT_GT(level.nextGain(), 0.0) << i;
        EXPECT_EQ(level.nextGain(), 0.0);

        Phaser90 model;
        model.setSampleRate(c.rate);
        model.forceCalcParams();
        EXPECT_EQ(model.getState().bypassFadeLength, c.length);
        EXPECT_EQ(model.getState().bypassFadeStep, 1.0f / static_cast<float>(c.length));
    }
}

TEST(AllpassFilter, ZeroCoefficientGivesThePreviousInputNegated)
{
    AllpassFilter filter;
    const double inputs[] = {0.5, -0.25, 1.0};
    double previous = 0.0;
    for (double x : inputs)
    {
        double y = x;
        filter.process(y);
        EXPECT_EQ(y, -previous);
        previous = x;
    }
}

TEST(AllpassFilter, BothClassesComputeTheStepInTheSameOrder)
{
    // y = (g x - x1) + g y1 with g widened from 32 bits; each channel keeps its own memory.
    const float g = 0.7f;
    AllpassFilter fixed;
    fixed.setGainCoeff(g);
    ModulatingAllpassFilter swept;
    const double gw = g;
    double x1 = 0.0, y1 = 0.0;
    const double inputs[] = {1.0, 0.3, -0.9, 0.123456789};
    for (double x : inputs)
    {
        const double expected = (gw * x - x1) + gw * y1;
        x1 = x;
        y1 = expected;
        double left = x, right = -x, sweptLeft = x, sweptRight = -x;
        fixed.process(left, right);
        swept.process(sweptLeft, sweptRight, g, g);
        EXPECT_EQ(left, expected);
        EXPECT_EQ(right, -expected);
        EXPECT_EQ(sweptLeft, expected);
        EXPECT_EQ(sweptRight, -expected);
    }
}

TEST(OnePole, NeutralAfterResetCoeffsAndExactCoefficientAt200Hz)
{
    OnePole filter;
    filter.reset();
    double x = 0.3;
    filter.process(x);
    EXPECT_EQ(x, 0.3);

    filter.setSampleRate(44100.0f);
    filter.setFrequency(200.0f);
    const double a = std::exp(200.0 * (-6.283185307179586) / 44100.0);
    EXPECT_EQ(filter.b0, 1.0 - a);
    EXPECT_EQ(filter.a1, -a);

    // The float variant keeps the unrounded state: the second output follows the 64-bit value.
    filter.resetBuffer();
    float sample = 1.0f;
    filter.process(sample);
    EXPECT_EQ(sample, static_cast<float>(1.0 - a));
    sample = 0.0f;
    filter.process(sample);
    EXPECT_EQ(sample, static_cast<float>(0.0 - (-a) * (1.0 - a)));
}

TEST(OnePoleHighpass, PassesUnchangedUntilTunedThenBlocksDc)
{
    OnePoleHighpass filter;
    double x = 0.75;
    filter.process(x);
    EXPECT_EQ(x, 0.75);

    filter.setSampleRate(48000.0f);
    filter.setFrequency(33.0f);
    EXPECT_EQ(filter.g, std::tan(33.0 * 3.141592653589793 / 48000.0));
    double left = 0.0, right = 0.0;
    for (int i = 0; i < 48000; ++i)
    {
        left = 1.0;
        right = -1.0;
        filter.process(left, right);
    }
    EXPECT_LT(std::abs(left), 1e-8);
    EXPECT_EQ(right, -left);
}

TEST(SmoothVolume, FirstCalcJumpsLaterOnesRampExactlyOntoTheTarget)
{
    SmoothVolume level;
    level.setSampleRate(32000.0f);
    level.setValue(1.0f);
    level.calc();
    double x = 0.5;
    level.process(x);
    EXPECT_EQ(x, 0.5);

    level.setValue(2.0f);
    level.calc();
    for (int i = 1; i < 1024; ++i)
    {
        double left = 1.0, right = -1.0;
        level.process(left, right);
        EXPECT_GT(left, 1.0);
        EXPECT_LT(left, 2.0);
        EXPECT_EQ(right, -left);
    }
    for (int i = 0; i < 3; ++i)
    {
        double y = 1.0;
        level.process(y);
        EXPECT_EQ(y, 2.0);
    }
}

TEST(SmoothVolume, AfterResetItAppliesZeroUntilCalc)
{
    SmoothVolume level;
    level.setValue(1.0f);
    level.reset();
    double x = 0.5;
    level.process(x);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(level.getTarget(), 1.0);
}
