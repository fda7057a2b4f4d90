#include "ProcessorTestSupport.h"

#include "GuardedXml.h"
#include "TempoDivision.h"

namespace
{
const juce::String defaultValues = R"(<Value property="onBypass" type="boolean">true</Value>)"
                                   R"(<Value property="phaserType" type="number">0</Value>)"
                                   R"(<Value property="rate" type="number">0.50000</Value>)"
                                   R"(<Value property="rateSync" type="number">9</Value>)"
                                   R"(<Value property="depth" type="number">0.50000</Value>)"
                                   R"(<Value property="feedback" type="number">0.50000</Value>)"
                                   R"(<Value property="mix" type="number">0.50000</Value>)"
                                   R"(<Value property="level" type="number">0.50000</Value>)"
                                   R"(<Value property="stereo" type="boolean">false</Value>)"
                                   R"(<Value property="sync" type="boolean">false</Value>)";

const juce::String documentStart =
    R"(<velmorPatch version="1.0"><DeviceName>Stompix ZR7714</DeviceName>)"
    R"(<Properties deviceProductID="com.velmor.StompixZR7714" deviceVersion="1.0.1" presetVersion="1.0")";

juce::String defaultChannels()
{
    return R"(<Channel channel="0" presetPath="Init.vzrp">)" + defaultValues + "</Channel>" +
           R"(<Channel channel="1" presetPath="Init.vzrp">)" + defaultValues + "</Channel>";
}

// A preset file with the given "Properties" attributes after the product identifier and the
// given "Value" elements.
std::unique_ptr<juce::XmlElement>
presetDocument(const juce::String& values,
               const juce::String& identifier = "com.velmor.StompixZR7714",
               const juce::String& moreAttributes = R"( deviceVersion="1.0.1" presetVersion="1.0")",
               const juce::String& root = "velmorPatch")
{
    return GuardedXml::parse(
        "<" + root +
        R"( version="1.0"><DeviceName>Stompix ZR7714</DeviceName><Properties deviceProductID=")" +
        identifier + "\"" + moreAttributes + ">" + values + "</Properties></" + root + ">");
}

juce::String value(const char* key, const char* text)
{
    return juce::String("<Value property=\"") + key + "\" type=\"number\">" + text + "</Value>";
}

class State : public ::testing::Test
{
protected:
    StompixZR7714AudioProcessor processor;
};

TEST_F(State, DefaultDocumentsByteForByte)
{
    juce::String wholeState = documentStart + R"( activePreset="0">)";

    for (int program = 0; program < 12; ++program)
        wholeState << "<Preset preset=\"" << program << "\" activeChannel=\"0\">"
                   << defaultChannels() << "</Preset>";

    wholeState << "</Properties></velmorPatch>";

    const auto chunk = stateOf(processor);
    ASSERT_EQ(chunk.getSize(), (size_t)wholeState.getNumBytesAsUTF8() + 9);
    EXPECT_EQ(chunk.toString().substring(0, 4), "VC2!");
    EXPECT_EQ(juce::ByteOrder::littleEndianInt(static_cast<const char*>(chunk.getData()) + 4),
              (juce::uint32)wholeState.getNumBytesAsUTF8());
    EXPECT_EQ(juce::String::fromUTF8(static_cast<const char*>(chunk.getData()) + 8,
                                     (int)chunk.getSize() - 9),
              wholeState);
    EXPECT_EQ(static_cast<const char*>(chunk.getData())[chunk.getSize() - 1], 0);

    juce::MemoryBlock current;
    processor.getCurrentProgramStateInformation(current);
    EXPECT_EQ(juce::String::fromUTF8(static_cast<const char*>(current.getData()) + 8,
                                     (int)current.getSize() - 9),
              documentStart + R"( activeChannel="0">)" + defaultChannels() +
                  "</Properties></velmorPatch>");

    EXPECT_EQ(singleLine(processor.writePreset(true)),
              documentStart + ">" + defaultValues + "</Properties></velmorPatch>");
}

