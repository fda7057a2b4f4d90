#include "TestEffects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

using testing::AllOf;
using testing::Field;
using testing::Return;
using testing::StrictMock;

namespace
{
// Distinct addresses that stand for host records the base classes only pass along.
template <typename Record> Record* fakeRecord(std::uintptr_t n)
{
    return reinterpret_cast<Record*>(0x10000 + 16 * n);
}

std::int64_t addressOf(const void* p)
{
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(p));
}

// An effect whose canDo answers as told and remembers what it was asked.
class MidiEffect final : public PlainEffect
{
public:
    explicit MidiEffect(std::int32_t answer) : PlainEffect(SpyHost::callback), canDoAnswer(answer)
    {
    }
    std::int32_t canDo(const char* text) override
    {
        asked = text;
        return canDoAnswer;
    }

    std::int32_t canDoAnswer;
    std::string asked;
};

class ExtendedDispatcher : public testing::Test
{
protected:
    StrictMock<MockEffect> fx;
    char text[64] = {};
};
} // namespace

TEST_F(ExtendedDispatcher, IndexedQueriesPassIndexAndRecord)
{
    auto* pin = fakeRecord<VstPinProperties>(1);
    auto* props = fakeRecord<VstParameterProperties>(2);
    auto* midiName = fakeRecord<MidiProgramName>(3);
    auto* category = fakeRecord<MidiProgramCategory>(4);
    auto* keyName = fakeRecord<MidiKeyName>(5);

    EXPECT_CALL(fx, canParameterBeAutomated(9)).WillOnce(Return(true));
    EXPECT_CALL(fx, string2parameter(2, text)).WillOnce(Return(true));
    EXPECT_CALL(fx, getProgramNameIndexed(-3, 11, text)).WillOnce(Return(true));
    EXPECT_CALL(fx, getInputProperties(0, pin)).WillOnce(Return(true));
    EXPECT_CALL(fx, getOutputProperties(1, pin)).WillOnce(Return(false));
    EXPECT_CALL(fx, getParameterProperties(4, props)).WillOnce(Return(true));
    EXPECT_CALL(fx, getMidiProgramName(15, midiName)).WillOnce(Return(128));
    EXPECT_CALL(fx, getCurrentMidiProgram(3, midiName)).WillOnce(Return(-1));
    EXPECT_CALL(fx, getMidiProgramCategory(2, category)).WillOnce(Return(5));
    EXPECT_CALL(fx, hasMidiProgramsChanged(6)).WillOnce(Return(true));
    EXPECT_CALL(fx, getMidiKeyName(7, keyName)).WillOnce(Return(true));

    EXPECT_EQ(dispatch(fx, 26, 9), 1);
    EXPECT_EQ(dispatch(fx, 27, 2, 0, text), 1);
    EXPECT_EQ(dispatch(fx, 29, 11, -3, text), 1) << "category from value, program from index";
    EXPECT_EQ(dispatch(fx, 33, 0, 0, pin), 1);
    EXPECT_EQ(dispatch(fx, 34, 1, 0, pin), 0);
    EXPECT_EQ(dispatch(fx, 56, 4, 0, props), 1);
    EXPECT_EQ(dispatch(fx, 62, 15, 0, midiName), 128);
    EXPECT_EQ(dispatch(fx, 63, 3, 0, midiName), -1);
    EXPECT_EQ(dispatch(fx, 64, 2, 0, category), 5);
    EXPECT_EQ(dispatch(fx, 65, 6), 1);
    EXPECT_EQ(dispatch(fx, 66, 7, 0, keyName), 1);
}

