#include "NumberText.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
TEST(NumberText, FixedDecimalsRoundHalvesAwayFromZero)
{
    struct Case
    {
        float value;
        int decimals;
        const char* text;
    };

    const Case cases[]{
        {0.625f, 2, "0.63"}, // an exact half: the framework's own formatting gives 0.62
        {0.0625f * 10.0f, 2, "0.63"},
        {0.125f, 2, "0.13"},
        {2.5f, 0, "3"},
        {-0.625f, 2, "-0.63"},
        {0.5f, 5, "0.50000"},
        {0.123456f, 5, "0.12346"},
        {0.000005f, 5, "0.00000"}, // just below the half as a float
        {0.000035f, 5, "0.00004"}, // just above
        {1.0f, 5, "1.00000"},
        {0.0f, 5, "0.00000"},
        {-0.0f, 2, "0.00"},
        {-0.001f, 2, "0.00"}, // rounds to zero: no minus sign
        {2.0f, 0, "2"},
        {10.0f, 2, "10.00"},
        {123456.78f, 1, "123456.8"},
        {3.0e38f, 0, "300000000549775575777803994281145270272"},
    };

    for (const auto& c : cases)
        EXPECT_EQ(NumberText::fixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}

TEST(NumberText, NonFiniteValuesDoNotBreakTheText)
{
    EXPECT_FALSE(NumberText::fixed(std::numeric_limits<float>::quiet_NaN(), 2).isEmpty());
    EXPECT_FALSE(NumberText::fixed(std::numeric_limits<float>::infinity(), 5).isEmpty());
}
} // namespace
