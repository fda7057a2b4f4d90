#include "FrameworkChunk.h"
#include "PluginInstance.h"
#include "StompixZR7714AudioProcessor.h"
#include "Vst3Module.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Values = std::array<float, kNumParameters>;

constexpr int savedProgram = 3;

// A session's saved state: the program in use edited, program 0 with edits of its own.
std::vector<char> savedSession()
{
    StompixZR7714AudioProcessor processor;
    processor.setParameter(kRate, 0.2f);
    processor.setParameter(kMix, 0.35f);

    processor.setCurrentProgram(savedProgram);

    for (const auto& [index, value] :
         {std::pair(kPhaserType, 0.5f), std::pair(kRate, 0.77f), std::pair(kDepth, 0.25f),
          std::pair(kFeedback, 0.85f), std::pair(kMix, 0.9f), std::pair(kStereo, 1.0f)})
        processor.setParameter(index, value);

    juce::MemoryBlock block;
    processor.getStateInformation(block);
    const auto* bytes = static_cast<const char*>(block.getData());
    return {bytes, bytes + block.getSize()};
}

// A program's values in a saved state, as the plug-in reads the state back.
Values programIn(const std::vector<char>& state, int program)
{
    StompixZR7714AudioProcessor reader;
    reader.setStateInformation(state.data(), (int)state.size());

    Values values{};

    for (int k = 0; k < kNumParameters; ++k)
        values[(size_t)k] = reader.getProgramSlot(program).activeValues()[(size_t)k];

    return values;
}

// What the host calls first after the restore: an audio block, or process() with no audio,
// which the framework's wrapper takes as a flush of parameter changes.
enum class FirstCall
{
    audioBlock,
    flush
};

struct RestoreCase
{
    const char* name;
    bool bypassedByHost;
    FirstCall firstCall;
};

void PrintTo(const RestoreCase& restoreCase, std::ostream* out)
{
    *out << restoreCase.name;
}

class Vst3SessionRestore : public ::testing::TestWithParam<RestoreCase>
{
};
} // namespace

// A host reopening a session selects the saved program on the fresh instance before it loads
// the state, then takes what the plug-in reports from its first calls (audio blocks, or a flush
// of parameter changes without audio before them) as the plug-in's current values and sends them
// back. The program's edits must survive that, and whatever the host is told must be the
// restored values, not those the program held before the state came in.
TEST_P(Vst3SessionRestore, KeepsTheEditsOfTheSavedProgram)
{
    ASSERT_TRUE(vst3Module().isLoaded()) << vst3Module().getError();
    vst3host::PluginInstance plugin(vst3Module());
    ASSERT_TRUE(plugin.isValid()) << plugin.getError();
    auto& controller = plugin.getController();

    const auto programChange =
        plugin.findParameter(Steinberg::Vst::ParameterInfo::kIsProgramChange);
    ASSERT_TRUE(programChange.has_value());
    EXPECT_EQ(programChange->id, (Steinberg::Vst::ParamID)11);
    ASSERT_EQ(programChange->stepCount, StompixZR7714AudioProcessor::numPrograms - 1);

    if (GetParam().bypassedByHost)
    {
        const auto bypass = plugin.findParameter(Steinberg::Vst::ParameterInfo::kIsBypass);
        ASSERT_TRUE(bypass.has_value());
        controller.setParamNormalized(bypass->id, 1.0);
    }

    controller.setParamNormalized(programChange->id,
                                  (double)savedProgram / (double)programChange->stepCount);
    // Called off the framework's message thread, the controller keeps the program's values to
    // hand out after a later block instead of sending them as edits at once.
    ASSERT_TRUE(plugin.getHandler().getEdits().empty());

    const auto session = savedSession();
    const auto restored = programIn(session, savedProgram);
    ASSERT_EQ(restored[kRate], 0.77f);
    ASSERT_EQ(programIn(session, 0)[kRate], 0.2f);
    ASSERT_TRUE(plugin.setState(session));
    ASSERT_TRUE(plugin.startProcessing(48000.0, 512));

    // The host takes what it is told as the plug-in's current values and sends them back, to
    // the controller at once and to the processor with the next call.
    std::map<Steinberg::Vst::ParamID, std::vector<double>> reported;
    vst3host::ParameterChanges echoed;

    const auto call = [&](bool flush)
    {
        vst3host::ParameterChanges out;
        const bool done = flush ? plugin.flush(echoed, out) : plugin.process(echoed, out);
        echoed.clear();

        for (const auto& [id, value] : out.lastValues())
        {
            controller.setParamNormalized(id, value);
            echoed.add(id, value);
            reported[id].push_back(value);
        }

        return done;
    };

    ASSERT_TRUE(call(GetParam().firstCall == FirstCall::flush));
    ASSERT_TRUE(call(false));
    ASSERT_TRUE(call(false));

    for (int k = 0; k < kNumParameters; ++k)
    {
        const auto& values = reported[(Steinberg::Vst::ParamID)k];
        ASSERT_FALSE(values.empty()) << "parameter " << k << " was not reported";

        for (const double value : values)
            EXPECT_EQ((float)value, restored[(size_t)k]) << "parameter " << k;
    }

    const auto saved = plugin.getState();
    EXPECT_EQ(programIn(saved, savedProgram), restored);
    EXPECT_EQ(programIn(saved, 0), programIn(session, 0));
}

INSTANTIATE_TEST_SUITE_P(
    HostStates, Vst3SessionRestore,
    ::testing::Values(RestoreCase{"ProcessingBlockFirst", false, FirstCall::audioBlock},
                      RestoreCase{"BypassedByTheHostBlockFirst", true, FirstCall::audioBlock},
                      RestoreCase{"ProcessingFlushFirst", false, FirstCall::flush},
                      RestoreCase{"BypassedByTheHostFlushFirst", true, FirstCall::flush}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A well-formed state without a "Properties" element holds nothing to read: the program in use
// and every value stay as they were.
TEST(Vst3State, AStateWithoutPropertiesChangesNothing)
{
    ASSERT_TRUE(vst3Module().isLoaded()) << vst3Module().getError();
    vst3host::PluginInstance plugin(vst3Module());
    ASSERT_TRUE(plugin.isValid()) << plugin.getError();
    ASSERT_TRUE(plugin.setState(savedSession()));
    const auto before = plugin.getState();

    EXPECT_TRUE(plugin.setState(testsupport::frameworkChunkOf(juce::XmlElement("velmorPatch"))));
    EXPECT_EQ(plugin.getState(), before);
}