TEST_F(ExtendedDispatcher, TextAndRecordOpcodesPassTheirPointer)
{
    auto* events = fakeRecord<VstEvents>(1);
    auto* io = fakeRecord<VstVariableIo>(2);
    auto* chunkInfo = fakeRecord<VstPatchChunkInfo>(3);
    auto* file = fakeRecord<VstAudioFile>(4);
    auto* task = fakeRecord<VstOfflineTask>(5);

    EXPECT_CALL(fx, processEvents(events)).WillOnce(Return(1));
    EXPECT_CALL(fx, processVariableIo(io)).WillOnce(Return(true));
    EXPECT_CALL(fx, getEffectName(text)).WillOnce(Return(true));
    EXPECT_CALL(fx, getVendorString(text)).WillOnce(Return(true));
    EXPECT_CALL(fx, getProductString(text)).WillOnce(Return(false));
    EXPECT_CALL(fx, canDo(text)).WillOnce(Return(-1));
    EXPECT_CALL(fx, getNextShellPlugin(text)).WillOnce(Return(0x41424344));
    EXPECT_CALL(fx, beginLoadBank(chunkInfo)).WillOnce(Return(-1));
    EXPECT_CALL(fx, beginLoadProgram(chunkInfo)).WillOnce(Return(1));
    EXPECT_CALL(fx, offlineNotify(file, 3, true)).WillOnce(Return(true));
    EXPECT_CALL(fx, offlineNotify(file, 2, false)).WillOnce(Return(false));
    EXPECT_CALL(fx, offlinePrepare(task, 4)).WillOnce(Return(true));
    EXPECT_CALL(fx, offlineRun(task, 5)).WillOnce(Return(true));

    EXPECT_EQ(dispatch(fx, 25, 0, 0, events), 1);
    EXPECT_EQ(dispatch(fx, 41, 0, 0, io), 1);
    EXPECT_EQ(dispatch(fx, 45, 0, 0, text), 1);
    EXPECT_EQ(dispatch(fx, 47, 0, 0, text), 1);
    EXPECT_EQ(dispatch(fx, 48, 0, 0, text), 0);
    EXPECT_EQ(dispatch(fx, 51, 0, 0, text), -1);
    EXPECT_EQ(dispatch(fx, 70, 0, 0, text), 0x41424344);
    EXPECT_EQ(dispatch(fx, 75, 0, 0, chunkInfo), -1);
    EXPECT_EQ(dispatch(fx, 76, 0, 0, chunkInfo), 1);
    EXPECT_EQ(dispatch(fx, 38, 5, 3, file), 1);
    EXPECT_EQ(dispatch(fx, 38, 0, 2, file), 0);
    EXPECT_EQ(dispatch(fx, 39, 0, 4, task), 1);
    EXPECT_EQ(dispatch(fx, 40, 0, 5, task), 1);
}

TEST_F(ExtendedDispatcher, ValueArgumentsAreCastAndAnswersWidened)
{
    EXPECT_CALL(fx, setBypass(true)).Times(2).WillRepeatedly(Return(true));
    EXPECT_CALL(fx, setBypass(false)).WillOnce(Return(false));
    EXPECT_CALL(fx, setTotalSampleToProcess(512)).WillOnce(Return(512));
    EXPECT_CALL(fx, setTotalSampleToProcess(-2)).WillOnce(Return(-2));
    EXPECT_CALL(fx, setPanLaw(1, 0.5f)).WillOnce(Return(true));
    EXPECT_CALL(fx, setProcessPrecision(1)).WillOnce(Return(true));
    EXPECT_CALL(fx, vendorSpecific(-4, std::int64_t{1} << 40, text, 2.5f))
        .WillOnce(Return(std::int64_t{0x123456789}));

    EXPECT_EQ(dispatch(fx, 44, 0, 1), 1);
    EXPECT_EQ(dispatch(fx, 44, 0, std::int64_t{1} << 32), 1) << "any non-zero value";
    EXPECT_EQ(dispatch(fx, 44, 0, 0), 0);
    EXPECT_EQ(dispatch(fx, 73, 0, 512), 512);
    EXPECT_EQ(dispatch(fx, 73, 0, (std::int64_t{1} << 32) - 2), -2) << "value read as int32";
    EXPECT_EQ(dispatch(fx, 74, 0, 1, nullptr, 0.5f), 1);
    EXPECT_EQ(dispatch(fx, 77, 0, 1), 1);
    EXPECT_EQ(dispatch(fx, 50, -4, std::int64_t{1} << 40, text, 2.5f), 0x123456789)
        << "the 64-bit answer unchanged";
}

