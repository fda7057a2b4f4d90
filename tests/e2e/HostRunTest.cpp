#include "HostRun.h"
#include "StompixZR7714AudioProcessor.h"
#include "WavFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{
// The lines of a listing that start with `kind`, split at tabs.
std::vector<juce::StringArray> linesOf(const juce::String& listing, const juce::String& kind)
{
    std::vector<juce::StringArray> lines;

    for (const auto& line : juce::StringArray::fromLines(listing))
        if (line.startsWith(kind + "\t"))
            lines.push_back(juce::StringArray::fromTokens(line, "\t", ""));

    return lines;
}

class TestPlayHead final : public juce::AudioPlayHead
{
public:
    explicit TestPlayHead(double tempo) : bpm(tempo) {}

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;

        if (playing)
            info.setBpm(bpm);

        info.setIsPlaying(true);
        return info;
    }

    // A VST3 host's transport is known only while it processes: at preparation the plug-in
    // sees no tempo.
    bool playing = false;

private:
    double bpm;
};

class Host : public ::testing::Test
{
protected:
    juce::File file(const juce::String& name) const { return folder.getChildFile(name); }

    void SetUp() override { ASSERT_TRUE(folder.createDirectory()); }
    void TearDown() override { folder.deleteRecursively(); }

    const juce::File folder = juce::File::getSpecialLocation(juce::File::tempDirectory)
                                  .getNonexistentChildFile("stompix-e2e", "", false);
};

TEST_F(Host, ListsTwelveParametersAndTwelvePrograms)
{
    const auto run = runHost({"--list"});
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::vector<std::array<const char*, 4>> expected{
        {{"0", "onBypass", "1", "On"}},  {{"1", "phaserType", "0", "Type 1"}},
        {{"2", "rate", "0.5", "5.00"}},  {{"3", "rateSync", "0.5", "5.00"}},
        {{"4", "depth", "0.5", "5.00"}}, {{"5", "feedback", "0.5", "5.00"}},
        {{"6", "mix", "0.5", "5.00"}},   {{"7", "level", "0.5", "5.00"}},
        {{"8", "stereo", "0", "Off"}},   {{"9", "sync", "0", "Off"}},
        {{"10", "Bypass", "0", "Off"}},  {{"11", "Program", "0", "Init"}},
    };

    const auto parameters = linesOf(run.output, "parameter");
    ASSERT_EQ(parameters.size(), expected.size()) << run.output;

    for (size_t i = 0; i < expected.size(); ++i)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(parameters[i][column + 1], expected[i][(size_t)column]) << run.output;

    const auto programs = linesOf(run.output, "program");
    ASSERT_EQ(programs.size(), (size_t)12);

    for (const auto& program : programs)
        EXPECT_EQ(program[2], "Init");
}

TEST_F(Host, StateSavedAndLoadedIntoAFreshInstanceSavesTheSameBytes)
{
    const auto first = file("first.state"), second = file("second.state");
    ASSERT_EQ(runHost({"--set", "rate=0.3", "--set", "phaserType=1", "--set", "stereo=1",
                       "--save-state", first.getFullPathName()})
                  .exitCode,
              0);

    const auto reloaded = runHost({"--load-state", first.getFullPathName(), "--list",
                                   "--save-state", second.getFullPathName()});
    ASSERT_EQ(reloaded.exitCode, 0) << reloaded.output;

    juce::MemoryBlock a, b;
    ASSERT_TRUE(first.loadFileAsData(a));
    ASSERT_TRUE(second.loadFileAsData(b));
    EXPECT_GT(a.getSize(), (size_t)0);
    EXPECT_EQ(a, b);

    const auto parameters = linesOf(reloaded.output, "parameter");
    ASSERT_EQ(parameters.size(), (size_t)12);
    EXPECT_EQ(parameters[1][4], "Type 3");
    EXPECT_EQ(parameters[2][4], "3.00");
    EXPECT_EQ(parameters[8][4], "On");
}

TEST_F(Host, RefusesAnUnsupportedLayout)
{
    const auto run = runHost({"--channels", "2:1", "--out", file("x.wav").getFullPathName()});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains("refuses")) << run.output;
}