TEST_F(State, WholeStateRoundTripRestoresEverySlotQuantised)
{
    for (int program = 0; program < 12; ++program)
    {
        processor.setCurrentProgram(program);
        auto& slot = processor.getCurrentProgramSlot();
        slot.presetPath[0] = "A/" + juce::String(program) + ".vzrp";
        slot.presetPath[1] = "B & <" + juce::String(program) + "> \"é\".vzrp";

        for (int channel : {0, 1})
        {
            slot.activeChannel = channel;

            for (int k = 0; k < kNumParameters; ++k)
                processor.setParameter(k, (float)((program * 7 + channel * 3 + k) % 11) / 10.3f);
        }

        slot.activeChannel = program % 2;
    }

    processor.setCurrentProgram(7);

    StompixZR7714AudioProcessor restored;
    setState(restored, stateOf(processor));

    EXPECT_EQ(restored.getCurrentProgram(), 7);

    for (int program = 0; program < 12; ++program)
    {
        const auto& original = processor.getProgramSlot(program);
        const auto& copy = restored.getProgramSlot(program);
        EXPECT_EQ(copy.activeChannel, original.activeChannel);

        for (int channel : {0, 1})
        {
            EXPECT_EQ(copy.presetPath[(size_t)channel], original.presetPath[(size_t)channel]);
            const auto& o = original.values[(size_t)channel];
            const auto& c = copy.values[(size_t)channel];

            EXPECT_EQ(c[kOnBypass], o[kOnBypass] > 0.0f ? 1.0f : 0.0f);
            EXPECT_EQ(c[kPhaserType],
                      (float)StompixZR7714AudioProcessor::modelNumberFor(o[kPhaserType]) * 0.5f);
            EXPECT_EQ(c[kRateSync], (float)TempoDivision::stepFor(o[kRateSync]) / 18.0f);

            for (int k : {kRate, kDepth, kFeedback, kMix, kLevel})
                EXPECT_NEAR(c[(size_t)k], o[(size_t)k], 0.000005f);
        }
    }

    for (int k = 0; k < kNumParameters; ++k)
        EXPECT_EQ(restored.getCurrentValue(k), restored.getParameter(k));

    // What was read back is written out again unchanged.
    StompixZR7714AudioProcessor again;
    setState(again, stateOf(restored));
    EXPECT_EQ(stateOf(again), stateOf(restored));
}

TEST_F(State, RestoringAnotherTypeArmsTheModelSwitch)
{
    processor.setParameter(kPhaserType, 1.0f);
    const auto chunk = stateOf(processor);

    StompixZR7714AudioProcessor restored;
    clearFlags(restored);
    setState(restored, chunk);

    EXPECT_EQ(restored.getCurrentValue(kPhaserType), 1.0f);
    EXPECT_GT(restored.getPhaserTypeWrites(), 0u);
    EXPECT_EQ(restored.presetLoaded.load(), 1);
    EXPECT_EQ(restored.activeChannelChanged.load(), 1);
}

TEST_F(State, CurrentProgramStateLandsInTheCurrentSlot)
{
    processor.setCurrentProgram(5);
    processor.getCurrentProgramSlot().activeChannel = 1;
    processor.getCurrentProgramSlot().presetPath[1] = "Mine.vzrp";
    processor.setParameter(kMix, 0.25f);

    juce::MemoryBlock chunk;
    processor.getCurrentProgramStateInformation(chunk);

    StompixZR7714AudioProcessor other;
    other.setCurrentProgram(2);
    other.setCurrentProgramStateInformation(chunk.getData(), (int)chunk.getSize());

    EXPECT_EQ(other.getCurrentProgram(), 2);
    EXPECT_EQ(other.getProgramSlot(2).activeChannel, 1);
    EXPECT_EQ(other.getProgramSlot(2).presetPath[1], "Mine.vzrp");
    EXPECT_EQ(other.getCurrentValue(kMix), 0.25f);
    EXPECT_EQ(other.getProgramSlot(5).values[1][kMix], 0.5f);
}

