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

struct RestoreCase
{
    const char* name;
    bool bypassedByHost;
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
// the state, then takes what the plug-in reports from its first blocks as the plug-in's current
// values and sends them back. The program's edits must survive that, and the host must be told
// the restored values, not those the program held before the state came in.
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

    vst3host::ParameterChanges noChanges, firstOut;
    ASSERT_TRUE(plugin.process(noChanges, firstOut));

    // The host takes what it is told as the plug-in's current values and sends them back.
    vst3host::ParameterChanges echoed, secondOut;
    std::map<Steinberg::Vst::ParamID, double> reported;

    for (const auto& [id, value] : firstOut.lastValues())
    {
        controller.setParamNormalized(id, value);
        echoed.add(id, value);
        reported[id] = value;
    }

    ASSERT_TRUE(plugin.process(echoed, secondOut));

    for (int k = 0; k < kNumParameters; ++k)
    {
        const auto id = (Steinberg::Vst::ParamID)k;
        ASSERT_EQ(reported.count(id), 1u) << "parameter " << k << " was not reported";
        EXPECT_EQ((float)reported[id], restored[(size_t)k]) << "parameter " << k;
    }

    const auto saved = plugin.getState();
    EXPECT_EQ(programIn(saved, savedProgram), restored);
    EXPECT_EQ(programIn(saved, 0), programIn(session, 0));
}

INSTANTIATE_TEST_SUITE_P(HostStates, Vst3SessionRestore,
                         ::testing::Values(RestoreCase{"Processing", false},
                                           RestoreCase{"BypassedByTheHost", true}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });
