#include "TestEffects.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>

namespace
{
// Every byte of a block, read one by one: under AddressSanitizer this also proves the size.
bool allBytesZero(const VstSpeakerArrangement* block, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(block);
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] != 0)
            return false;
    return true;
}

VstSpeakerProperties speakerNamed(const char* name, std::int32_t type, float azimuth)
{
    VstSpeakerProperties speaker{};
    std::snprintf(speaker.name, sizeof(speaker.name), "%s", name);
    speaker.type = type;
    speaker.position[0] = azimuth;
    speaker.position[3] = -1.0f;
    std::memset(speaker.reserved, 0x5A, sizeof(speaker.reserved));
    return speaker;
}

// Frees through the effect whatever block a test leaves behind.
class SpeakerArrangements : public testing::Test
{
protected:
    ~SpeakerArrangements() override
    {
        fx.deallocateArrangement(&target);
        fx.deallocateArrangement(&source);
    }

    void makeStereoSource()
    {
        ASSERT_TRUE(fx.allocateArrangement(&source, 2));
        source->type = 1;
        source->speakers()[0] = speakerNamed("Left", 1, -30.0f);
        source->speakers()[1] = speakerNamed("Right", 2, 30.0f);
    }

    PlainEffect fx;
    VstSpeakerArrangement* target = nullptr;
    VstSpeakerArrangement* source = nullptr;
};
} // namespace

TEST_F(SpeakerArrangements, AllocateGivesAZeroedBlockWithTheChannelCount)
{
    for (const std::int32_t channels : {0, 1, 2, 8})
    {
        SCOPED_TRACE(channels);
        ASSERT_TRUE(fx.allocateArrangement(&target, channels)); // replaces the previous block
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target->numChannels, channels);
        target->numChannels = 0;
        EXPECT_TRUE(allBytesZero(
            target, VstSpeakerArrangement::bytesFor(static_cast<std::size_t>(channels))));
    }
    EXPECT_EQ(VstSpeakerArrangement::bytesFor(2), 232u);
}

TEST_F(SpeakerArrangements, FailedAllocationFreesTheOldBlockAndAnswersFalse)
{
    const std::int32_t impossible[] = {-1, std::numeric_limits<std::int32_t>::min(), 19173962,
                                       std::numeric_limits<std::int32_t>::max()};
    for (const std::int32_t channels : impossible)
    {
        SCOPED_TRACE(channels);
        ASSERT_TRUE(fx.allocateArrangement(&target, 2));
        EXPECT_FALSE(fx.allocateArrangement(&target, channels));
        EXPECT_EQ(target, nullptr);
    }
    EXPECT_FALSE(fx.allocateArrangement(nullptr, 2));
}

TEST_F(SpeakerArrangements, DeallocateNullsThePointer)
{
    ASSERT_TRUE(fx.allocateArrangement(&target, 2));
    EXPECT_TRUE(fx.deallocateArrangement(&target));
    EXPECT_EQ(target, nullptr);
    EXPECT_TRUE(fx.deallocateArrangement(&target));
    EXPECT_FALSE(fx.deallocateArrangement(nullptr));
}

TEST_F(SpeakerArrangements, CopySpeakerCopiesEveryFieldAndAtMost63NameCharacters)
{
    VstSpeakerProperties from = speakerNamed("Centre", 3, 12.5f);
    VstSpeakerProperties to{};
    std::memset(&to, 0x77, sizeof(to));
    ASSERT_TRUE(fx.copySpeaker(&to, &from));
    EXPECT_EQ(std::memcmp(&to, &from, sizeof(to)), 0);

    // A name that fills the whole field, and more, without a terminator.
    VstSpeakerProperties longName = speakerNamed("", 4, 0.0f);
    std::memset(longName.name, 'x', sizeof(longName.name));
    ASSERT_TRUE(fx.copySpeaker(&to, &longName));
    EXPECT_EQ(std::string(to.name), std::string(63, 'x'));
    EXPECT_EQ(to.type, 4);

    ASSERT_TRUE(fx.copySpeaker(&to, &to));
    EXPECT_EQ(std::string(to.name), std::string(63, 'x'));
    EXPECT_FALSE(fx.copySpeaker(nullptr, &from));
    EXPECT_FALSE(fx.copySpeaker(&to, nullptr));
}

TEST_F(SpeakerArrangements, MatchArrangementMakesAFreshCopyOfTheSource)
{
    makeStereoSource();
    ASSERT_TRUE(fx.allocateArrangement(&target, 6));

    ASSERT_TRUE(fx.matchArrangement(&target, source));
    ASSERT_NE(target, nullptr);
    ASSERT_NE(target, source);
    EXPECT_EQ(target->numChannels, 2);
    EXPECT_EQ(target->type, 1);
    EXPECT_EQ(std::memcmp(target, source, VstSpeakerArrangement::bytesFor(2)), 0);
}

TEST_F(SpeakerArrangements, MatchArrangementRefusals)
{
    EXPECT_FALSE(fx.matchArrangement(&target, nullptr));
    makeStereoSource();
    EXPECT_FALSE(fx.matchArrangement(nullptr, source));

    source->numChannels = -1;
    ASSERT_TRUE(fx.allocateArrangement(&target, 1));
    EXPECT_FALSE(fx.matchArrangement(&target, source));
    EXPECT_EQ(target, nullptr);
    source->numChannels = 2;
}

TEST_F(SpeakerArrangements, MatchingABlockWithItselfKeepsIt)
{
    makeStereoSource();
    VstSpeakerArrangement* same = source;
    ASSERT_TRUE(fx.matchArrangement(&same, source));
    EXPECT_EQ(same, source);
    EXPECT_STREQ(source->speakers()[1].name, "Right");
}

TEST_F(SpeakerArrangements, MatchArrangementStopsAtTheFirstFailedSpeakerCopy)
{
    class FailingCopy final : public PlainEffect
    {
    public:
        bool copySpeaker(VstSpeakerProperties* to, const VstSpeakerProperties* from) override
        {
            ++copies;
            return copies < 2 && PlainEffect::copySpeaker(to, from);
        }
        int copies = 0;
    };
    makeStereoSource();
    source->numChannels = 2;
    FailingCopy failing;
    VstSpeakerArrangement* copy = nullptr;
    EXPECT_FALSE(failing.matchArrangement(&copy, source));
    EXPECT_EQ(failing.copies, 2);
    failing.deallocateArrangement(&copy);
}
