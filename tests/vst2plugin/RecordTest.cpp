#include "Vst2PluginSupport.h"

#include "DynamicSymbols.h"

#include <Opcodes.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <set>
#include <string>

namespace
{
TEST_F(PluginTest, RecordDescribesTheStereoEffect)
{
    const AEffect& record = plugin->getRecord();

    EXPECT_EQ(record.magic, effectMagic);
    EXPECT_EQ(record.numPrograms, 12);
    EXPECT_EQ(record.numParams, 10);
    EXPECT_EQ(record.numInputs, 2);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.uniqueID, 0x567A7237); // 'Vzr7'
    EXPECT_EQ(record.version, 101);
    EXPECT_EQ(record.initialDelay, 0);
    EXPECT_EQ(record.flags,
              EffectFlags::canReplacing | EffectFlags::programChunks | EffectFlags::hasEditor);
    EXPECT_NE(record.processReplacing, nullptr);
}

TEST_F(PluginTest, FixedAnswers)
{
    const struct
    {
        std::int32_t opcode;
        std::int64_t expected;
    } cases[] = {
        {EffectOpcode::identify, EffectOpcode::identifyAnswer},
        {EffectOpcode::getVstVersion, 2400},
        {EffectOpcode::getPlugCategory, 1},
        {EffectOpcode::getVendorVersion, 101},
        {EffectOpcode::getTailSize, 0},
        {EffectOpcode::getNumMidiInputChannels, 0},
        {EffectOpcode::setProcessPrecision, 1}, // value 0: single precision
    };

    for (const auto& c : cases)
        EXPECT_EQ(plugin->dispatch(c.opcode), c.expected) << "opcode " << c.opcode;

    EXPECT_EQ(plugin->dispatch(EffectOpcode::setProcessPrecision, 0, 1), 0) << "no 64-bit audio";
}

TEST_F(PluginTest, NamesFitTheHostsBuffers)
{
    const struct
    {
        std::int32_t opcode;
        const char* expected;
        std::size_t capacity;
    } cases[] = {
        {EffectOpcode::getEffectName, "Stompix ZR7714", 32},
        {EffectOpcode::getVendorString, "Velmor", 64},
        {EffectOpcode::getProductString, "Stompix ZR7714", 64},
    };

    for (const auto& c : cases)
    {
        const auto answer = plugin->queryText(c.opcode);
        EXPECT_EQ(answer.result, 1) << c.expected;
        EXPECT_EQ(answer.text, c.expected);
        EXPECT_LE(answer.written, c.capacity);
    }
}

TEST_F(PluginTest, MissingTextBuffersAreNeverTouched)
{
    for (const std::int32_t opcode :
         {EffectOpcode::setProgramName, EffectOpcode::getProgramName,
          EffectOpcode::getParameterLabel, EffectOpcode::getParameterDisplay,
          EffectOpcode::getParameterName, EffectOpcode::string2parameter,
          EffectOpcode::getProgramNameIndexed, EffectOpcode::getEffectName,
          EffectOpcode::getVendorString, EffectOpcode::getProductString, EffectOpcode::canDo})
        EXPECT_EQ(plugin->dispatch(opcode, 1, 0, nullptr), 0) << "opcode " << opcode;

    EXPECT_EQ(plugin->getParameter(1), 0.0f);
}

TEST_F(PluginTest, CanDoAnswers)
{
    const struct
    {
        const char* question;
        std::int64_t expected;
    } cases[] = {
        {PlugCanDos::canDoReceiveVstMidiEvent, -1},
        {"receiveVstEvents", -1},
        {"sendVstMidiEvent", -1},
        {"receiveVstTimeInfo", 1},
        {"bypass", 1},
        {"2in2out", 1},
        {"somethingNoHostAsks", 0},
    };

    for (const auto& c : cases)
        EXPECT_EQ(plugin->dispatch(EffectOpcode::canDo, 0, 0, const_cast<char*>(c.question)),
                  c.expected)
            << c.question;
}

TEST_F(PluginTest, ResumeRequestsNoMidi)
{
    plugin->prepare(44100.0f, 512);

    EXPECT_TRUE(host.callsOf(HostOpcode::wantMidi).empty());
}

