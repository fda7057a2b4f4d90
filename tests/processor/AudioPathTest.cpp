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

class ModelSwitch : public Stereo
{
protected:
    juce::AudioBuffer<float> run(int length)
    {
        const auto part = runProcessor(processor, slice(input, position, length), blockSize);
        position += length;
        return part;
    }

    // Ticks the timer as the message thread does while it runs, at most `limit` times; true
    // when it has stopped.
    bool tickUntilStopped(int limit)
    {
        for (int tick = 0; tick < limit && processor.isTimerRunning(); ++tick)
            processor.timerCallback();

        return !processor.isTimerRunning();
    }

    // The effect switched back on: a crossfade's length later the output is the third model's
    // own, primed when the timer last ticked.
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

    juce::AudioBuffer<float> input = noise(2, 12 * fadeLength);
    int position = 0;
};

// Fifty milliseconds after the last write the timer primes the new model; the next block
// crossfades over exactly the crossfade length, after which only the new model runs.
TEST_F(ModelSwitch, CrossfadesToTheNewModelAfterTheDebounce)
{
    ReferenceModel<Phaser45> oldModel(processor, sampleRate, blockSize);
    ReferenceModel<Phaser90> newModel(processor, sampleRate, blockSize);
    EXPECT_TRUE(sameSamples(run(blockSize), oldModel.process(slice(input, 0, blockSize), 2)));

    processor.setParameter(kPhaserType, 0.5f);
    ASSERT_TRUE(processor.isTimerRunning());
    EXPECT_TRUE(
        sameSamples(run(blockSize), oldModel.process(slice(input, blockSize, blockSize), 2)));

    processor.timerCallback();
    EXPECT_FALSE(processor.isTimerRunning());
    newModel.prime(processor);

    const int start = position;
    const int length = fadeLength + 2 * blockSize;
    const auto output = run(length);
    const auto oldOut = oldModel.process(slice(input, start, length), 2);
    const auto newOut = newModel.process(slice(input, start, length), 2);

    for (int i = 0; i < length; ++i)
    {
        const float gain = i < fadeLength ? 1.0f - (float)(i + 1) / (float)fadeLength : 0.0f;

        for (int channel = 0; channel < 2; ++channel)
            ASSERT_EQ(output.getSample(channel, i),
                      gain * oldOut.getSample(channel, i) +
                          (1.0f - gain) * newOut.getSample(channel, i))
                << "sample " << i;
    }

    EXPECT_EQ(processor.getParameterText(kPhaserType), "Type 2");
}

// A type that returns to the selected model within the debounce switches nothing and resets
// no model.
TEST_F(ModelSwitch, NoSwitchWhenTheTypeReturnsWithinTheDebounce)
{
    ReferenceModel<Phaser45> model(processor, sampleRate, blockSize);
    run(blockSize);
    model.process(slice(input, 0, blockSize), 2);

    processor.setParameter(kPhaserType, 0.5f);
    processor.setParameter(kPhaserType, 0.0f);
    processor.timerCallback();
    EXPECT_FALSE(processor.isTimerRunning());

    EXPECT_TRUE(
        sameSamples(run(3 * blockSize), model.process(slice(input, blockSize, 3 * blockSize), 2)));
}

// A new type while a crossfade runs waits for it to finish, then crossfades again: the fading
// model is never cut off, the playing one never reset under the audio thread.
TEST_F(ModelSwitch, ANewTypeDuringACrossfadeWaitsForIt)
{
    ReferenceModel<Phaser45> first(processor, sampleRate, blockSize);
    ReferenceModel<Phaser90> second(processor, sampleRate, blockSize);
    ReferenceModel<Phaser45> third(processor, sampleRate, blockSize);

    processor.setParameter(kPhaserType, 0.5f);
    processor.timerCallback();
    second.prime(processor);
    const auto fadeStart = run(blockSize);
    first.process(slice(input, 0, blockSize), 2);
    second.process(slice(input, 0, blockSize), 2);

    processor.setParameter(kPhaserType, 0.0f); // back to the model that is fading out
    processor.timerCallback();
    EXPECT_TRUE(processor.isTimerRunning());

    // The first crossfade goes on undisturbed to the end.
    const int rest = fadeLength - blockSize;
    const auto output = run(rest);
    const auto oldOut = first.process(slice(input, blockSize, rest), 2);
    const auto newOut = second.process(slice(input, blockSize, rest), 2);
    const int last = rest - 1;
    EXPECT_EQ(output.getSample(0, last), newOut.getSample(0, last));
    EXPECT_NE(output.getSample(0, last), oldOut.getSample(0, last));

    // Then the type's model comes back with a crossfade of its own.
    processor.timerCallback();
    EXPECT_FALSE(processor.isTimerRunning());
    third.prime(processor);
    const int start = position;
    const auto back = run(fadeLength);
    const auto from = second.process(slice(input, start, fadeLength), 2);
    const auto to = third.process(slice(input, start, fadeLength), 2);

    for (int i : {0, fadeLength / 2, fadeLength - 1})
    {
        const float gain = 1.0f - (float)(i + 1) / (float)fadeLength;
        EXPECT_EQ(back.getSample(1, i),
                  gain * from.getSample(1, i) + (1.0f - gain) * to.getSample(1, i))
            << i;
    }
}

// A switch handed over while the effect is off waits, as no model runs; a newer type replaces it
// and the timer stops. Switched on again, the newer type's model plays.
TEST_F(ModelSwitch, ATypeChangedTwiceWhileTheEffectIsOffPlaysOnceItIsBack)
{
    processor.setParameter(kOnBypass, 0.0f);
    processor.prepareToPlay(sampleRate, blockSize);
    processor.setParameter(kPhaserType, 0.5f);
    processor.timerCallback();
    run(blockSize);

    processor.setParameter(kPhaserType, 1.0f);
    EXPECT_TRUE(tickUntilStopped(1));
    run(blockSize);

    expectTypeThreeOnceTheEffectIsBack();
}

// A crossfade that the pass-through stops halfway does not keep the timer running: the first
// tick after it has stood still for a while ends it, and the newer type is handed over. Ticks
// that come in a burst do not end it.
TEST_F(ModelSwitch, ACrossfadeStoppedHalfwayByThePassThroughEndsAtTheNextType)
{
    processor.setParameter(kOnBypass, 0.0f);
    run(blockSize); // the fade to dry starts a block before the crossfade
    processor.setParameter(kPhaserType, 0.5f);
    processor.timerCallback();
    run(fadeLength); // the pass-through begins with a quarter of the crossfade to go

    processor.setParameter(kPhaserType, 1.0f);
    EXPECT_FALSE(tickUntilStopped(3));
    juce::Thread::sleep((int)StompixZR7714AudioProcessor::stalledCrossfadeMs + 50);
    EXPECT_TRUE(tickUntilStopped(1));

    expectTypeThreeOnceTheEffectIsBack();
}

// Preparation ends a pending switch at once: the type's model plays, without a fade.
TEST_F(ModelSwitch, PreparationEndsAPendingSwitch)
{
    processor.setParameter(kPhaserType, 1.0f);
    processor.timerCallback();
    processor.prepareToPlay(sampleRate, blockSize);

    ReferenceModel<Phaser100> model(processor, sampleRate, blockSize);
    EXPECT_TRUE(sameSamples(run(3 * blockSize), model.process(slice(input, 0, 3 * blockSize), 2)));
}
} // namespace
