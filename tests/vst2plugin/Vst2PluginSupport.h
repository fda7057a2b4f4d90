#pragma once

#include "PluginInstance.h"
#include "PluginModule.h"
#include "RecordingHost.h"

#include <HostRecords.h>
#include <SpeakerArrangement.h>
#include <StompixZR7714AudioProcessor.h>
#include <TempoPlayHead.h>

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The built plug-in module, loaded once for the whole binary as a host loads it.
inline const PluginModule& pluginModule()
{
    static const PluginModule module(STOMPIX_VST2_PLUGIN_PATH);
    return module;
}

// One host and one fresh plug-in instance per test.
class PluginTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pluginModule().isLoaded()) << pluginModule().getError();
        plugin = std::make_unique<PluginInstance>(pluginModule(), host);
        ASSERT_TRUE(plugin->isValid());
    }

    RecordingHost host;
    std::unique_ptr<PluginInstance> plugin;
};

// Deterministic noise, the same for the same seed.
Channels noise(int numChannels, int numSamples, juce::uint32 seed = 1);

// The processor run in this process as the plug-in runs it: prepared at the rate with the
// host's tempo as its play head, then fed the input in blocks of blockSize.
class ReferenceProcessor
{
public:
    ReferenceProcessor(double sampleRate, int blockSize, double tempo, int numInputs = 2);

    StompixZR7714AudioProcessor& operator*() { return processor; }
    StompixZR7714AudioProcessor* operator->() { return &processor; }

    void prepare();
    Channels process(const Channels& input);

private:
    double rate;
    int block;
    testsupport::TempoPlayHead playHead;
    StompixZR7714AudioProcessor processor;
};

// Opcode 42 with arrangements of ins and outs channels.
std::int64_t setArrangement(PluginInstance& plugin, std::int32_t ins, std::int32_t outs);

// The input through the plug-in's processReplacing in host blocks of blockSize.
Channels processInBlocks(PluginInstance& plugin, const Channels& input, int blockSize,
                         bool inPlace = false);
