#include "HostPlayHead.h"
#include "HostRecordLayouts.h"

#include <AudioEffectX.h>
#include <Opcodes.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace
{
// What the host answers to the time-info call.
HostTimeInfo answeredTime{};

std::int64_t answerTime(AEffect*, std::int32_t opcode, std::int32_t, std::int64_t, void*, float)
{
    return opcode == HostOpcode::getTime ? reinterpret_cast<std::intptr_t>(&answeredTime) : 0;
}

class TimedEffect final : public AudioEffectX
{
public:
    TimedEffect() : AudioEffectX(&answerTime, 1, 1) {}
    void processReplacing(float**, float**, std::int32_t) override {}
};
} // namespace

// The play head's own unit: the host's sample position goes on only when a 64-bit count can hold
// it, and the position in seconds with it.
TEST(HostPlayHeadTest, SamplePositionsBeyondA64BitCountAreNoPosition)
{
    TimedEffect effect;
    const HostPlayHead playHead(effect);
    answeredTime = HostTimeInfo{};
    answeredTime.sampleRate = 44100.0;

    answeredTime.samplePos = 4410.0;
    auto position = playHead.getPosition();
    ASSERT_TRUE(position.hasValue());
    EXPECT_EQ(position->getTimeInSamples(), juce::Optional<juce::int64>(4410));
    EXPECT_EQ(position->getTimeInSeconds(), juce::Optional<double>(0.1));

    for (const double samples : {1.0e67, -1.0e67, 9.3e18, -9.3e18, std::nan(""), HUGE_VAL})
    {
        answeredTime.samplePos = samples;
        position = playHead.getPosition();
        ASSERT_TRUE(position.hasValue());
        EXPECT_FALSE(position->getTimeInSamples().hasValue()) << samples;
        EXPECT_FALSE(position->getTimeInSeconds().hasValue()) << samples;
    }
}
