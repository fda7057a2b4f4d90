#include "Vst2PluginSupport.h"

#include <Opcodes.h>

#include <string>
#include <vector>

namespace
{
constexpr const char* keys[] = {"onBypass", "phaserType", "rate",  "rateSync", "depth",
                                "feedback", "mix",        "level", "stereo",   "sync"};

TEST_F(PluginTest, ParametersShowTheirNamesTextsAndDefaults)
{
    constexpr const char* texts[] = {"On",   "Type 1", "5.00", "5.00", "5.00",
                                     "5.00", "5.00",   "5.00", "Off",  "Off"};
    constexpr float defaults[] = {1.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f};

    for (int index = 0; index < 10; ++index)
    {
        const auto name = plugin->queryText(EffectOpcode::getParameterName, index);
        EXPECT_EQ(name.text, keys[index]);
        EXPECT_LE(name.written, 16u);
        const auto display = plugin->queryText(EffectOpcode::getParameterDisplay, index);
        EXPECT_EQ(display.text, texts[index]);
        EXPECT_LE(display.written, 8u);
        EXPECT_EQ(plugin->queryText(EffectOpcode::getParameterLabel, index).text, "");
        EXPECT_EQ(plugin->getParameter(index), defaults[index]);
        EXPECT_EQ(plugin->dispatch(EffectOpcode::canBeAutomated, index), 1);
    }
}

TEST_F(PluginTest, HostValuesReachTheProcessorWithoutComingBack)
{
    plugin->setParameter(2, 0.25f);
    plugin->setParameter(1, 0.5f);

    EXPECT_EQ(plugin->getParameter(2), 0.25f);
    EXPECT_EQ(plugin->queryText(EffectOpcode::getParameterDisplay, 2).text, "2.50");
    EXPECT_EQ(plugin->queryText(EffectOpcode::getParameterDisplay, 1).text, "Type 2");
    EXPECT_TRUE(host.callsOf(HostOpcode::automate).empty());
}

TEST_F(PluginTest, IndicesOutsideTheParametersChangeNothing)
{
    for (const std::int32_t index : {-1, 10, 1 << 30})
    {
        plugin->setParameter(index, 0.3f);
        EXPECT_EQ(plugin->getParameter(index), 0.0f);
        EXPECT_EQ(plugin->queryText(EffectOpcode::getParameterName, index).text, "");
        EXPECT_EQ(
            plugin->dispatch(EffectOpcode::string2parameter, index, 0, const_cast<char*>("1.0")),
            0);
    }

    for (int index = 0; index < 10; ++index)
        EXPECT_EQ(plugin->queryText(EffectOpcode::getParameterName, index).text, keys[index]);
    EXPECT_EQ(plugin->getParameter(2), 0.5f);
}

TEST_F(PluginTest, TextsEnterValuesAsTheyAreShown)
{
    const struct
    {
        std::int32_t index;
        const char* text;
        std::int64_t accepted;
        float value;
    } cases[] = {
        {0, "Off", 1, 0.0f},  {0, "on", 1, 1.0f},     {8, "maybe", 0, 0.0f}, {1, "Type 3", 1, 1.0f},
        {1, "2", 1, 0.5f},    {1, "Type 4", 0, 0.5f}, {2, "2.50", 1, 0.25f}, {6, " 10 ", 1, 1.0f},
        {7, "loud", 0, 0.5f}, {4, "", 0, 0.5f},
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ(
            plugin->dispatch(EffectOpcode::string2parameter, c.index, 0, const_cast<char*>(c.text)),
            c.accepted)
            << c.text;
        EXPECT_FLOAT_EQ(plugin->getParameter(c.index), c.value) << c.text;
    }

    EXPECT_EQ(plugin->dispatch(EffectOpcode::string2parameter, 2, 0, nullptr), 0);
}

// Texts a host hands in that are not UTF-8 (Latin-1, cut-off or overlong sequences), each in a
// heap block of its own size: they are refused without a read past their terminator.
TEST_F(PluginTest, TextsThatAreNotUtf8AreRefusedWithinTheirBytes)
{
    const std::string texts[] = {
        "\xE9",         // Latin-1 e acute
        "5\xE9",        // a digit, then Latin-1
        "\xC3",         // a two-byte sequence cut off
        "\xE2\x82",     // a three-byte sequence cut off
        "\xF0\x9F\x98", // a four-byte sequence cut off
        "\xC0\xB1",     // an overlong "1"
        "Type \xE9",    // a model name with Latin-1
        "\xFF\xFE",     // bytes that start no sequence
    };
    const float before[] = {1.0f, 0.0f, 0.5f};

    for (const auto& text : texts)
    {
        std::vector<char> bytes(text.begin(), text.end());
        bytes.push_back('\0');

        for (std::int32_t index = 0; index < 3; ++index)
        {
            EXPECT_EQ(plugin->dispatch(EffectOpcode::string2parameter, index, 0, bytes.data()), 0)
                << "parameter " << index << ", text " << ::testing::PrintToString(text);
            EXPECT_EQ(plugin->getParameter(index), before[index]);
        }

        EXPECT_EQ(plugin->dispatch(EffectOpcode::canDo, 0, 0, bytes.data()), 0);
        plugin->dispatch(EffectOpcode::setProgramName, 0, 0, bytes.data());
        EXPECT_EQ(plugin->queryText(EffectOpcode::getProgramName).text, "Init");
    }
}

TEST_F(PluginTest, ProgramsAreNamedAfterTheirPresets)
{
    for (int program = 0; program < 12; ++program)
    {
        const auto name = plugin->queryText(EffectOpcode::getProgramNameIndexed, program);
        EXPECT_EQ(name.result, 1);
        EXPECT_EQ(name.text, "Init");
    }

    EXPECT_EQ(plugin->queryText(EffectOpcode::getProgramName).text, "Init");
    EXPECT_EQ(plugin->dispatch(EffectOpcode::getProgramNameIndexed, 12, 0, nullptr), 0);
    EXPECT_EQ(plugin->queryText(EffectOpcode::getProgramNameIndexed, -1).result, 0);

    // Names follow the preset files: the host cannot rename a program.
    plugin->dispatch(EffectOpcode::setProgramName, 0, 0, const_cast<char*>("Renamed"));
    EXPECT_EQ(plugin->queryText(EffectOpcode::getProgramName).text, "Init");
}

TEST_F(PluginTest, ProgramSelectionStaysInRangeAndTellsTheHost)
{
    plugin->setParameter(2, 0.25f);

    for (const std::int64_t outside : {-1LL, 12LL, 1LL << 40})
    {
        plugin->dispatch(EffectOpcode::setProgram, 0, outside);
        EXPECT_EQ(plugin->dispatch(EffectOpcode::getProgram), 0) << outside;
    }
    EXPECT_TRUE(host.callsOf(HostOpcode::automate).empty());

    plugin->dispatch(EffectOpcode::setProgram, 0, 3);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::getProgram), 3);
    EXPECT_EQ(plugin->getParameter(2), 0.5f) << "program 3 still holds the defaults";

    // The new program's ten values go to the host in index order.
    const auto automation = host.callsOf(HostOpcode::automate);
    ASSERT_EQ(automation.size(), 10u);
    for (int index = 0; index < 10; ++index)
    {
        EXPECT_EQ(automation[(size_t)index].index, index);
        EXPECT_EQ(automation[(size_t)index].opt, plugin->getParameter(index));
    }

    plugin->dispatch(EffectOpcode::setProgram, 0, 0);
    EXPECT_EQ(plugin->getParameter(2), 0.25f) << "program 0 kept its value";
}
} // namespace
