#include "ProcessorTestSupport.h"

#include "PluginIdentity.h"

#include <cmath>
#include <limits>
#include <utility>

namespace
{
class Parameters : public ::testing::Test
{
protected:
    StompixZR7714AudioProcessor processor;
};

// The index of each parameter is its identity in every saved host project: never change it.
TEST_F(Parameters, IndicesNamesAndDefaultsArePinned)
{
    const std::vector<std::pair<const char*, float>> expected{
        {"onBypass", 1.0f}, {"phaserType", 0.0f}, {"rate", 0.5f}, {"rateSync", 0.5f},
        {"depth", 0.5f},    {"feedback", 0.5f},   {"mix", 0.5f},  {"level", 0.5f},
        {"stereo", 0.0f},   {"sync", 0.0f},
    };

    ASSERT_EQ(processor.getNumParameters(), (int)expected.size());

    for (int i = 0; i < (int)expected.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(processor.getParameterName(i), expected[(size_t)i].first);
        EXPECT_EQ(processor.getParameterDefaultValue(i), expected[(size_t)i].second);
        EXPECT_EQ(processor.getParameter(i), expected[(size_t)i].second);
        EXPECT_EQ(processor.getCurrentValue(i), expected[(size_t)i].second);
    }

    for (int outside : {-1, 10, 1000})
    {
        EXPECT_EQ(processor.getParameterName(outside), "");
        EXPECT_EQ(processor.getParameter(outside), 0.0f);
        EXPECT_EQ(processor.getParameterDefaultValue(outside), 0.0f);
        EXPECT_EQ(processor.getParameterText(outside), "");
    }
}

TEST_F(Parameters, DisplayTexts)
{
    const std::vector<std::string> defaults{"On",   "Type 1", "5.00", "5.00", "5.00",
                                            "5.00", "5.00",   "5.00", "Off",  "Off"};

    for (int i = 0; i < kNumParameters; ++i)
        EXPECT_EQ(processor.getParameterText(i), juce::String(defaults[(size_t)i])) << i;

    struct Case
    {
        int index;
        float value;
        const char* text;
    };

    const Case cases[]{
        {kPhaserType, 0.5f, "Type 2"},  {kPhaserType, 0.50001f, "Type 3"},
        {kPhaserType, -0.2f, "Type 1"}, {kPhaserType, 1.0f, "Type 3"},
        {kOnBypass, 0.0f, "Off"},       {kOnBypass, 0.01f, "On"},
        {kStereo, 1.0f, "On"},          {kSync, 0.0f, "Off"},
        {kRate, 0.123f, "1.23"},        {kDepth, 0.0625f, "0.63"},
        {kMix, 0.0f, "0.00"},           {kLevel, 1.0f, "10.00"},
        {kFeedback, 0.1005f, "1.00"},   {kRateSync, 0.3f, "3.00"},
    };

    for (const auto& c : cases)
    {
        processor.setParameter(c.index, c.value);
        EXPECT_EQ(processor.getParameterText(c.index), c.text) << c.index << " " << c.value;
    }
}

TEST_F(Parameters, WriteGoesToActiveChannelAndLiveValuesAndRaisesTheFlag)
{
    clearFlags(processor);
    processor.setParameter(kRate, 0.25f);

    EXPECT_EQ(processor.getParameter(kRate), 0.25f);
    EXPECT_EQ(processor.getCurrentValue(kRate), 0.25f);
    EXPECT_EQ(processor.getCurrentProgramSlot().values[0][kRate], 0.25f);
    EXPECT_EQ(processor.getCurrentProgramSlot().values[1][kRate], 0.5f);
    EXPECT_EQ(processor.parametersChanged.load(), 1);
    EXPECT_EQ(processor.presetLoaded.load(), 0);

    processor.getCurrentProgramSlot().activeChannel = 1;
    processor.setParameter(kRate, 0.75f);
    EXPECT_EQ(processor.getCurrentProgramSlot().values[0][kRate], 0.25f);
    EXPECT_EQ(processor.getCurrentProgramSlot().values[1][kRate], 0.75f);
    EXPECT_EQ(processor.getParameter(kRate), 0.75f);
}

TEST_F(Parameters, UntrustedValuesAreClampedOrIgnored)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    struct Case
    {
        float written;
        float stored;
    };

    const Case cases[]{{3.0f, 1.0f}, {-0.5f, 0.0f}, {1.0e30f, 1.0f}, {-0.0f, 0.0f}, {0.3f, 0.3f}};

    for (const auto& c : cases)
    {
        processor.setParameter(kRate, c.written);
        EXPECT_EQ(processor.getParameter(kRate), c.stored) << c.written;
        EXPECT_EQ(processor.getCurrentValue(kRate), c.stored) << c.written;
        EXPECT_FALSE(std::signbit(processor.getCurrentValue(kRate)));
    }

    clearFlags(processor);
    const auto typeWrites = processor.getPhaserTypeWrites();

    for (float bad : {nan, inf, -inf})
    {
        processor.setParameter(kRate, bad);
        processor.setParameter(kPhaserType, bad);
    }

    EXPECT_EQ(processor.getParameter(kRate), 0.3f);
    EXPECT_EQ(processor.getParameter(kPhaserType), 0.0f);
    EXPECT_EQ(processor.parametersChanged.load(), 0);
    EXPECT_EQ(processor.getPhaserTypeWrites(), typeWrites);
}