// A name for the editor's dialogs is typed with real key events: one with a character that has
// no key to type it is refused before anything runs, rather than typed with the character left
// out.
TEST_F(Host, RefusesANameWithCharactersItCannotType)
{
    for (const auto* option : {"--editor-save-as", "--editor-new-folder"})
        for (const auto& name :
             {juce::String::fromUTF8(u8"Gr\u00fc\u00dfe"), juce::String("tab\there")})
        {
            SCOPED_TRACE(option + (" " + name));
            const auto run = runHost({option, name});
            EXPECT_NE(run.exitCode, 0);
            EXPECT_TRUE(run.output.contains(juce::String(option) +
                                            " takes a name of printable ASCII characters"))
                << run.output;
        }
}

// Bypassed by the host, the VST3 passes the audio as the effect switched off does: the inputs on
// their outputs, a single input on both, bit for bit.
TEST_F(Host, HostBypassPassesTheInputInEveryLayout)
{
    for (const auto& [ins, outs] :
         {std::make_pair(2, 2), std::make_pair(1, 2), std::make_pair(1, 1)})
    {
        const juce::String layout = juce::String(ins) + ":" + juce::String(outs);
        juce::AudioBuffer<float> input(ins, 20000);
        juce::Random random(3);

        for (int channel = 0; channel < ins; ++channel)
            for (int i = 0; i < input.getNumSamples(); ++i)
                input.setSample(channel, i, (random.nextFloat() - 0.5f) * 0.6f);

        juce::String error;
        const auto inFile = file("in.wav"), outFile = file("out.wav");
        ASSERT_TRUE(WavFiles::write(inFile, input, 44100.0, error)) << error;

        const auto run =
            runHost({"--in", inFile.getFullPathName(), "--out", outFile.getFullPathName(),
                     "--channels", layout, "--set", "Bypass=1"});
        ASSERT_EQ(run.exitCode, 0) << run.output;

        juce::AudioBuffer<float> rendered;
        double renderedRate = 0.0;
        ASSERT_TRUE(WavFiles::read(outFile, rendered, renderedRate, error)) << error;
        ASSERT_EQ(rendered.getNumChannels(), outs) << layout;
        ASSERT_EQ(rendered.getNumSamples(), input.getNumSamples()) << layout;

        for (int channel = 0; channel < outs; ++channel)
        {
            const float* const expected = input.getReadPointer(std::min(channel, ins - 1));
            const float* const actual = rendered.getReadPointer(channel);
            EXPECT_TRUE(std::equal(actual, actual + input.getNumSamples(), expected))
                << layout << ", output " << channel << " peaks at "
                << rendered.getMagnitude(channel, 0, rendered.getNumSamples());
        }
    }
}

struct RenderCase
{
    const char* name;
    int numInputs, numOutputs;
    std::map<juce::String, float> settings;
    std::vector<std::tuple<juce::String, float, double>> timed; // name, value, seconds
};

class Render : public Host, public ::testing::WithParamInterface<RenderCase>
{
};

