#include "ProcessorTestSupport.h"

#include <memory>
#include <ostream>
#include <thread>

namespace
{
using WrapperType = juce::AudioProcessor::WrapperType;

struct AnnouncementCase
{
    const char* name;
    WrapperType wrapper;
    bool wholeState; // or the current program's
    bool announced;
};

void PrintTo(const AnnouncementCase& announcementCase, std::ostream* out)
{
    *out << announcementCase.name;
}

// A processor as the wrapper of the type creates it.
std::unique_ptr<StompixZR7714AudioProcessor> createFor(WrapperType wrapper)
{
    juce::AudioProcessor::setTypeOfNextNewPlugin(wrapper);
    auto processor = std::make_unique<StompixZR7714AudioProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_Undefined);
    return processor;
}

class RestoreAnnouncement : public ::testing::TestWithParam<AnnouncementCase>
{
};

// After a restore the first block tells the VST3 wrapper the live values, once, so that it hands
// them to the host instead of what it kept from before the restore. Every other wrapper passes
// notifications on at once and hears nothing from the audio path.
TEST_P(RestoreAnnouncement, FirstBlockAfterARestoreTellsOnlyTheVst3WrapperTheLiveValues)
{
    const auto& c = GetParam();

    StompixZR7714AudioProcessor source;
    source.setCurrentProgram(4);
    source.setParameter(kRate, 0.8f);
    source.setParameter(kStereo, 1.0f);
    juce::MemoryBlock chunk;

    if (c.wholeState)
        source.getStateInformation(chunk);
    else
        source.getCurrentProgramStateInformation(chunk);

    auto processor = createFor(c.wrapper);
    processor->prepareToPlay(48000.0, 256);
    HostNotifications host(*processor);

    if (c.wholeState)
        processor->setStateInformation(chunk.getData(), (int)chunk.getSize());
    else
        processor->setCurrentProgramStateInformation(chunk.getData(), (int)chunk.getSize());

    ASSERT_EQ(processor->getCurrentValue(kRate), 0.8f);
    host.changes.clear();

    std::vector<std::pair<int, float>> liveValues;

    if (c.announced)
        for (int k = 0; k < kNumParameters; ++k)
            liveValues.emplace_back(k, processor->getCurrentValue(k));

    juce::AudioBuffer<float> buffer(2, 256);
    buffer.clear();
    juce::MidiBuffer midi;

    processor->processBlock(buffer, midi);
    EXPECT_EQ(host.changes, liveValues);

    host.changes.clear();
    processor->processBlock(buffer, midi);
    processor->processBlockBypassed(buffer, midi);
    EXPECT_TRUE(host.changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Wrappers, RestoreAnnouncement,
    ::testing::Values(
        AnnouncementCase{"Vst3WholeState", juce::AudioProcessor::wrapperType_VST3, true, true},
        AnnouncementCase{"Vst3ProgramState", juce::AudioProcessor::wrapperType_VST3, false, true},
        AnnouncementCase{"Vst2WholeState", juce::AudioProcessor::wrapperType_VST, true, false},
        AnnouncementCase{"Vst2ProgramState", juce::AudioProcessor::wrapperType_VST, false, false},
        AnnouncementCase{"AaxWholeState", juce::AudioProcessor::wrapperType_AAX, true, false},
        AnnouncementCase{"NoWrapper", juce::AudioProcessor::wrapperType_Undefined, true, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct ProgramChangeCase
{
    const char* name;
    WrapperType wrapper;
    bool offTheMessageThread;
    bool fromFirstBlock; // or at once
};

void PrintTo(const ProgramChangeCase& programChangeCase, std::ostream* out)
{
    *out << programChangeCase.name;
}

class ProgramChangeAnnouncement : public ::testing::TestWithParam<ProgramChangeCase>
{
};

// The VST3 wrapper keeps what it hears off its message thread for a later process call, where a
// restore in between would have made it stale: there a program change tells it the values from
// the first block. On its message thread, and under every other wrapper, the host is told at once.
TEST_P(ProgramChangeAnnouncement, TellsTheHostTheProgramsValuesOnce)
{
    const auto& c = GetParam();
    constexpr int program = 4;

    auto processor = createFor(c.wrapper);
    processor->prepareToPlay(48000.0, 256);
    processor->setCurrentProgram(program);
    processor->setParameter(kRate, 0.8f);
    processor->setParameter(kStereo, 1.0f);
    processor->setCurrentProgram(0);

    juce::AudioBuffer<float> buffer(2, 256);
    buffer.clear();
    juce::MidiBuffer midi;
    processor->processBlock(buffer, midi);

    HostNotifications host(*processor);

    if (c.offTheMessageThread)
        std::thread([&] { processor->setCurrentProgram(program); }).join();
    else
        processor->setCurrentProgram(program);

    ASSERT_EQ(processor->getCurrentValue(kRate), 0.8f);
    std::vector<std::pair<int, float>> programValues;

    for (int k = 0; k < kNumParameters; ++k)
        programValues.emplace_back(k, processor->getProgramSlot(program).activeValues()[(size_t)k]);

    const decltype(programValues) none;
    EXPECT_EQ(host.changes, c.fromFirstBlock ? none : programValues);

    host.changes.clear();
    processor->processBlock(buffer, midi);
    EXPECT_EQ(host.changes, c.fromFirstBlock ? programValues : none);

    host.changes.clear();
    processor->processBlock(buffer, midi);
    EXPECT_TRUE(host.changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Wrappers, ProgramChangeAnnouncement,
    ::testing::Values(ProgramChangeCase{"Vst3OffTheMessageThread",
                                        juce::AudioProcessor::wrapperType_VST3, true, true},
                      ProgramChangeCase{"Vst3OnTheMessageThread",
                                        juce::AudioProcessor::wrapperType_VST3, false, false},
                      ProgramChangeCase{"Vst2OffTheMessageThread",
                                        juce::AudioProcessor::wrapperType_VST, true, false},
                      ProgramChangeCase{"AaxOffTheMessageThread",
                                        juce::AudioProcessor::wrapperType_AAX, true, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
} // namespace
