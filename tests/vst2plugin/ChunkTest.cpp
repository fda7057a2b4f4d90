#include "Vst2PluginSupport.h"

#include <FrameworkChunk.h>
#include <Opcodes.h>

#include <cstring>

namespace
{
bool startsWithFrameworkHeader(const std::vector<char>& chunk)
{
    return chunk.size() > 8 && std::memcmp(chunk.data(), "VC2!", 4) == 0;
}

std::string xmlOf(const std::vector<char>& chunk)
{
    return std::string(chunk.begin() + 8, chunk.end());
}

class ChunkTest : public PluginTest
{
protected:
    // Settings that differ from the defaults in the current program and in another one.
    void changeSettings(PluginInstance& instance)
    {
        instance.setParameter(2, 0.25f);
        instance.setParameter(9, 1.0f);
        instance.dispatch(EffectOpcode::setProgram, 0, 4);
        instance.setParameter(5, 0.75f);
    }
};

TEST_F(ChunkTest, BankChunkRestoresEveryProgramInAFreshInstance)
{
    changeSettings(*plugin);
    const auto saved = plugin->getChunk(false);
    ASSERT_TRUE(startsWithFrameworkHeader(saved));
    EXPECT_NE(xmlOf(saved).find("activePreset=\"4\""), std::string::npos);

    PluginInstance fresh(pluginModule(), host);
    EXPECT_NE(fresh.getChunk(false), saved);
    fresh.setChunk(saved, false);

    EXPECT_EQ(fresh.getChunk(false), saved);
    EXPECT_EQ(fresh.dispatch(EffectOpcode::getProgram), 4);
    EXPECT_EQ(fresh.getParameter(5), 0.75f);
}

TEST_F(ChunkTest, ProgramChunkHoldsTheCurrentProgramOnly)
{
    changeSettings(*plugin);
    const auto saved = plugin->getChunk(true);
    ASSERT_TRUE(startsWithFrameworkHeader(saved));
    EXPECT_EQ(xmlOf(saved).find("<Preset"), std::string::npos);

    // Restored into whichever program is current there.
    PluginInstance fresh(pluginModule(), host);
    fresh.dispatch(EffectOpcode::setProgram, 0, 7);
    fresh.setChunk(saved, true);

    EXPECT_EQ(fresh.getChunk(true), saved);
    EXPECT_EQ(fresh.dispatch(EffectOpcode::getProgram), 7);
    EXPECT_EQ(fresh.getParameter(5), 0.75f);
}

TEST_F(ChunkTest, ChunkStaysValidUntilTheNextCall)
{
    void* first = nullptr;
    const auto size = plugin->dispatch(EffectOpcode::getChunk, 0, 0, &first);
    ASSERT_GT(size, 8);
    const std::vector<char> copy(static_cast<char*>(first), static_cast<char*>(first) + size);

    plugin->setParameter(3, 0.9f); // changes the state, not the chunk handed out
    EXPECT_EQ(std::memcmp(first, copy.data(), copy.size()), 0);
}

TEST_F(ChunkTest, DamagedOrMissingChunksChangeNothing)
{
    changeSettings(*plugin);
    const auto before = plugin->getChunk(false);

    auto truncated = before;
    truncated.resize(before.size() / 2);
    std::vector<char> garbage(300, 'x');
    // Well formed, but with no "Properties" there is nothing to read.
    const auto withoutProperties = testsupport::frameworkChunkOf(juce::XmlElement("velmorPatch"));

    for (const auto& chunk : {truncated, garbage, withoutProperties})
        for (const bool program : {false, true})
        {
            plugin->setChunk(chunk, program);
            EXPECT_EQ(plugin->getChunk(false), before);
        }

    EXPECT_EQ(plugin->dispatch(EffectOpcode::getChunk, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::setChunk, 0, 100, nullptr), 0);
    for (const std::int64_t size : {0LL, -5LL, 1LL << 33})
        EXPECT_EQ(plugin->dispatch(EffectOpcode::setChunk, 0, size, garbage.data()), 0);
    EXPECT_EQ(plugin->getChunk(false), before);
}
} // namespace
