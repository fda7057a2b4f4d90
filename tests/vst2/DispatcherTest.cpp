#include "TestEffects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using testing::Return;
using testing::StrictMock;

namespace
{
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();

// Derives from AudioEffect alone: its dispatcher stops at opcode 24.
class BaseOnlyEffect final : public AudioEffect
{
public:
    BaseOnlyEffect() : AudioEffect(nullptr, 1, 1) {}
    void processReplacing(float**, float**, std::int32_t) override {}
};

class Dispatcher : public testing::Test
{
protected:
    StrictMock<MockEffect> fx;
    char text[64];
};
} // namespace

TEST_F(Dispatcher, BasicOpcodesMapTheirArguments)
{
    EXPECT_CALL(fx, getProgram()).WillOnce(Return(-7));
    EXPECT_EQ(dispatch(fx, 3), -7) << "int32 answers are sign-extended";

    EXPECT_CALL(fx, setProgramName(text));
    EXPECT_CALL(fx, getProgramName(text));
    EXPECT_CALL(fx, getParameterLabel(9, text));
    EXPECT_CALL(fx, getParameterDisplay(0, text));
    EXPECT_CALL(fx, getParameterName(5, text));
    EXPECT_CALL(fx, setSampleRate(48000.0f));
    EXPECT_CALL(fx, setBlockSize(512));
    EXPECT_EQ(dispatch(fx, 4, 0, 0, text), 0);
    EXPECT_EQ(dispatch(fx, 5, 0, 0, text), 0);
    EXPECT_EQ(dispatch(fx, 6, 9, 0, text), 0);
    EXPECT_EQ(dispatch(fx, 7, 0, 0, text), 0);
    EXPECT_EQ(dispatch(fx, 8, 5, 0, text), 0);
    EXPECT_EQ(dispatch(fx, 10, 0, 0, nullptr, 48000.0f), 0);
    EXPECT_EQ(dispatch(fx, 11, 0, 512), 0);
}

TEST_F(Dispatcher, ProgramSelectionNeedsAnIndexWithinTheProgramCount)
{
    EXPECT_CALL(fx, setProgram(0));
    EXPECT_CALL(fx, setProgram(11));
    for (const std::int64_t value : {std::int64_t{0}, std::int64_t{11}})
        EXPECT_EQ(dispatch(fx, 2, 0, value), 0);

    // Each of these would reach the program slots as a valid-looking or negative int32.
    const std::int64_t refused[] = {-1, 12, std::int64_t{1} << 32, (std::int64_t{1} << 32) + 3,
                                    std::numeric_limits<std::int64_t>::min()};
    for (const std::int64_t value : refused)
        EXPECT_EQ(dispatch(fx, 2, 0, value), 0) << value;
}

TEST_F(Dispatcher, OpcodeTwelveSuspendsOnZeroAndResumesOnAnythingElse)
{
    testing::InSequence order;
    EXPECT_CALL(fx, suspend());
    EXPECT_CALL(fx, resume()).Times(3);
    for (const std::int64_t value :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, std::int64_t{1} << 32})
        EXPECT_EQ(dispatch(fx, 12, 0, value), 0);
}

TEST_F(Dispatcher, FixedAnswersAndOpcodesThatCallNothing)
{
    EXPECT_EQ(dispatch(fx, 22), 0x4E764566);
    EXPECT_EQ(dispatch(fx, 22, -5, -9, text, 3.0f), 0x4E764566);

    const std::int32_t inert[] = {9,  16, 17, 18, 20, 21, 28, 30, 31, 32,   36,        37,
                                  43, 46, 53, 54, 55, 57, 80, 99, -1, 1000, 0x7FFFFFFF};
    for (const std::int32_t opcode : inert)
        EXPECT_EQ(dispatch(fx, opcode, 1, 1, text, 1.0f), 0) << "opcode " << opcode;

    BaseOnlyEffect base;
    EXPECT_EQ(dispatch(base, 22), 0x4E764566);
    EXPECT_EQ(dispatch(base, 58), 0) << "extended opcodes belong to AudioEffectX";
}