TEST_F(Parameters, OutOfRangeIndicesChangeNothing)
{
    const auto before = stateOf(processor);
    clearFlags(processor);

    processor.setParameter(10, 0.3f);
    processor.setParameter(-1, 0.3f);
    processor.setCurrentProgram(12);
    processor.setCurrentProgram(-1);

    EXPECT_EQ(stateOf(processor), before);
    EXPECT_EQ(processor.parametersChanged.load(), 0);
    EXPECT_EQ(processor.presetLoaded.load(), 0);
    EXPECT_EQ(processor.getCurrentProgram(), 0);
}

TEST_F(Parameters, EveryTypeWriteCountsForTheModelSwitchDebounce)
{
    const auto before = processor.getPhaserTypeWrites();
    processor.setParameter(kRate, 0.2f);
    EXPECT_EQ(processor.getPhaserTypeWrites(), before);

    for (juce::uint32 write = 1; write <= 2; ++write)
    {
        processor.setParameter(kPhaserType, 0.0f); // the same value each time
        EXPECT_EQ(processor.getPhaserTypeWrites(), before + write);
    }
}

TEST_F(Parameters, ProgramChangeAppliesTheSlotAndNotifiesTheHostInOrder)
{
    // Program 3 gets its own values through the state reader's road: channel B active.
    processor.setCurrentProgram(3);
    processor.getCurrentProgramSlot().activeChannel = 1;

    for (int k = 0; k < kNumParameters; ++k)
        processor.setParameter(k, 0.05f * (float)(k + 1));

    processor.setCurrentProgram(0);
    clearFlags(processor);
    HostNotifications host(processor);
    const auto typeWrites = processor.getPhaserTypeWrites();

    processor.setCurrentProgram(3);

    ASSERT_EQ(host.changes.size(), (size_t)kNumParameters);

    for (int k = 0; k < kNumParameters; ++k)
    {
        EXPECT_EQ(host.changes[(size_t)k].first, k);
        EXPECT_EQ(host.changes[(size_t)k].second, 0.05f * (float)(k + 1));
        EXPECT_EQ(processor.getCurrentValue(k), 0.05f * (float)(k + 1));
    }

    EXPECT_EQ(processor.getCurrentProgram(), 3);
    EXPECT_EQ(processor.presetLoaded.load(), 1);
    EXPECT_EQ(processor.parametersChanged.load(), 1);
    EXPECT_EQ(processor.activeChannelChanged.load(), 1);
    EXPECT_EQ(processor.getPhaserTypeWrites(), typeWrites + 1);
}

TEST_F(Parameters, ProgramNamesFollowTheActivePresetPath)
{
    for (int k = 0; k < StompixZR7714AudioProcessor::numPrograms; ++k)
        EXPECT_EQ(processor.getProgramName(k), "Init");

    EXPECT_EQ(processor.getNumPrograms(), 12);
    EXPECT_EQ(processor.getProgramName(12), "");
    EXPECT_EQ(processor.getProgramName(-1), "");

    auto& slot = processor.getCurrentProgramSlot();
    slot.presetPath[0] = "Bright/Wide.vzrp";
    slot.presetPath[1] = "Factory/Slow Sweep.vzrp";
    slot.activeChannel = 1;
    EXPECT_EQ(processor.getProgramName(0), "Slow Sweep");

    processor.changeProgramName(0, "Renamed");
    EXPECT_EQ(processor.getProgramName(0), "Slow Sweep");

    // A damaged channel number reads as A.
    slot.activeChannel = 7;
    EXPECT_EQ(processor.getProgramName(0), "Wide");
    EXPECT_EQ(processor.getParameter(kRate), slot.values[0][kRate]);

    // A leading "~" is part of a preset's name, never a home folder.
    slot.activeChannel = 0;
    const std::pair<const char*, const char*> names[] = {
        {"~Tilde.vzrp", "~Tilde"}, {"~root", "~root"}, {"~/Inner.vzrp", "Inner"}};
    for (const auto& [path, name] : names)
    {
        slot.presetPath[0] = path;
        EXPECT_EQ(processor.getProgramName(0), name) << path;
    }
}

TEST(Processor, IdentityAndHostQueries)
{
    StompixZR7714AudioProcessor a, b;
    a.setParameter(kMix, 0.9f);
    EXPECT_EQ(b.getParameter(kMix), 0.5f);

    EXPECT_EQ(a.getName(), "Stompix ZR7714");
    EXPECT_EQ(a.getInputChannelName(0), "1");
    EXPECT_EQ(a.getOutputChannelName(1), "2");
    EXPECT_EQ(a.getInputChannelName(5), "6");
    EXPECT_TRUE(a.isInputChannelStereoPair(3));
    EXPECT_TRUE(a.isOutputChannelStereoPair(0));
    EXPECT_FALSE(a.acceptsMidi());
    EXPECT_FALSE(a.producesMidi());
    EXPECT_FALSE(a.silenceInProducesSilenceOut());
    EXPECT_EQ(a.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE(a.supportsDoublePrecisionProcessing());

    std::unique_ptr<juce::AudioProcessor> created(createPluginFilter());
    EXPECT_NE(dynamic_cast<StompixZR7714AudioProcessor*>(created.get()), nullptr);
}

TEST(Processor, PresetFolderLiesBelowTheMusicFolder)
{
    const auto folder = StompixZR7714AudioProcessor::getPresetFolder();
    EXPECT_TRUE(folder.getFullPathName().endsWith("Audio Music Apps/Velmor/Presets/StompixZR7714"));
    EXPECT_TRUE(folder.isAChildOf(juce::File::getSpecialLocation(juce::File::userMusicDirectory)));
}
} // namespace