TEST_F(State, ReadPresetResults)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<juce::XmlElement> document;
        bool presetFile;
        int result;
        bool applied;
    };

    const auto mix = value("mix", "0.25000");
    std::vector<Case> cases;
    cases.push_back({"no document", nullptr, true, 0, false});
    cases.push_back({"no document, whole state", nullptr, false, 0, false});
    cases.push_back({"another root",
                     presetDocument(mix, "com.velmor.StompixZR7714", "", "otherPatch"), true, 0,
                     false});
    cases.push_back({"no Properties",
                     GuardedXml::parse("<velmorPatch><Other>" + mix + "</Other></velmorPatch>"),
                     true, 0, false});
    cases.push_back({"version 1.0", presetDocument(mix), true, 1, true});
    cases.push_back({"no third attribute",
                     presetDocument(mix, "com.velmor.StompixZR7714", R"( deviceVersion="1.0.1")"),
                     true, 1, true});
    cases.push_back({"newer version",
                     presetDocument(mix, "com.velmor.StompixZR7714",
                                    R"( deviceVersion="1.0.1" presetVersion="1.1")"),
                     true, 4, true});
    cases.push_back({"identifier in another case", presetDocument(mix, "com.velmor.stompixZR7714"),
                     true, 2, false});
    cases.push_back(
        {"root in another case",
         presetDocument(mix, "com.velmor.StompixZR7714", R"( a="" b="1.0")", "VELMORPATCH"), true,
         1, true});
    cases.push_back({"preset read as whole state", presetDocument(mix), false, 5, false});
    cases.push_back({"another root as whole state",
                     presetDocument(mix, "com.velmor.StompixZR7714", "", "otherPatch"), false, 5,
                     false});

    for (auto& c : cases)
    {
        StompixZR7714AudioProcessor fresh;
        const auto before = stateOf(fresh);
        EXPECT_EQ(fresh.readPreset(std::move(c.document), c.presetFile), c.result) << c.what;
        EXPECT_EQ(fresh.getCurrentValue(kMix), c.applied ? 0.25f : 0.5f) << c.what;

        if (!c.applied && c.presetFile)
        {
            EXPECT_EQ(stateOf(fresh), before) << c.what;
        }
    }
}

TEST_F(State, PresetValuesGoToTheActiveChannelAndTheHost)
{
    processor.getCurrentProgramSlot().activeChannel = 1;
    HostNotifications host(processor);
    const auto typeWrites = processor.getPhaserTypeWrites();

    const auto values = value("rate", "0.12346") + value("phaserType", "2") +
                        value("rateSync", "3") +
                        R"(<Value property="stereo" type="boolean">  true </Value>)" +
                        R"(<Value property="sync" type="boolean">True</Value>)" +
                        R"(<Value property="unknown" type="number">1</Value>)";

    EXPECT_EQ(processor.readPreset(presetDocument(values), true), 1);

    const auto& slot = processor.getCurrentProgramSlot();
    EXPECT_EQ(slot.values[1][kRate], 0.12346f);
    EXPECT_EQ(slot.values[1][kPhaserType], 1.0f);
    EXPECT_EQ(slot.values[1][kRateSync], 3.0f / 18.0f);
    EXPECT_EQ(slot.values[1][kStereo], 1.0f);
    EXPECT_EQ(slot.values[1][kSync], 0.0f);
    EXPECT_EQ(slot.values[0][kRate], 0.5f);
    EXPECT_EQ(processor.getCurrentValue(kRate), 0.12346f);
    EXPECT_EQ(slot.presetPath[1], "Init.vzrp");
    EXPECT_EQ(host.changes.size(), (size_t)5);
    EXPECT_EQ(processor.getPhaserTypeWrites(), typeWrites + 1);
}