TEST_F(Dispatcher, EditorOpcodesReachAnInstalledEditorOnly)
{
    for (const std::int32_t opcode : {13, 14, 15, 19, 59, 60, 61})
        EXPECT_EQ(dispatch(fx, opcode, 0, 0, text), 0) << "no editor, opcode " << opcode;

    auto editor = std::make_unique<StrictMock<MockEditor>>();
    MockEditor& ed = *editor;
    EXPECT_CALL(ed, destroyed());
    fx.installEditor(std::move(editor));

    EditorRect* rect = nullptr;
    int window = 0;
    EXPECT_CALL(ed, getRect(&rect)).WillOnce(Return(true));
    EXPECT_CALL(ed, open(&window)).WillOnce(Return(true));
    EXPECT_CALL(ed, close());
    EXPECT_CALL(ed, idle());
    EXPECT_EQ(dispatch(fx, 13, 0, 0, &rect), 1);
    EXPECT_EQ(dispatch(fx, 14, 0, 0, &window), 1);
    EXPECT_EQ(dispatch(fx, 15), 0);
    EXPECT_EQ(dispatch(fx, 19), 0);

    // Nothing to write the rectangle into, no window to embed into.
    EXPECT_EQ(dispatch(fx, 13), 0);
    EXPECT_EQ(dispatch(fx, 14), 0);
}

TEST_F(Dispatcher, NullTextsAndStrayParameterIndicesNeverReachTheEffect)
{
    for (const std::int32_t opcode : {4, 5, 6, 7, 8})
        EXPECT_EQ(dispatch(fx, opcode, 0), 0) << "opcode " << opcode;

    for (const std::int32_t opcode : {6, 7, 8})
        for (const std::int32_t index : {-1, 10, std::numeric_limits<std::int32_t>::min()})
        {
            std::memset(text, 'x', sizeof(text));
            EXPECT_EQ(dispatch(fx, opcode, index, 0, text), 0);
            EXPECT_STREQ(text, "") << "opcode " << opcode << " index " << index;
        }
}

TEST_F(Dispatcher, UnusableRatesAndBlockSizesAreIgnored)
{
    for (const float rate : {0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity()})
        EXPECT_EQ(dispatch(fx, 10, 0, 0, nullptr, rate), 0) << rate;
    for (const std::int64_t size :
         {std::int64_t{0}, std::int64_t{-1}, int32Max + 1, std::int64_t{1} << 32})
        EXPECT_EQ(dispatch(fx, 11, 0, size), 0) << size;
}

TEST_F(Dispatcher, GetChunkAnswersItsSizeOnlyWithAValidAddressAndData)
{
    static char chunk[8] = "chunk!!";
    void* data = text;

    EXPECT_CALL(fx, getChunk(&data, true))
        .WillOnce(
            [](void** out, bool)
            {
                *out = chunk;
                return 8;
            });
    EXPECT_EQ(dispatch(fx, 23, 1, 0, &data), 8);
    EXPECT_EQ(data, chunk);

    EXPECT_CALL(fx, getChunk(&data, false)).WillOnce(Return(16)); // leaves the data unset
    EXPECT_EQ(dispatch(fx, 23, 0, 0, &data), 0);
    EXPECT_EQ(data, nullptr);

    EXPECT_CALL(fx, getChunk(&data, false))
        .WillOnce(
            [](void** out, bool)
            {
                *out = chunk;
                return -1;
            });
    EXPECT_EQ(dispatch(fx, 23, 0, 0, &data), 0);
    EXPECT_EQ(data, nullptr);

    EXPECT_EQ(dispatch(fx, 23, 0, 0, nullptr), 0) << "no address to write through";
}

TEST_F(Dispatcher, SetChunkNeedsDataAndASizeThatFitsAPositiveInt32)
{
    EXPECT_CALL(fx, setChunk(text, 64, true)).WillOnce(Return(1));
    EXPECT_CALL(fx, setChunk(text, std::numeric_limits<std::int32_t>::max(), false))
        .WillOnce(Return(-3));
    EXPECT_EQ(dispatch(fx, 24, 7, 64, text), 1);
    EXPECT_EQ(dispatch(fx, 24, 0, int32Max, text), -3);

    EXPECT_EQ(dispatch(fx, 24, 0, 64, nullptr), 0);
    for (const std::int64_t size :
         {std::int64_t{0}, std::int64_t{-64}, int32Max + 1, (std::int64_t{1} << 32) + 64})
        EXPECT_EQ(dispatch(fx, 24, 0, size, text), 0) << size;
}
