#include "DspBase.h"

#include <gtest/gtest.h>

TEST(DspBase, StartsAt44100HzWithItsName)
{
    DspBase base;
    EXPECT_FLOAT_EQ(base.getSampleRate(), 44100.0f);
    EXPECT_STREQ(base.getName(), "DspBase");
}
