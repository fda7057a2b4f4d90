#include "AudioTestSupport.h"

namespace
{
constexpr double sampleRate = 48000.0; // crossfades of 2048 samples
constexpr int fadeLength = 2048;
constexpr int blockSize = 512;

TEST(AudioPath, ModelNumbersAndCrossfadeLengths)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::pair<float, int>> models{
        {0.0f, 0},   {-0.3f, 0}, {0.25f, 1}, {0.5f, 1},     {0.50001f, 2},  {1.0f, 2},
        {-0.5f, -1}, {1.2f, -1}, {nan, -1},  {1.0e30f, -1}, {-1.0e30f, -1},
    };

    for (const auto& [value, model] : models)
        EXPECT_EQ(StompixZR7714AudioProcessor::modelNumberFor(value), model) << value;

    const std::vector<std::pair<double, int>> lengths{
        {32000.0, 1024}, {34049.999, 1024}, {34050.0, 2048}, {44100.0, 2048},  {48000.0, 2048},
        {68000.0, 4096}, {88200.0, 4096},   {96000.0, 4096}, {136000.0, 8192}, {192000.0, 8192},
    };

    for (const auto& [rate, length] : lengths)
        EXPECT_EQ(StompixZR7714AudioProcessor::crossfadeLengthFor(rate), length) << rate;
}

TEST(AudioPath, LayoutsOfferedToHosts)
{
    StompixZR7714AudioProcessor processor;
    EXPECT_TRUE(setLayout(processor, 2, 2));
    EXPECT_TRUE(setLayout(processor, 1, 2));
    EXPECT_TRUE(setLayout(processor, 1, 1));
    EXPECT_FALSE(setLayout(processor, 2, 1));
}

class Audio : public ::testing::TestWithParam<std::pair<int, int>>
{
protected:
    void prepare(int numInputs, int numOutputs, int preparedBlock = blockSize)
    {
        ASSERT_TRUE(setLayout(processor, numInputs, numOutputs));
        processor.prepareToPlay(sampleRate, preparedBlock);
    }

    StompixZR7714AudioProcessor processor;
};

// The effect at rest is the bare model, in every layout: stereo with two outputs (the right
// input a copy of the left with one input), mono with one.
TEST_P(Audio, AtRestTheOutputIsThePlayingModelsOwn)
{
    const auto [ins, outs] = GetParam();
    processor.setParameter(kPhaserType, 1.0f);
    processor.setParameter(kStereo, 1.0f);
    prepare(ins, outs);

    ReferenceModel<Phaser100> reference(processor, sampleRate, blockSize);
    const auto input = noise(ins, 3000);
    EXPECT_TRUE(
        sameSamples(runProcessor(processor, input, blockSize), reference.process(input, outs)));
}

// Effect off from the start: the audio passes bit for bit; with one input, both outputs carry it.
TEST_P(Audio, EffectOffPassesTheInputThrough)
{
    const auto [ins, outs] = GetParam();
    processor.setParameter(kOnBypass, 0.0f);
    prepare(ins, outs);

    const auto input = noise(ins, 2000);
    const auto expected = passedThrough(input, outs);

    EXPECT_TRUE(sameSamples(runProcessor(processor, input, blockSize), expected));
}

// A host's bypass passes the block as the effect switched off does, in every layout.
TEST_P(Audio, HostBypassPassesTheInputThrough)
{
    const auto [ins, outs] = GetParam();
    prepare(ins, outs);
    const auto input = noise(ins, blockSize);
    juce::AudioBuffer<float> block(std::max(ins, outs), blockSize);
    block.clear();

    for (int channel = 0; channel < ins; ++channel)
        block.copyFrom(channel, 0, input, channel, 0, blockSize);

    juce::MidiBuffer midi;
    processor.processBlockBypassed(block, midi);
    block.setSize(outs, blockSize, true);
    EXPECT_TRUE(sameSamples(block, passedThrough(input, outs)));
}

