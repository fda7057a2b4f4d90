#include "ProcessorTestSupport.h"

#include <memory>
#include <ostream>

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
} // namespace