TEST_F(State, ComparePreset)
{
    processor.setParameter(kRate, 0.123456f);
    EXPECT_FALSE(
        processor.comparePreset(std::make_unique<juce::XmlElement>(processor.writePreset(true))));

    // A stepped parameter matches while it plays the step stored: 0.3 plays model 1, stored as
    // 1 and read back as 0.5; 0.6 plays model 2.
    processor.setParameter(kPhaserType, 0.3f);
    EXPECT_FALSE(
        processor.comparePreset(std::make_unique<juce::XmlElement>(processor.writePreset(true))));
    EXPECT_TRUE(processor.comparePreset(presetDocument(value("phaserType", "2"))));
    processor.setParameter(kPhaserType, 0.6f);
    EXPECT_FALSE(processor.comparePreset(presetDocument(value("phaserType", "2"))));
    EXPECT_TRUE(processor.comparePreset(presetDocument(value("phaserType", "1"))));

    processor.setParameter(kPhaserType, 0.5f);
    processor.setParameter(kStereo, 0.4f); // on, stored as "true"
    EXPECT_FALSE(
        processor.comparePreset(std::make_unique<juce::XmlElement>(processor.writePreset(true))));

    processor.setParameter(kLevel, 0.7f);
    EXPECT_TRUE(processor.comparePreset(presetDocument(value("level", "0.69998"))));
    EXPECT_FALSE(processor.comparePreset(presetDocument(value("level", "0.699995"))));

    // A whole-state document has no values directly below "Properties".
    processor.setParameter(kMix, 0.9f);
    EXPECT_FALSE(
        processor.comparePreset(std::make_unique<juce::XmlElement>(processor.writePreset(false))));
    EXPECT_FALSE(processor.comparePreset(nullptr));
    EXPECT_FALSE(processor.comparePreset(presetDocument(value("mix", "0"), "x", "", "other")));

    // Compared with what loading stores: an out-of-range value loads as 1.
    processor.setParameter(kMix, 1.0f);
    EXPECT_FALSE(processor.comparePreset(presetDocument(value("mix", "3"))));
}

// The tempo knob moves in steps of 1/18.1 (in single precision), the note values lie at k/18:
// a preset saved at any of the knob's 19 positions stores the note value that plays there, reads
// back playing it and matches the knob's value.
TEST_F(State, APresetSavedAtEachTempoKnobPositionMatchesAndReloadsTheSameNoteValue)
{
    const double knobInterval = (double)(float)(1.0 / 18.1);

    for (int position = 0; position < TempoDivision::count; ++position)
    {
        SCOPED_TRACE(position);
        const auto knobValue = (float)(position * knobInterval);
        processor.setParameter(kRateSync, knobValue);
        ASSERT_EQ(TempoDivision::stepFor(knobValue), position);

        const auto saved = processor.writePreset(true);
        EXPECT_FALSE(processor.comparePreset(std::make_unique<juce::XmlElement>(saved)));

        StompixZR7714AudioProcessor reloaded;
        ASSERT_EQ(reloaded.readPreset(std::make_unique<juce::XmlElement>(saved), true), 1);
        EXPECT_EQ(TempoDivision::stepFor(reloaded.getParameter(kRateSync)), position);
        EXPECT_FALSE(reloaded.comparePreset(std::make_unique<juce::XmlElement>(saved)));
    }

    // A neighbouring note value still shows as a change.
    processor.setParameter(kRateSync, (float)(17 * knobInterval));
    EXPECT_TRUE(processor.comparePreset(presetDocument(value("rateSync", "16"))));
    EXPECT_TRUE(processor.comparePreset(presetDocument(value("rateSync", "18"))));
}

TEST_F(State, ActivePresetNamingNoProgramFallsBackToProgramZeroChannelA)
{
    processor.setCurrentProgram(4);
    processor.getCurrentProgramSlot().activeChannel = 1;
    auto document = std::make_unique<juce::XmlElement>(processor.writePreset(false));
    document->getChildByName("Properties")->setAttribute("activePreset", 40);

    StompixZR7714AudioProcessor other;
    other.setCurrentProgram(6);
    EXPECT_EQ(other.readPreset(std::move(document), false), 5);
    EXPECT_EQ(other.getCurrentProgram(), 0);
    EXPECT_EQ(other.getProgramSlot(0).activeChannel, 0);
    EXPECT_EQ(other.getProgramSlot(4).activeChannel, 1);
}
} // namespace
