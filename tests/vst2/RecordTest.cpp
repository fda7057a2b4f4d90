#include "TestEffects.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

using testing::StrictMock;

namespace
{
template <typename T> void put(std::array<unsigned char, 192>& image, std::size_t offset, T value)
{
    std::memcpy(image.data() + offset, &value, sizeof(value));
}

std::int32_t int32At(const AEffect& record, std::size_t offset)
{
    std::int32_t value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&record) + offset, sizeof(value));
    return value;
}
} // namespace

TEST(EffectRecord, FreshRecordMatchesTheHostLayoutByteByByte)
{
    PlainEffect fx;
    std::array<unsigned char, 192> expected{};
    put(expected, 0, std::int32_t{0x56737450});
    put(expected, 8, &AudioEffect::dispatchEffectClass);
    put(expected, 16, &AudioEffect::__processClassDeprecated);
    put(expected, 24, &AudioEffect::setParameterClass);
    put(expected, 32, &AudioEffect::getParameterClass);
    put(expected, 40, std::int32_t{12});
    put(expected, 44, std::int32_t{10});
    put(expected, 48, std::int32_t{1});
    put(expected, 52, std::int32_t{2});
    put(expected, 56, std::int32_t{0x10});
    put(expected, 92, 1.0f);
    put(expected, 96, static_cast<void*>(static_cast<AudioEffect*>(&fx)));
    put(expected, 112, std::int32_t{0x4E6F4566});
    put(expected, 116, std::int32_t{1});
    put(expected, 120, &AudioEffect::processClassReplacing);
    put(expected, 128, &AudioEffect::processClassDoubleReplacing);

    ASSERT_EQ(sizeof(AEffect), expected.size());
    const auto* actual = reinterpret_cast<const unsigned char*>(fx.getAeffect());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "byte " << i;
    EXPECT_EQ(actual, reinterpret_cast<const unsigned char*>(&fx.getAeffect()->magic));
}

TEST(EffectRecord, EachFlagSetterChangesOnlyItsOwnBit)
{
    struct Case
    {
        const char* name;
        std::function<void(AudioEffectX&, bool)> set;
        std::int32_t bit;
    };
    const Case cases[] = {
        {"__hasClipDeprecated", [](auto& fx, bool on) { fx.__hasClipDeprecated(on); }, 0x2},
        {"__hasVuDeprecated", [](auto& fx, bool on) { fx.__hasVuDeprecated(on); }, 0x4},
        {"__canMonoDeprecated", [](auto& fx, bool on) { fx.__canMonoDeprecated(on); }, 0x8},
        {"canProcessReplacing", [](auto& fx, bool on) { fx.canProcessReplacing(on); }, 0x10},
        {"programsAreChunks", [](auto& fx, bool on) { fx.programsAreChunks(on); }, 0x20},
        {"isSynth", [](auto& fx, bool on) { fx.isSynth(on); }, 0x100},
        {"noTail", [](auto& fx, bool on) { fx.noTail(on); }, 0x200},
        {"__wantAsyncOperationDeprecated",
         [](auto& fx, bool on) { fx.__wantAsyncOperationDeprecated(on); }, 0x400},
        {"__hasExternalBufferDeprecated",
         [](auto& fx, bool on) { fx.__hasExternalBufferDeprecated(on); }, 0x800},
        {"canDoubleReplacing", [](auto& fx, bool on) { fx.canDoubleReplacing(on); }, 0x1000},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        PlainEffect fx;
        std::int32_t& flags = fx.getAeffect()->flags;

        flags = 0;
        c.set(fx, true);
        EXPECT_EQ(flags, c.bit);
        c.set(fx, true);
        EXPECT_EQ(flags, c.bit);

        flags = ~0;
        c.set(fx, false);
        EXPECT_EQ(flags, ~c.bit);
    }
}