TEST_F(PluginTest, PinsArePairedStereo)
{
    constexpr unsigned char guard = 0x7f;

    for (const bool input : {true, false})
    {
        const auto opcode =
            input ? EffectOpcode::getInputProperties : EffectOpcode::getOutputProperties;

        for (const std::int32_t pin : {0, 1})
        {
            VstPinProperties properties;
            std::memset(&properties, guard, sizeof(properties));
            ASSERT_EQ(plugin->dispatch(opcode, pin, 0, &properties), 1);
            EXPECT_STREQ(properties.label, pin == 0 ? "1" : "2");
            EXPECT_EQ(properties.flags, PinFlags::isActive | (pin == 0 ? PinFlags::isStereo : 0));
            EXPECT_EQ(properties.arrangementType, SpeakerTypes::arrangementStereo);
            EXPECT_STREQ(properties.shortLabel, pin == 0 ? "1" : "2");

            // Some hosts' records end after the short label, at byte 80 of the 128.
            const auto* bytes = reinterpret_cast<const unsigned char*>(&properties);
            EXPECT_TRUE(std::all_of(bytes + offsetof(VstPinProperties, future),
                                    bytes + sizeof(properties),
                                    [](unsigned char byte) { return byte == guard; }))
                << "a byte after the short label was written";
        }

        VstPinProperties outside{};
        EXPECT_EQ(plugin->dispatch(opcode, 2, 0, &outside), 0);
        EXPECT_EQ(plugin->dispatch(opcode, 0, 0, nullptr), 0);
    }
}

TEST_F(PluginTest, SpeakerArrangementsFollowTheLayout)
{
    VstSpeakerArrangement* input = nullptr;
    VstSpeakerArrangement* output = nullptr;
    ASSERT_EQ(plugin->dispatch(EffectOpcode::getSpeakerArrangement, 0,
                               reinterpret_cast<std::intptr_t>(&input), &output),
              1);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->type, SpeakerTypes::arrangementStereo);
    EXPECT_EQ(input->numChannels, 2);
    EXPECT_EQ(input->speakers()[0].type, SpeakerTypes::left);
    EXPECT_EQ(output->speakers()[1].type, SpeakerTypes::right);

    // Mono in, stereo out is one of the processor's layouts; stereo in, mono out is not.
    EXPECT_EQ(setArrangement(*plugin, 2, 1), 0);
    EXPECT_EQ(plugin->getRecord().numOutputs, 2);

    EXPECT_EQ(setArrangement(*plugin, 1, 2), 1);
    EXPECT_EQ(plugin->getRecord().numInputs, 1);
    EXPECT_EQ(plugin->getRecord().numOutputs, 2);
    EXPECT_EQ(input->numChannels, 1);
    EXPECT_EQ(input->speakers()[0].type, SpeakerTypes::mono);

    // Not while processing runs.
    plugin->prepare(44100.0f, 512);
    EXPECT_EQ(setArrangement(*plugin, 2, 2), 0);
    EXPECT_EQ(plugin->getRecord().numInputs, 1);
}

TEST(PluginModuleTest, ExportsOnlyTheEntryPoints)
{
    const auto& module = pluginModule();
    ASSERT_TRUE(module.isLoaded()) << module.getError();

    EXPECT_NE(module.findSymbol("VSTPluginMain"), nullptr);
    EXPECT_NE(module.findSymbol("main_macho"), nullptr);
    EXPECT_EQ(module.findSymbol("createPluginFilter"), nullptr);
    EXPECT_EQ(module.findSymbol("_ZN4juce14MessageManager11getInstanceEv"), nullptr);

    std::string error;
    const auto exported = testsupport::definedDynamicSymbols(STOMPIX_VST2_PLUGIN_PATH, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(exported, (std::set<std::string>{"VSTPluginMain", "main_macho"}));
}

TEST(PluginModuleTest, BothEntryPointsMakeInstancesThatCloseThemselves)
{
    RecordingHost host;

    for (const char* entry : {"VSTPluginMain", "main_macho"})
    {
        const PluginModule module(STOMPIX_VST2_PLUGIN_PATH, entry);
        ASSERT_TRUE(module.isLoaded()) << module.getError();

        PluginInstance first(module, host);
        PluginInstance second(module, host);
        ASSERT_TRUE(first.isValid());
        ASSERT_TRUE(second.isValid());
        EXPECT_NE(&first.getRecord(), &second.getRecord());

        first.setParameter(2, 0.25f);
        EXPECT_FLOAT_EQ(second.getParameter(2), 0.5f) << "instances share nothing";

        EXPECT_EQ(first.close(), 1);
        EXPECT_EQ(second.close(), 1);
    }
}
} // namespace