TEST_F(ExtendedDispatcher, QueriesWithoutArguments)
{
    EXPECT_CALL(fx, getPlugCategory()).WillOnce(Return(-1));
    EXPECT_CALL(fx, getVendorVersion()).WillOnce(Return(-2));
    EXPECT_CALL(fx, getGetTailSize()).WillOnce(Return(4096));
    EXPECT_CALL(fx, getVstVersion()).WillOnce(Return(2400));
    EXPECT_CALL(fx, beginSetProgram()).WillOnce(Return(true));
    EXPECT_CALL(fx, endSetProgram()).WillOnce(Return(false));
    EXPECT_CALL(fx, startProcess()).WillOnce(Return(1));
    EXPECT_CALL(fx, stopProcess()).WillOnce(Return(-1));
    EXPECT_CALL(fx, getNumMidiInputChannels()).WillOnce(Return(16));
    EXPECT_CALL(fx, getNumMidiOutputChannels()).WillOnce(Return(3));

    EXPECT_EQ(dispatch(fx, 35), 0xFFFFFFFF) << "the category is widened unsigned";
    EXPECT_EQ(dispatch(fx, 49), -2);
    EXPECT_EQ(dispatch(fx, 52), 4096);
    EXPECT_EQ(dispatch(fx, 58), 2400);
    EXPECT_EQ(dispatch(fx, 67), 1);
    EXPECT_EQ(dispatch(fx, 68), 0);
    EXPECT_EQ(dispatch(fx, 71), 1);
    EXPECT_EQ(dispatch(fx, 72), -1);
    EXPECT_EQ(dispatch(fx, 78), 16);
    EXPECT_EQ(dispatch(fx, 79), 3);
}

TEST_F(ExtendedDispatcher, SpeakerArrangementOpcodesReadTheValueAsAnAddress)
{
    VstSpeakerArrangement input{}, output{};
    VstSpeakerArrangement* inputSlot = &input;
    VstSpeakerArrangement* outputSlot = &output;

    EXPECT_CALL(fx, setSpeakerArrangement(&input, &output)).WillOnce(Return(true));
    EXPECT_CALL(fx, getSpeakerArrangement(&inputSlot, &outputSlot)).WillOnce(Return(true));
    EXPECT_EQ(dispatch(fx, 42, 0, addressOf(&input), &output), 1);
    EXPECT_EQ(dispatch(fx, 69, 0, addressOf(&inputSlot), &outputSlot), 1);

    for (const std::int32_t opcode : {42, 69})
    {
        EXPECT_EQ(dispatch(fx, opcode, 0, 0, &outputSlot), 0);
        EXPECT_EQ(dispatch(fx, opcode, 0, addressOf(&inputSlot), nullptr), 0);
    }
}

TEST_F(ExtendedDispatcher, EditorKeysAndKnobModeReachTheEditor)
{
    auto editor = std::make_unique<StrictMock<MockEditor>>();
    MockEditor& ed = *editor;
    EXPECT_CALL(ed, destroyed());
    fx.installEditor(std::move(editor));

    auto key = [](std::int32_t character, std::uint8_t virtualKey, std::uint8_t modifiers)
    {
        return AllOf(Field(&EditorKey::character, character),
                     Field(&EditorKey::virtualKey, virtualKey),
                     Field(&EditorKey::modifiers, modifiers));
    };
    EXPECT_CALL(ed, onKeyDown(key('a', 0x34, 3))).WillOnce(Return(true));
    EXPECT_CALL(ed, onKeyUp(key('b', 0x01, 0xFF))).WillOnce(Return(false));
    EXPECT_CALL(ed, onKeyDown(key(0, 0, 0))).WillOnce(Return(true));
    EXPECT_CALL(ed, setKnobMode(2)).WillOnce(Return(true));

    EXPECT_EQ(dispatch(fx, 59, 'a', 0x134, nullptr, 3.9f), 1) << "8-bit fields truncate";
    EXPECT_EQ(dispatch(fx, 60, 'b', 1, nullptr, -1.0f), 0);
    EXPECT_EQ(dispatch(fx, 59, 0, 0, nullptr, std::numeric_limits<float>::quiet_NaN()), 1);
    EXPECT_EQ(dispatch(fx, 61, 0, 2), 1);
}