// Before preparation and after release there are no scratch buffers: the audio passes through.
TEST_P(Audio, UnpreparedOrReleasedPassesThrough)
{
    const auto [ins, outs] = GetParam();
    ASSERT_TRUE(setLayout(processor, ins, outs));
    const auto input = noise(ins, 700);
    const auto expected = passedThrough(input, outs);

    EXPECT_TRUE(sameSamples(runProcessor(processor, input, 700), expected));

    processor.prepareToPlay(sampleRate, blockSize);
    runProcessor(processor, input, blockSize);
    processor.releaseResources();
    EXPECT_TRUE(sameSamples(runProcessor(processor, input, 700), expected));
}

// A sample rate no host gives leaves the processor unprepared: the audio passes through.
TEST_P(Audio, AnImpossibleSampleRateLeavesItUnprepared)
{
    const auto [ins, outs] = GetParam();
    ASSERT_TRUE(setLayout(processor, ins, outs));
    const auto input = noise(ins, 700);
    const auto expected = passedThrough(input, outs);

    for (double rate : {0.0, -48000.0, std::numeric_limits<double>::quiet_NaN(), 1.0e12})
    {
        processor.prepareToPlay(sampleRate, blockSize);
        processor.prepareToPlay(rate, blockSize);
        EXPECT_TRUE(sameSamples(runProcessor(processor, input, blockSize), expected)) << rate;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, Audio,
                         ::testing::Values(std::make_pair(2, 2), std::make_pair(1, 2),
                                           std::make_pair(1, 1)));

class Stereo : public Audio
{
protected:
    void SetUp() override { prepare(2, 2); }
};

// A block longer than the scratch buffers (16384 here) goes through in pieces, seamlessly.
TEST_F(Stereo, ABlockLongerThanTheScratchBuffers)
{
    ReferenceModel<Phaser45> reference(processor, sampleRate, blockSize);
    const auto input = noise(2, 40000);
    EXPECT_TRUE(sameSamples(runProcessor(processor, input, 40000), reference.process(input, 2)));
}

// Changed values reach the playing model at the next block; an unchanged one is not sent again.
TEST_F(Stereo, ParameterChangesReachThePlayingModelAtTheNextBlock)
{
    ReferenceModel<Phaser45> reference(processor, sampleRate, blockSize);
    const auto input = noise(2, 2 * blockSize);

    const auto first = runProcessor(processor, slice(input, 0, blockSize), blockSize);
    EXPECT_TRUE(sameSamples(first, reference.process(slice(input, 0, blockSize), 2)));

    processor.setParameter(kRate, 0.8f);
    processor.setParameter(kMix, 0.5f); // unchanged
    reference.model.setParameter(1, 0.8f);
    reference.model.calcParameter(1);

    const auto second = runProcessor(processor, slice(input, blockSize, blockSize), blockSize);
    EXPECT_TRUE(sameSamples(second, reference.process(slice(input, blockSize, blockSize), 2)));
}

// A tempo that is not a finite number never reaches the models: the last good one stays.
TEST_F(Stereo, ANonFiniteHostTempoIsNotTaken)
{
    TempoPlayHead playHead;
    processor.setPlayHead(&playHead);
    processor.setParameter(kSync, 1.0f);
    processor.prepareToPlay(sampleRate, blockSize);
    ReferenceModel<Phaser45> reference(processor, sampleRate, blockSize, &playHead);

    const auto input = noise(2, 3 * blockSize);
    playHead.bpm = std::numeric_limits<double>::quiet_NaN();
    auto output = runProcessor(processor, slice(input, 0, blockSize), blockSize);
    playHead.bpm = std::numeric_limits<double>::infinity();
    output.setSize(2, 2 * blockSize, true);
    const auto second = runProcessor(processor, slice(input, blockSize, blockSize), blockSize);

    for (int channel = 0; channel < 2; ++channel)
        output.copyFrom(channel, blockSize, second, channel, 0, blockSize);

    EXPECT_TRUE(sameSamples(output, reference.process(slice(input, 0, 2 * blockSize), 2)));
    processor.setPlayHead(nullptr);
}

// The effect switched off fades linearly from processed to dry over the crossfade length;
// afterwards the audio passes untouched.
TEST_F(Stereo, BypassFadeThenUntouchedPassThrough)
{
    ReferenceModel<Phaser45> reference(processor, sampleRate, blockSize);
    const int total = fadeLength + 3 * blockSize;
    const auto input = noise(2, total);
    const auto wet = reference.process(input, 2);

    processor.setParameter(kOnBypass, 0.0f);
    const auto output = runProcessor(processor, input, blockSize);

    for (int k = 1; k <= fadeLength; ++k)
    {
        const float gain = 1.0f - (float)k / (float)fadeLength;

        for (int channel = 0; channel < 2; ++channel)
        {
            const int i = k - 1;
            const float expected =
                gain * wet.getSample(channel, i) + (1.0f - gain) * input.getSample(channel, i);
            ASSERT_EQ(output.getSample(channel, i), expected) << "sample " << i;
        }
    }

    // The fade ends inside a block; from the next block on the input passes unchanged.
    const int nextBlock = ((fadeLength + blockSize - 1) / blockSize) * blockSize;
    EXPECT_TRUE(sameSamples(slice(output, nextBlock, total - nextBlock),
                            slice(input, nextBlock, total - nextBlock)));
}

// A fade reversed midway, and reversed again, still ends exactly on its target: the
// pass-through engages instead of leaving a residue of the processed signal.
TEST_F(Stereo, ReversedFadesStillEndInThePassThrough)
{
    const auto input = noise(2, 8 * fadeLength);
    int position = 0;
    const auto run = [&](int length)
    {
        const auto part = runProcessor(processor, slice(input, position, length), blockSize);
        position += length;
        return part;
    };

    processor.setParameter(kOnBypass, 0.0f);
    run(1000);
    processor.setParameter(kOnBypass, 1.0f);
    run(700); // these two lengths leave the naive sum 1.2e-5 above zero
    processor.setParameter(kOnBypass, 0.0f);
    run(fadeLength + 512);

    const auto after = run(2 * blockSize);
    EXPECT_TRUE(sameSamples(after, slice(input, position - 2 * blockSize, 2 * blockSize)));

    // Switched on again from the pass-through, the processed signal fades in from silence.
    processor.setParameter(kOnBypass, 1.0f);
    const auto fadingIn = run(blockSize);
    EXPECT_NE(fadingIn.getSample(0, 0), input.getSample(0, position - blockSize));
    EXPECT_NEAR(fadingIn.getSample(0, 0), input.getSample(0, position - blockSize), 0.01f);
}

// A model crossfade as the processor mixes it, written into `output` from sample `at` on:
// `incoming` is the new model's own output from that sample, primed there.
void crossfadeInto(juce::AudioBuffer<float>& output, const juce::AudioBuffer<float>& incoming,
                   int at, int crossfadeLength)
{
    for (int channel = 0; channel < output.getNumChannels(); ++channel)
        for (int i = at; i < output.getNumSamples(); ++i)
        {
            const int k = i - at;
            const float gain =
                k < crossfadeLength ? 1.0f - (float)(k + 1) / (float)crossfadeLength : 0.0f;
            output.setSample(channel, i,
                             gain * output.getSample(channel, i) +
                                 (1.0f - gain) * incoming.getSample(channel, k));
        }
}

// `input` through the processor in blocks of `size`, with one parameter written between the
// blocks at sample `at`, a block boundary.
juce::AudioBuffer<float> renderWithWriteAt(StompixZR7714AudioProcessor& processor,
                                           const juce::AudioBuffer<float>& input, int size, int at,
                                           int index, float value)
{
    auto output = runProcessor(processor, slice(input, 0, at), size);
    processor.setParameter(index, value);
    const int rest = input.getNumSamples() - at;
    const auto after = runProcessor(processor, slice(input, at, rest), size);
    output.setSize(output.getNumChannels(), input.getNumSamples(), true);

    for (int channel = 0; channel < output.getNumChannels(); ++channel)
        output.copyFrom(channel, at, after, channel, 0, rest);

    return output;
}

class ModelSwitch : public Stereo
{
protected:
    juce::AudioBuffer<float> run(int length)
    {
        const auto part = runProcessor(processor, slice(input, position, length), blockSize);
        position += length;
        return part;
    }

    // What the processor plays from `start` for `length` samples when it switches from `from`
    // to `to` at sample `at` of that stretch.
    template <typename From, typename To>
    juce::AudioBuffer<float> switchedAt(ReferenceModel<From>& from, ReferenceModel<To>& to,
                                        int start, int length, int at)
    {
        auto expected = from.process(slice(input, start, length), 2);
        to.prime(processor);
        crossfadeInto(expected, to.process(slice(input, start + at, length - at), 2), at,
                      fadeLength);
        return expected;
    }

    // Blocks of silence through the host's bypass, as long as the debounce together.
    void hostBypassesForTheDebounce()
    {
        juce::AudioBuffer<float> bypassed(2, blockSize);
        bypassed.clear();
        juce::MidiBuffer midi;

        for (int done = 0; done < debounce; done += blockSize)
            processor.processBlockBypassed(bypassed, midi);
    }

    // The effect switched back on: a crossfade's length later the output is the third model's
    // own, primed while the effect was off.
    void expectTypeThreeOnceTheEffectIsBack()
    {
        ReferenceModel<Phaser100> model(processor, sampleRate, blockSize);
        processor.setParameter(kOnBypass, 1.0f);
        const int start = position;
        const auto output = run(fadeLength + 2 * blockSize);
        const auto own = model.process(slice(input, start, fadeLength + 2 * blockSize), 2);
        EXPECT_TRUE(sameSamples(slice(output, fadeLength, 2 * blockSize),
                                slice(own, fadeLength, 2 * blockSize)));
    }

    const int debounce = StompixZR7714AudioProcessor::debounceLengthFor(sampleRate);
    juce::AudioBuffer<float> input = noise(2, 12 * fadeLength);
    int position = 0;
};

TEST(ModelSwitchDebounce, FiftyMillisecondsOfAudio)
{
    for (const auto& [rate, length] : std::vector<std::pair<double, int>>{
             {44100.0, 2205}, {48000.0, 2400}, {96000.0, 4800}, {22050.0, 1103}, {1.0, 1}})
        EXPECT_EQ(StompixZR7714AudioProcessor::debounceLengthFor(rate), length) << rate;
}

// Fifty milliseconds of audio after the last write, the new model is primed and crossfaded in
// over exactly the crossfade length, from that very sample; after it only the new model runs.
TEST_F(ModelSwitch, CrossfadesToTheNewModelAfterTheDebounce)
{
    ReferenceModel<Phaser45> oldModel(processor, sampleRate, blockSize);
    ReferenceModel<Phaser90> newModel(processor, sampleRate, blockSize);
    EXPECT_TRUE(sameSamples(run(blockSize), oldModel.process(slice(input, 0, blockSize), 2)));

    processor.setParameter(kPhaserType, 0.5f);
    const int start = position;
    const int length = debounce + fadeLength + 2 * blockSize;
    const auto output = run(length);
    EXPECT_TRUE(sameSamples(output, switchedAt(oldModel, newModel, start, length, debounce)));
    EXPECT_EQ(processor.getParameterText(kPhaserType), "Type 2");
}

// Every write of the type starts the debounce again, the same value too.
TEST_F(ModelSwitch, EveryWriteRestartsTheDebounce)
{
    ReferenceModel<Phaser45> oldModel(processor, sampleRate, blockSize);
    ReferenceModel<Phaser90> newModel(processor, sampleRate, blockSize);

    const int again = 4 * blockSize;
    ASSERT_LT(again, debounce);
    processor.setParameter(kPhaserType, 0.5f);
    const int length = again + debounce + fadeLength + blockSize;
    const auto output =
        renderWithWriteAt(processor, slice(input, 0, length), blockSize, again, kPhaserType, 0.5f);

    EXPECT_TRUE(sameSamples(output, switchedAt(oldModel, newModel, 0, length, again + debounce)));
}

// The host's bypass is audio too: a switch that falls due during it is crossfaded in from the
// first block processed after it.
TEST_F(ModelSwitch, TheDebounceCountsOnThroughTheHostsBypass)
{
    ReferenceModel<Phaser45> oldModel(processor, sampleRate, blockSize);
    ReferenceModel<Phaser90> newModel(processor, sampleRate, blockSize);
    processor.setParameter(kPhaserType, 0.5f);

    hostBypassesForTheDebounce();

    const int length = fadeLength + blockSize;
    EXPECT_TRUE(sameSamples(run(length), switchedAt(oldModel, newModel, 0, length, 0)));
}

// A switch that falls due in the host's bypass waits there untouched by any block; a newer type
// falling due after it withdraws it, so the superseded model is never heard.
TEST_F(ModelSwitch, ANewerTypeInTheHostsBypassWithdrawsTheWaitingSwitch)
{
    ReferenceModel<Phaser45> oldModel(processor, sampleRate, blockSize);
    ReferenceModel<Phaser100> newModel(processor, sampleRate, blockSize);

    for (float type : {0.5f, 1.0f})
    {
        processor.setParameter(kPhaserType, type);
        hostBypassesForTheDebounce();
    }

    const int length = fadeLength + blockSize;
    EXPECT_TRUE(sameSamples(run(length), switchedAt(oldModel, newModel, 0, length, 0)));
}

// A type that returns to the selected model within the debounce switches nothing and resets
// no model.
TEST_F(ModelSwitch, NoSwitchWhenTheTypeReturnsWithinTheDebounce)
{
    ReferenceModel<Phaser45> model(processor, sampleRate, blockSize);
    EXPECT_TRUE(sameSamples(run(blockSize), model.process(slice(input, 0, blockSize), 2)));

    processor.setParameter(kPhaserType, 0.5f);
    EXPECT_TRUE(sameSamples(run(blockSize), model.process(slice(input, blockSize, blockSize), 2)));

    processor.setParameter(kPhaserType, 0.0f);
    const int start = position;
    const int length = debounce + fadeLength + blockSize;
    EXPECT_TRUE(sameSamples(run(length), model.process(slice(input, start, length), 2)));
}

// The switch waits for no clock but the audio's own: rendered block after block with no time
// passing anywhere else, as in an offline bounce, it lands on the same sample at every block
// size.
TEST(ModelSwitchRender, LandsOnTheSameSampleAtEveryBlockSize)
{
    constexpr int writtenAt = 16384;
    const int debounce = StompixZR7714AudioProcessor::debounceLengthFor(sampleRate);
    const auto input = noise(2, 4 * 8192);

    for (int size : {64, 512, 8192})
    {
        StompixZR7714AudioProcessor processor;
        ASSERT_TRUE(setLayout(processor, 2, 2));
        processor.prepareToPlay(sampleRate, size);
        ReferenceModel<Phaser45> oldModel(processor, sampleRate, size);
        ReferenceModel<Phaser90> newModel(processor, sampleRate, size);

        const auto output = renderWithWriteAt(processor, input, size, writtenAt, kPhaserType, 0.5f);

        auto expected = oldModel.process(input, 2);
        newModel.prime(processor);
        const int at = writtenAt + debounce;
        crossfadeInto(expected, newModel.process(slice(input, at, input.getNumSamples() - at), 2),
                      at, fadeLength);
        EXPECT_TRUE(sameSamples(output, expected)) << "blocks of " << size;
    }
}

// The effect switched off and on again: the pass-through begins where the fade to dry ends,
// not where the host's block does, so the models come back in the same state, and the output
// is the same, at every block size.
TEST(BypassRender, OffAndOnAgainIsTheSameAtEveryBlockSize)
{
    constexpr int switchedOnAt = 16384;
    const auto input = noise(2, switchedOnAt + 8192);

    const auto render = [&](int size)
    {
        StompixZR7714AudioProcessor processor;
        EXPECT_TRUE(setLayout(processor, 2, 2));
        processor.setParameter(kFeedback, 0.9f);
        processor.prepareToPlay(sampleRate, size);
        processor.setParameter(kOnBypass, 0.0f);
        return renderWithWriteAt(processor, input, size, switchedOnAt, kOnBypass, 1.0f);
    };

    const auto reference = render(64);

    for (int size : {100, 512, 1000, 3000})
        EXPECT_TRUE(sameSamples(render(size), reference)) << "blocks of " << size;
}

// A switch that falls due while a crossfade runs waits for it to end, then starts on the very
// next sample: the fading model is never cut off, the playing one never reset while it runs.
// (Crossfades outlast the debounce only at some rates, 36 kHz among them.)
TEST(ModelSwitchRender, ASwitchDueDuringACrossfadeStartsWhereItEnds)
{
    constexpr double rate = 36000.0;
    constexpr int size = 64;
    const int debounce = StompixZR7714AudioProcessor::debounceLengthFor(rate);
    const int crossfade = StompixZR7714AudioProcessor::crossfadeLengthFor(rate);
    const int secondWrite = 1856; // during the first crossfade, due before it ends
    ASSERT_GT(secondWrite, debounce);
    ASSERT_LT(secondWrite + debounce, debounce + crossfade);

    StompixZR7714AudioProcessor processor;
    ASSERT_TRUE(setLayout(processor, 2, 2));
    processor.prepareToPlay(rate, size);
    ReferenceModel<Phaser45> first(processor, rate, size);
    ReferenceModel<Phaser90> second(processor, rate, size);
    ReferenceModel<Phaser45> third(processor, rate, size);
    const auto input = noise(2, 8192);

    processor.setParameter(kPhaserType, 0.5f);
    // Back to the model that is fading out.
    const auto output = renderWithWriteAt(processor, input, size, secondWrite, kPhaserType, 0.0f);

    auto expected = first.process(input, 2);
    second.prime(processor);
    crossfadeInto(expected, second.process(slice(input, debounce, 8192 - debounce), 2), debounce,
                  crossfade);
    const int back = debounce + crossfade;
    third.prime(processor);
    crossfadeInto(expected, third.process(slice(input, back, 8192 - back), 2), back, crossfade);
    EXPECT_TRUE(sameSamples(output, expected));
}

// A switch that falls due while the effect is off is primed and waits, as no model runs; a newer
// type withdraws it. Switched on again, the newer type's model plays.
TEST_F(ModelSwitch, ATypeChangedTwiceWhileTheEffectIsOffPlaysOnceItIsBack)
{
    processor.setParameter(kOnBypass, 0.0f);
    processor.prepareToPlay(sampleRate, blockSize);
    processor.setParameter(kPhaserType, 0.5f);
    run(debounce + blockSize);

    processor.setParameter(kPhaserType, 1.0f);
    run(debounce + blockSize);

    expectTypeThreeOnceTheEffectIsBack();
}

// A crossfade that the pass-through stopped halfway, with the effect faded out, ends when the
// next type falls due: switched on again, that type's model plays after a single crossfade.
TEST_F(ModelSwitch, ACrossfadeStoppedHalfwayByThePassThroughEndsAtTheNextType)
{
    processor.setParameter(kPhaserType, 0.5f);
    run(2 * blockSize);
    processor.setParameter(kOnBypass, 0.0f); // the fade to dry ends before the crossfade does
    run(6 * blockSize);

    processor.setParameter(kPhaserType, 1.0f);
    run(debounce + blockSize);

    expectTypeThreeOnceTheEffectIsBack();
}

// Preparation ends a switch at once, under way or still counting down: the type's model plays,
// without a fade, and nothing switches later.
TEST_F(ModelSwitch, PreparationEndsASwitch)
{
    processor.setParameter(kPhaserType, 1.0f);
    run(debounce + blockSize); // the crossfade under way
    processor.prepareToPlay(sampleRate, blockSize);

    ReferenceModel<Phaser100> third(processor, sampleRate, blockSize);
    int start = position;
    EXPECT_TRUE(
        sameSamples(run(3 * blockSize), third.process(slice(input, start, 3 * blockSize), 2)));

    processor.setParameter(kPhaserType, 0.5f);
    run(blockSize); // counting down
    processor.prepareToPlay(sampleRate, blockSize);

    ReferenceModel<Phaser90> second(processor, sampleRate, blockSize);
    start = position;
    const int length = debounce + fadeLength;
    EXPECT_TRUE(sameSamples(run(length), second.process(slice(input, start, length), 2)));
}
} // namespace
