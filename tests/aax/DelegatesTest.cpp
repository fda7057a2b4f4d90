#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>

namespace
{
using LinearTaper = AAX_CLinearTaperDelegate<float, 0>;
using NumberDisplay = AAX_CNumberDisplayDelegate<float, 3u, 0u>;
using BinaryTaper = AAX_CBinaryTaperDelegate<bool>;
using BinaryDisplay = AAX_CBinaryDisplayDelegate<bool>;

TEST(LinearTaper, MapsPositionsOntoItsRangeAndBack)
{
    struct Case
    {
        float min, max;
        double normalized;
        float real;
    };
    const Case toReal[] = {
        {0, 1, 0.25, 0.25f},
        {0, 1, 1.5, 1.0f},
        {0, 1, -0.5, 0.0f},
        {0, 10, 0.5, 5.0f},
        {-1, 1, 0.75, 0.5f},
        {0, FLT_MAX, 1e10, FLT_MAX},
        {-FLT_MAX, 0, -1e10, -FLT_MAX},
    };
    for (const Case& test : toReal)
        EXPECT_EQ(LinearTaper(test.min, test.max).NormalizedToReal(test.normalized), test.real)
            << test.min << ".." << test.max << " at " << test.normalized;

    const Case toNormalized[] = {
        {0, 1, 1.0, 2.0f},   {0, 1, 0.30000001192092896, 0.3f},
        {0, 10, 0.25, 2.5f}, {0, 10, 0.0, -4.0f},
        {3, 3, 0.0, 3.0f},   {3, 3, 0.0, 5.0f},
    };
    for (const Case& test : toNormalized)
        EXPECT_EQ(LinearTaper(test.min, test.max).RealToNormalized(test.real), test.normalized)
            << test.min << ".." << test.max << " of " << test.real;
}

TEST(LinearTaper, LeavesANaNUnchangedAndClonesItsRange)
{
    const LinearTaper taper(2, 4);
    EXPECT_TRUE(std::isnan(taper.ConstrainRealValue(std::numeric_limits<float>::quiet_NaN())));

    const std::unique_ptr<AAX_ITaperDelegate<float>> clone(taper.Clone());
    EXPECT_EQ(clone->GetMinimumValue(), 2.0f);
    EXPECT_EQ(clone->GetMaximumValue(), 4.0f);
    EXPECT_EQ(clone->NormalizedToReal(0.5), 3.0f);
}

TEST(BinaryTaper, AnyPositionAboveZeroIsTrue)
{
    const BinaryTaper taper;
    EXPECT_FALSE(taper.NormalizedToReal(0.0));
    EXPECT_TRUE(taper.NormalizedToReal(0.0001));
    EXPECT_FALSE(taper.NormalizedToReal(-1.0));
    EXPECT_FALSE(taper.NormalizedToReal(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(taper.RealToNormalized(true), 1.0);
    EXPECT_EQ(taper.RealToNormalized(false), 0.0);
    EXPECT_TRUE(std::unique_ptr<AAX_ITaperDelegate<bool>>(taper.Clone())->NormalizedToReal(1.0));
}

TEST(NumberDisplay, ShowsThreeDecimalsCutToTheSpaceGiven)
{
    constexpr int32_t full = std::numeric_limits<int32_t>::min(); // no cut
    struct Case
    {
        float value;
        int32_t maxChars;
        const char* text;
    };
    const Case cases[] = {
        {0.5f, full, "0.500"},    {0.1234f, full, "0.123"}, {0.0625f, full, "0.062"},
        {0.1875f, full, "0.188"}, {-0.25f, full, "-0.250"}, {0.5f, 4, "0.50"},
        {0.5f, 2, "0"},           {0.5f, 1, "0"},           {0.5f, 0, ""},
        {0.5f, -3, ""},           {1234.5f, 5, "1234"},     {-0.25f, 3, "-0"},
        {0.5f, 5, "0.500"},       {0.5f, 9, "0.500"},
    };
    const NumberDisplay display;
    for (const Case& test : cases)
    {
        AAX_CString text("old");
        if (test.maxChars == full)
            EXPECT_TRUE(display.ValueToString(test.value, &text));
        else
            EXPECT_TRUE(display.ValueToString(test.value, test.maxChars, &text));
        EXPECT_STREQ(text.Get(), test.text) << test.value << " in " << test.maxChars;
    }
    EXPECT_FALSE(display.ValueToString(0.5f, nullptr));
}

TEST(NumberDisplay, ReadsTextThatBeginsWithANumber)
{
    struct Case
    {
        const char* text;
        bool read;
        float value;
    };
    const Case cases[] = {
        {"2.5", true, 2.5f},      {" 2.5 dB", true, 2.5f},    {"dB", false, 0.0f},
        {"", false, 0.0f},        {"0x10", true, 0.0f},       {"2.5e", false, 0.0f},
        {"1e300", true, FLT_MAX}, {"-1e300", true, -FLT_MAX},
    };
    const NumberDisplay display;
    for (const Case& test : cases)
    {
        float value = 99.0f;
        EXPECT_EQ(display.StringToValue(AAX_CString(test.text), &value), test.read) << test.text;
        EXPECT_EQ(value, test.value) << test.text;
    }
}

TEST(BinaryDisplay, ShowsAndReadsItsTwoTexts)
{
    const BinaryDisplay display("bypass", "on");
    AAX_CString text;
    EXPECT_TRUE(display.ValueToString(true, 2, &text));
    EXPECT_STREQ(text.Get(), "on");
    EXPECT_TRUE(display.ValueToString(false, 3, &text));
    EXPECT_STREQ(text.Get(), "bypass");

    struct Case
    {
        const char* text;
        bool read;
        bool value;
    };
    const Case cases[] = {{"on", true, true}, {"bypass", true, false}, {"ON", false, false}};
    for (const Case& test : cases)
    {
        bool value = !test.value;
        EXPECT_EQ(display.StringToValue(AAX_CString(test.text), &value), test.read) << test.text;
        EXPECT_EQ(value, test.value) << test.text;
    }

    const BinaryDisplay withoutTexts(nullptr, nullptr);
    EXPECT_TRUE(withoutTexts.ValueToString(true, &text));
    EXPECT_STREQ(text.Get(), "");
}

TEST(BinaryDisplay, PicksTheLongestShorterPairThatFitsOrElseTheFirst)
{
    BinaryDisplay display("bypass", "active");
    display.AddShortenedStrings("by", "on", 2);
    display.AddShortenedStrings("byps", "actv", 4);
    const std::unique_ptr<AAX_IDisplayDelegate<bool>> copy(display.Clone());

    struct Case
    {
        int32_t maxChars;
        const char* falseText;
    };
    const Case cases[] = {{6, "bypass"}, {9, "bypass"}, {5, "byps"}, {4, "byps"},
                          {3, "by"},     {1, "by"},     {-2, "by"}};
    for (const Case& test : cases)
    {
        AAX_CString text;
        EXPECT_TRUE(copy->ValueToString(false, test.maxChars, &text));
        EXPECT_STREQ(text.Get(), test.falseText) << test.maxChars;
    }
    AAX_CString text;
    copy->ValueToString(true, 5, &text);
    EXPECT_STREQ(text.Get(), "actv");
}
} // namespace