// The audio the host renders through the VST3 equals the processor's own output for the
// same input, settings, tempo and blocks, bit for bit.
TEST_P(Render, EqualsTheProcessorsOwnOutput)
{
    const auto& c = GetParam();
    constexpr double sampleRate = 44100.0;
    constexpr int blockSize = 256;
    constexpr double tempo = 97.0;

    juce::AudioBuffer<float> input(c.numInputs, (int)sampleRate);
    juce::Random random(7);

    for (int channel = 0; channel < c.numInputs; ++channel)
        for (int i = 0; i < input.getNumSamples(); ++i)
            input.setSample(channel, i, (random.nextFloat() - 0.5f) * 0.6f);

    juce::String error;
    const auto inFile = file("in.wav"), outFile = file("out.wav");
    ASSERT_TRUE(WavFiles::write(inFile, input, sampleRate, error)) << error;

    juce::StringArray options{
        "--in",       inFile.getFullPathName(),
        "--out",      outFile.getFullPathName(),
        "--block",    juce::String(blockSize),
        "--tempo",    juce::String(tempo),
        "--channels", juce::String(c.numInputs) + ":" + juce::String(c.numOutputs)};

    for (const auto& [name, value] : c.settings)
        options.addArray({"--set", name + "=" + juce::String(value)});

    for (const auto& [name, value, seconds] : c.timed)
        options.addArray({"--set", name + "=" + juce::String(value) + "@" + juce::String(seconds)});

    const auto run = runHost(options);
    ASSERT_EQ(run.exitCode, 0) << run.output;

    juce::AudioBuffer<float> rendered;
    double renderedRate = 0.0;
    ASSERT_TRUE(WavFiles::read(outFile, rendered, renderedRate, error)) << error;
    EXPECT_EQ(renderedRate, sampleRate);

    // The same through the processor itself.
    StompixZR7714AudioProcessor processor;
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(c.numInputs == 1 ? juce::AudioChannelSet::mono()
                                           : juce::AudioChannelSet::stereo());
    layout.outputBuses.add(c.numOutputs == 1 ? juce::AudioChannelSet::mono()
                                             : juce::AudioChannelSet::stereo());
    ASSERT_TRUE(processor.setBusesLayout(layout));
    TestPlayHead playHead(tempo);
    processor.setPlayHead(&playHead);

    const auto indexOf = [&processor](const juce::String& name)
    {
        for (int i = 0; i < processor.getNumParameters(); ++i)
            if (processor.getParameterName(i) == name)
                return i;

        return -1;
    };

    for (const auto& [name, value] : c.settings)
        processor.setParameter(indexOf(name), value);

    processor.prepareToPlay(sampleRate, blockSize);
    playHead.playing = true;

    juce::AudioBuffer<float> expected(std::max(c.numInputs, c.numOutputs), input.getNumSamples());
    expected.clear();

    for (int channel = 0; channel < c.numInputs; ++channel)
        expected.copyFrom(channel, 0, input, channel, 0, input.getNumSamples());

    juce::MidiBuffer midi;
    size_t nextTimed = 0;

    // Block after block with no pause: the plug-in's model switch counts in audio, as the host
    // that renders as fast as it can relies on.
    for (int start = 0; start < input.getNumSamples(); start += blockSize)
    {
        while (nextTimed < c.timed.size() &&
               (juce::int64)(std::get<2>(c.timed[nextTimed]) * sampleRate) <= start)
        {
            processor.setParameter(indexOf(std::get<0>(c.timed[nextTimed])),
                                   std::get<1>(c.timed[nextTimed]));
            ++nextTimed;
        }

        juce::AudioBuffer<float> block(expected.getArrayOfWritePointers(),
                                       expected.getNumChannels(), start,
                                       std::min(blockSize, input.getNumSamples() - start));
        processor.processBlock(block, midi);
    }

    ASSERT_EQ(rendered.getNumChannels(), c.numOutputs);
    ASSERT_EQ(rendered.getNumSamples(), input.getNumSamples());
    int firstDifference = -1;

    for (int channel = 0; channel < c.numOutputs && firstDifference < 0; ++channel)
        for (int i = 0; i < rendered.getNumSamples(); ++i)
            if (rendered.getSample(channel, i) != expected.getSample(channel, i))
            {
                firstDifference = i;
                break;
            }

    EXPECT_EQ(firstDifference, -1);
    EXPECT_GT(rendered.getMagnitude(0, rendered.getNumSamples()), 0.01f);
    processor.setPlayHead(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Models, Render,
    ::testing::Values(
        RenderCase{"Type1", 2, 2, {{"phaserType", 0.0f}, {"rate", 0.3f}}, {}},
        RenderCase{
            "Type2Synced", 2, 2, {{"phaserType", 0.5f}, {"sync", 1.0f}, {"rateSync", 0.6f}}, {}},
        RenderCase{
            "Type3Stereo", 1, 2, {{"phaserType", 1.0f}, {"stereo", 1.0f}, {"feedback", 0.8f}}, {}},
        RenderCase{"Mono", 1, 1, {{"phaserType", 0.5f}, {"depth", 0.9f}}, {}},
        RenderCase{"TimedChanges",
                   2,
                   2,
                   {{"mix", 0.7f}},
                   {{"rate", 0.9f, 0.2},
                    {"onBypass", 0.0f, 0.4},
                    {"onBypass", 1.0f, 0.6},
                    {"phaserType", 1.0f, 0.7}}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });
} // namespace