TEST_F(ExtendedDispatcher, NullPointersAndStrayIndicesAreAnsweredZeroWithoutACall)
{
    // Every opcode whose callee reads or fills the pointer.
    const std::int32_t needsPointer[] = {25, 27, 29, 33, 34, 38, 39, 40, 41, 45, 47,
                                         48, 51, 56, 62, 63, 64, 66, 70, 75, 76};
    for (const std::int32_t opcode : needsPointer)
        EXPECT_EQ(dispatch(fx, opcode, 0, 0, nullptr), 0) << "opcode " << opcode;

    struct Stray
    {
        std::int32_t opcode;
        std::int32_t index;
    };
    const Stray strays[] = {{26, -1}, {26, 10}, {27, 10}, {56, -1}, {56, 10}, {29, -1},
                            {29, 12}, {33, -1}, {33, 1},  {34, 2},  {34, -5}};
    char buffer[64] = {};
    for (const auto& s : strays)
        EXPECT_EQ(dispatch(fx, s.opcode, s.index, 0, buffer), 0)
            << "opcode " << s.opcode << " index " << s.index;
}

TEST(ExtendedBase, FixedAnswers)
{
    PlainEffect fx;
    EXPECT_EQ(dispatch(fx, 58), 2400);
    EXPECT_EQ(dispatch(fx, 26, 0), 1);
    EXPECT_EQ(dispatch(fx, 63, 0, 0, fakeRecord<MidiProgramName>(1)), -1);
    EXPECT_EQ(dispatch(fx, 35), 0);
    fx.isSynth(true);
    EXPECT_EQ(dispatch(fx, 35), 2);
    EXPECT_EQ(dispatch(fx, 73, 0, 512), 512);
    EXPECT_EQ(fx.__getNumCategoriesDeprecated(), 1);

    VstSpeakerArrangement dummy{};
    VstSpeakerArrangement* input = &dummy;
    VstSpeakerArrangement* output = &dummy;
    EXPECT_EQ(dispatch(fx, 69, 0, addressOf(&input), &output), 0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

TEST(ExtendedBase, ResumeAsksForEventsOnlyForASynthOrAnEffectThatTakesMidi)
{
    struct Case
    {
        bool synth;
        std::int32_t canDoAnswer;
        bool wantsEvents;
    };
    const Case cases[] = {{false, 0, false},
                          {false, -1, false},
                          {false, 2, false},
                          {false, 1, true},
                          {true, -1, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "synth " << c.synth << " canDo " << c.canDoAnswer);
        MidiEffect fx(c.canDoAnswer);
        SpyHost host;
        host.attach(fx);
        fx.isSynth(c.synth);

        EXPECT_EQ(dispatch(fx, 12, 0, 1), 0);
        if (!c.synth)
        {
            EXPECT_EQ(fx.asked, "receiveVstMidiEvent");
        }
        if (c.wantsEvents)
        {
            ASSERT_EQ(host.calls.size(), 1u);
            EXPECT_EQ(host.calls[0].opcode, 6);
            EXPECT_EQ(host.calls[0].value, 1);
        }
        else
            EXPECT_TRUE(host.calls.empty());
    }
}
