#include "FrameworkChunk.h"
#include "PluginInstance.h"
#include "StompixZR7714AudioProcessor.h"
#include "Vst3Module.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <set>
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

// When the host changes the program: before the state comes in, as a host reopening a session
// does (to the saved program), or after it (to another program of the restored session).
enum class ProgramChange
{
    beforeRestore,
    afterRestore
};

struct RestoreCase
{
    const char* name;
    bool bypassedByHost;
    FirstCall firstCall;
    ProgramChange programChange = ProgramChange::beforeRestore;
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
// restored values, not those the program held before the state came in. A program change after
// the restore, once the host has played on with the restored one, tells the host nothing at
// once: a flush after it reports nothing stale, and the first audio block reports the values of
// the program then in use.
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

    const auto selectProgram = [&](int program)
    {
        controller.setParamNormalized(programChange->id,
                                      (double)program / (double)programChange->stepCount);
    };

    const bool programChangeFirst = GetParam().programChange == ProgramChange::beforeRestore;

    if (programChangeFirst)
        selectProgram(savedProgram);

    const auto session = savedSession();
    const auto restored = programIn(session, savedProgram);
    ASSERT_EQ(restored[kRate], 0.77f);
    ASSERT_EQ(programIn(session, 0)[kRate], 0.2f);
    ASSERT_TRUE(plugin.setState(session));
    ASSERT_TRUE(plugin.startProcessing(48000.0, 512));

    // The host takes what it is told as the plug-in's current values and sends them back, to
    // the controller at once and to the processor with the next call.
    std::map<Steinberg::Vst::ParamID, std::vector<double>> reported;
    std::vector<std::set<Steinberg::Vst::ParamID>> reportedByCall;
    vst3host::ParameterChanges echoed;

    const auto call = [&](bool flush)
    {
        vst3host::ParameterChanges out;
        const bool done = flush ? plugin.flush(echoed, out) : plugin.process(echoed, out);
        echoed.clear();
        auto& ids = reportedByCall.emplace_back();

        for (const auto& [id, value] : out.lastValues())
        {
            controller.setParamNormalized(id, value);
            echoed.add(id, value);
            reported[id].push_back(value);
            ids.insert(id);
        }

        return done;
    };

    if (!programChangeFirst)
    {
        // The host plays on with the restored program, the values it was told sent back with
        // the next block, then selects another.
        ASSERT_TRUE(call(false));
        ASSERT_TRUE(call(false));
        ASSERT_TRUE(echoed.lastValues().empty());
        reported.clear();
        reportedByCall.clear();
        selectProgram(0);
    }

    // Called off the framework's message thread, the controller keeps the program's values to
    // hand out after a later block instead of sending them as edits at once.
    ASSERT_TRUE(plugin.getHandler().getEdits().empty());
    const auto inUse = programIn(session, programChangeFirst ? savedProgram : 0);

    ASSERT_TRUE(call(GetParam().firstCall == FirstCall::flush));
    ASSERT_TRUE(call(false));
    ASSERT_TRUE(call(false));

    const auto& firstBlock = reportedByCall[GetParam().firstCall == FirstCall::flush ? 1 : 0];

    for (int k = 0; k < kNumParameters; ++k)
    {
        const auto& values = reported[(Steinberg::Vst::ParamID)k];
        ASSERT_FALSE(values.empty()) << "parameter " << k << " was not reported";
        EXPECT_EQ(firstBlock.count((Steinberg::Vst::ParamID)k), 1u)
            << "parameter " << k << " was not reported by the first audio block";

        for (const double value : values)
            EXPECT_EQ((float)value, inUse[(size_t)k]) << "parameter " << k;
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
                      RestoreCase{"BypassedByTheHostFlushFirst", true, FirstCall::flush},
                      RestoreCase{"ProgramChangedAfterTheRestoreFlushFirst", false,
                                  FirstCall::flush, ProgramChange::afterRestore}),
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