TEST(EffectRecord, CountAndIdentitySettersWriteTheirFields)
{
    struct Case
    {
        const char* name;
        std::function<void(AudioEffectX&, std::int32_t)> set;
        std::size_t offset;
    };
    const Case cases[] = {
        {"setNumInputs", [](auto& fx, std::int32_t v) { fx.setNumInputs(v); }, 48},
        {"setNumOutputs", [](auto& fx, std::int32_t v) { fx.setNumOutputs(v); }, 52},
        {"setInitialDelay", [](auto& fx, std::int32_t v) { fx.setInitialDelay(v); }, 80},
        {"__setRealtimeQualitiesDeprecated",
         [](auto& fx, std::int32_t v) { fx.__setRealtimeQualitiesDeprecated(v); }, 84},
        {"__setOfflineQualitiesDeprecated",
         [](auto& fx, std::int32_t v) { fx.__setOfflineQualitiesDeprecated(v); }, 88},
        {"setUniqueID", [](auto& fx, std::int32_t v) { fx.setUniqueID(v); }, 112},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        PlainEffect fx;
        const AEffect before = *fx.getAeffect();
        c.set(fx, 0x567A7237); // 'Vzr7'
        EXPECT_EQ(int32At(*fx.getAeffect(), c.offset), 0x567A7237);

        AEffect restored = *fx.getAeffect();
        std::memcpy(reinterpret_cast<unsigned char*>(&restored) + c.offset,
                    reinterpret_cast<const unsigned char*>(&before) + c.offset, 4);
        EXPECT_EQ(std::memcmp(&restored, &before, sizeof(AEffect)), 0) << "other bytes changed";
    }
}

TEST(EffectRecord, EntriesForwardToTheObjectTheRecordNames)
{
    StrictMock<MockEffect> fx;
    AEffect* record = fx.getAeffect();
    float left[4] = {};
    float* channels[] = {left};
    double leftDouble[4] = {};
    double* doubleChannels[] = {leftDouble};

    EXPECT_CALL(fx, getParameter(3)).WillOnce(testing::Return(0.25f));
    EXPECT_CALL(fx, setParameter(4, 0.75f));
    EXPECT_CALL(fx, processReplacing(channels, channels, 4));
    EXPECT_CALL(fx, processDoubleReplacing(doubleChannels, doubleChannels, 4));
    EXPECT_CALL(fx, __processDeprecated(channels, channels, 4));

    EXPECT_EQ(record->getParameter(record, 3), 0.25f);
    record->setParameter(record, 4, 0.75f);
    record->processReplacing(record, channels, channels, 4);
    record->processDoubleReplacing(record, doubleChannels, doubleChannels, 4);
    record->process(record, channels, channels, 4);
}

TEST(EffectRecord, EntriesGivenNoObjectDoNothing)
{
    AEffect detached{};
    EXPECT_EQ(AudioEffect::dispatchEffectClass(&detached, 1, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(AudioEffect::dispatchEffectClass(nullptr, 22, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(AudioEffect::getParameterClass(nullptr, 0), 0.0f);
    AudioEffect::setParameterClass(&detached, 0, 1.0f);
    AudioEffect::processClassReplacing(nullptr, nullptr, nullptr, 16);
}

TEST(EffectRecord, OpcodeZeroOpensAndOpcodeOneClosesThenDeletesTheObject)
{
    auto fx = std::make_unique<StrictMock<MockEffect>>();
    auto editor = std::make_unique<StrictMock<MockEditor>>();
    MockEditor& editorRef = *editor;
    fx->installEditor(std::move(editor));

    testing::InSequence order;
    EXPECT_CALL(*fx, open());
    EXPECT_CALL(*fx, close());
    EXPECT_CALL(editorRef, destroyed());

    EXPECT_EQ(dispatch(*fx, 0), 0);
    MockEffect* released = fx.release(); // the host hands the object back with opcode 1
    EXPECT_EQ(dispatch(*released, 1), 1);
}

TEST(EffectRecord, OpcodeOneAnswersOneAndDeletesEvenWhenCloseDoesNothing)
{
    bool deleted = false;
    auto* fx = std::make_unique<PlainEffect>(nullptr, &deleted).release();
    EXPECT_EQ(dispatch(*fx, 1), 1);
    EXPECT_TRUE(deleted);
}
