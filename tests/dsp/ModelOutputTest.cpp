#include "PhaserTestSupport.h"
#include "ReferenceChains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace PhaserTest;

namespace
{
template <typename Model> struct ReferenceOf;
template <> struct ReferenceOf<Phaser45>
{
    using type = Reference::Phaser45Chain;
};
template <> struct ReferenceOf<Phaser90>
{
    using type = Reference::Phaser90Chain;
};
template <> struct ReferenceOf<Phaser100>
{
    using type = Reference::Phaser100Chain;
};

template <typename Model> class ModelOutput : public ::testing::Test
{
};
using ModelTypes = ::testing::Types<Phaser45, Phaser90, Phaser100>;
TYPED_TEST_SUITE(ModelOutput, ModelTypes, );

Parameters randomParameters(std::mt19937& random)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    Parameters values{};
    values[0] = 1.0f;
    for (size_t i = 1; i < 9; ++i)
        values[i] = unit(random);
    values[7] = values[7] > 0.5f ? 1.0f : 0.0f;
    values[8] = values[8] > 0.7f ? 1.0f : 0.0f;
    return values;
}

enum class Layout
{
    mono,
    stereo
};

template <typename Model>
void run(Model& model, Layout layout, std::vector<float>& left, std::vector<float>& right,
         size_t blockSize)
{
    for (size_t start = 0; start < left.size(); start += blockSize)
    {
        const int n = static_cast<int>(std::min(blockSize, left.size() - start));
        if (layout == Layout::mono)
            model.process(left.data() + start, n);
        else
            model.process(left.data() + start, right.data() + start, n);
    }
}
} // namespace

TYPED_TEST(ModelOutput, MatchesThePlainChainBitForBit)
{
    std::mt19937 random(42);
    for (float rate : {44100.0f, 48000.0f, 96000.0f, 192000.0f})
        for (int trial = 0; trial < 6; ++trial)
            for (Layout layout : {Layout::mono, Layout::stereo})
            {
                Reference::Settings settings;
                settings.sampleRate = rate;
                settings.values = randomParameters(random);
                settings.tempo = 97.0f;
                SCOPED_TRACE(testing::Message()
                             << rate << " Hz, trial " << trial << ", stereo "
                             << (layout == Layout::stereo) << ", StereoOn " << settings.values[7]);

                TypeParam model;
                prepare(model, rate, settings.values, settings.tempo);
                typename ReferenceOf<TypeParam>::type reference(settings);

                auto left = noise(3000, static_cast<unsigned>(trial) + 1);
                auto right = noise(3000, static_cast<unsigned>(trial) + 100);
                auto refLeft = left, refRight = right;
                run(model, layout, left, right, 700);
                Reference::run(reference, refLeft.data(),
                               layout == Layout::stereo ? refRight.data() : nullptr, 3000);
                ASSERT_TRUE(sameBits(left, refLeft)) << firstDifference(left, refLeft);
                ASSERT_TRUE(sameBits(right, refRight)) << firstDifference(right, refRight);
            }
}

TYPED_TEST(ModelOutput, BlockSizeDoesNotChangeABit)
{
    // From dry, a fade in, a level ramp and a fade out back to dry, each change made at a
    // multiple of every block size; the model that starts with small buffers grows them on the
    // way. (A fade out processes the chain to the end of the block in which it ends, so a fade
    // in after it starts from states that depend on where that block ended; the processor
    // never fades a model's own bypass.)
    struct Change
    {
        size_t at;
        int index;
        float value;
    };
    const Change changes[] = {{4096, 0, 1.0f}, {12288, 6, 0.2f}, {16384, 0, 0.0f}};
    for (Layout layout : {Layout::mono, Layout::stereo})
        for (bool stereoOn : {true, false})
        {
            SCOPED_TRACE(testing::Message()
                         << "stereo " << (layout == Layout::stereo) << ", StereoOn " << stereoOn);
            auto values = defaults();
            values[0] = 0.0f;
            values[4] = 0.9f;
            values[7] = stereoOn ? 1.0f : 0.0f;
            const auto input = noise(20000, 5);
            const auto inputRight = noise(20000, 6);
            std::vector<std::vector<float>> lefts, rights;
            for (size_t blockSize : {size_t{1}, size_t{512}, size_t{4096}, size_t{4096}})
            {
                TypeParam model;
                const bool growing = lefts.size() == 3;
                prepare(model, 48000.0f, values, 120.0f, growing ? 16 : 16384);
                std::vector<float> left, right;
                size_t done = 0;
                for (size_t k = 0; k <= std::size(changes); ++k)
                {
                    const size_t end = k < std::size(changes) ? changes[k].at : input.size();
                    std::vector<float> l(input.begin() + static_cast<std::ptrdiff_t>(done),
                                         input.begin() + static_cast<std::ptrdiff_t>(end));
                    std::vector<float> r(inputRight.begin() + static_cast<std::ptrdiff_t>(done),
                                         inputRight.begin() + static_cast<std::ptrdiff_t>(end));
                    run(model, layout, l, r, blockSize);
                    left.insert(left.end(), l.begin(), l.end());
                    right.insert(right.end(), r.begin(), r.end());
                    done = end;
                    if (k < std::size(changes))
                    {
                        model.setParameter(changes[k].index, changes[k].value);
                        model.calcParameter(changes[k].index);
                    }
                }
                EXPECT_EQ(model.getState().bypassState, 0);
                if (growing)
                {
                    EXPECT_EQ(model.getExpectedSampleFrame(), 4096);
                }
                lefts.push_back(left);
                rights.push_back(right);
            }
            for (size_t k = 1; k < lefts.size(); ++k)
            {
                EXPECT_TRUE(sameBits(lefts[0], lefts[k]))
                    << k << " at " << firstDifference(lefts[0], lefts[k]);
                EXPECT_TRUE(sameBits(rights[0], rights[k]))
                    << k << " at " << firstDifference(rights[0], rights[k]);
            }
        }
}

TYPED_TEST(ModelOutput, MonoEqualsTheLeftChannelOfStereo)
{
    // The left channel always follows table A through the smoother's left state, with StereoOn
    // or without, so it equals the mono output whatever the right input, across StereoOn changes.
    TypeParam mono, stereo;
    prepare(mono, 44100.0f, defaults());
    prepare(stereo, 44100.0f, defaults());
    auto monoSignal = noise(6000, 21);
    auto left = monoSignal;
    auto right = noise(6000, 22);
    for (size_t start = 0; start < 6000; start += 1000)
    {
        const float stereoOn = (start / 1000) % 2 == 0 ? 1.0f : 0.0f;
        mono.setParameter(7, stereoOn);
        stereo.setParameter(7, stereoOn);
        mono.process(monoSignal.data() + start, 1000);
        stereo.process(left.data() + start, right.data() + start, 1000);
    }
    EXPECT_TRUE(sameBits(monoSignal, left)) << firstDifference(monoSignal, left);

    // It ends when only the right channel's feedback goes bad: the stereo model then clears
    // the memory of both channels.
    right[0] = std::numeric_limits<float>::quiet_NaN();
    auto monoMore = noise(1000, 23);
    auto leftMore = monoMore;
    mono.process(monoMore.data(), 1000);
    stereo.process(leftMore.data(), right.data(), 1000);
    EXPECT_TRUE(sameBits(monoMore, leftMore));
    mono.process(monoMore.data(), 1000);
    stereo.process(leftMore.data(), right.data() + 1000, 1000);
    EXPECT_FALSE(sameBits(monoMore, leftMore));
}

TYPED_TEST(ModelOutput, StaysFiniteAtExtremeRatesForAnySetting)
{
    std::mt19937 random(7);
    for (float rate : {8000.0f, 384000.0f})
        for (int trial = 0; trial < 40; ++trial)
        {
            auto values = randomParameters(random);
            if (trial < 8)
            {
                // The corners: full depth, full feedback, wet only, fastest and slowest rates.
                values[1] = (trial & 1) ? 1.0f : 0.0f;
                values[3] = (trial & 2) ? 1.0f : 0.0f;
                values[4] = 1.0f;
                values[5] = (trial & 4) ? 1.0f : 0.0f;
                values[6] = 1.0f;
            }
            SCOPED_TRACE(testing::Message() << rate << " Hz, trial " << trial);
            TypeParam model;
            prepare(model, rate, values, 300.0f);
            if (rate == 8000.0f && values[3] == 1.0f)
            {
                // Unclamped, this sweep would take the stages' coefficient below -1.
                const PhaserState& s = model.getState();
                EXPECT_LT(s.coefMin - s.coefRange, -1.0f);
            }
            auto left = noise(static_cast<size_t>(rate / 4.0f), static_cast<unsigned>(trial));
            auto right = left;
            model.process(left.data(), right.data(), static_cast<int>(left.size()));
            ASSERT_TRUE(allFinite(left));
            ASSERT_TRUE(allFinite(right));
            for (float sample : left)
                ASSERT_LT(std::abs(sample), 1000.0f);
        }
}

TYPED_TEST(ModelOutput, RecoversFromANonFiniteInputAtTheNextBlock)
{
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
    {
        SCOPED_TRACE(bad);
        TypeParam model;
        prepare(model, 48000.0f, defaults());
        auto block = noise(512, 31);
        block[100] = bad;
        model.process(block.data(), block.data(), 512);
        const float position = model.getOsc().getPosition();
        auto next = noise(512, 32), nextRight = next;
        model.process(next.data(), nextRight.data(), 512);
        EXPECT_TRUE(allFinite(next));
        EXPECT_TRUE(allFinite(nextRight));
        // The sweep goes on: the LFO was not reset.
        EXPECT_NE(model.getOsc().getPosition(), position);
        EXPECT_EQ(model.getOsc().getIncrement(), model.getOsc().getTargetIncrement());
    }
}

TYPED_TEST(ModelOutput, DryOnlyIsTheInputThroughTheHighpasses)
{
    // Mix 0 and Level 0.5: only the DC blockers act (33 Hz at the input where there is one).
    auto values = defaults();
    values[5] = 0.0f;
    TypeParam model;
    prepare(model, 44100.0f, values);
    const bool inputFilter = std::string(model.getName()) != "Phaser45";
    OnePoleHighpass input, output;
    input.setSampleRate(44100.0f);
    input.setFrequency(33.0f);
    output.setSampleRate(44100.0f);
    output.setFrequency(22.575f);

    auto signal = noise(2000, 41);
    std::vector<float> expected(signal.size());
    for (size_t i = 0; i < signal.size(); ++i)
    {
        double x = signal[i];
        if (inputFilter)
            input.process(x);
        // The wet term is 0 * wet: it adds +0 to the dry term, leaving it unchanged.
        double out = 0.0 + x * 1.0;
        output.process(out);
        expected[i] = static_cast<float>(out);
    }
    model.process(signal.data(), static_cast<int>(signal.size()));
    EXPECT_TRUE(sameBits(signal, expected)) << firstDifference(signal, expected);
}

TEST(Phaser45, FirstSamplesOfAnImpulse)
{
    // Feedback 0, Mix 1, Level 0.5 at 44.1 kHz, all memory zero: the first output is the
    // impulse through both stages (g squared) and the output highpass; the second adds the
    // stages' memory.
    auto values = defaults();
    values[4] = 0.0f;
    values[5] = 1.0f;
    Phaser45 model;
    prepare(model, 44100.0f, values);
    const PhaserState& s = model.getState();

    const double a = std::exp(200.0 * (-6.283185307179586) / 44100.0);
    const auto lfo0 = static_cast<float>((1.0 - a) * -1.0);
    const double g0 = static_cast<double>(lfo0 * s.coefRange + s.coefMin);
    const double hpG = std::tan(22.575 * 3.141592653589793 / 44100.0);
    const double hpNorm = 1.0 / (hpG + 1.0);

    float signal[2] = {1.0f, 0.0f};
    model.process(signal, 2);

    const double wet0 = g0 * (g0 * 1.0);
    const double lp0 = (hpG * wet0 + 0.0) * hpNorm;
    EXPECT_EQ(signal[0], static_cast<float>(wet0 - lp0));
    EXPECT_NEAR(signal[0], g0 * g0, 2e-3);
    // Second sample: each stage outputs (g1 x - x1) + g1 y1 with g1 the next sweep value.
    EXPECT_NEAR(signal[1], -2.0 * g0 * (1.0 - g0 * g0), 0.02);
}

TEST(Phaser45, DepthBoundsAt44100Hz)
{
    auto values = defaults();
    values[3] = 1.0f;
    Phaser45 model;
    prepare(model, 44100.0f, values);
    const auto gain = [](double w)
    {
        const double t = std::tan(w / 44100.0 * 0.5);
        return (1.0 - t) / (1.0 + t);
    };
    EXPECT_NEAR(model.getState().coefMax, gain(1063.8297872340427), 1e-6);
    EXPECT_NEAR(model.getState().coefMin, gain(1.0 / (880.0 * 4.7e-8)), 1e-6);
}

TEST(Phaser90, FeedbackIsSubtractedAfterTheFirstStage)
{
    // With feedback 1 a unit impulse comes back negated one sample later; without, it does not.
    auto outputFor = [](float feedback)
    {
        auto values = defaults();
        values[4] = feedback;
        values[5] = 1.0f;
        Phaser90 model;
        prepare(model, 44100.0f, values);
        std::vector<float> signal(64, 0.0f);
        signal[0] = 1.0f;
        model.process(signal.data(), 64);
        return signal;
    };
    const auto without = outputFor(0.0f);
    const auto with = outputFor(1.0f);
    EXPECT_EQ(with[0], without[0]);
    EXPECT_LT(with[1] - without[1], 0.0f);
}

TEST(Phaser100, FixedStagesAndDepthResistance)
{
    auto values = defaults();
    values[3] = 1.0f;
    Phaser100 model;
    prepare(model, 44100.0f, values);
    const double w1 = 1.0 / (7000.0 * 1e-8);
    const double t1 = std::tan(w1 / 44100.0 * 0.5);
    const double t0 = std::tan(1000.0 / 44100.0 * 0.5);
    EXPECT_NEAR(model.getState().coefMin, (1.0 - t1) / (1.0 + t1), 1e-5);
    EXPECT_NEAR(model.getState().coefMax, (1.0 - t0) / (1.0 + t0), 1e-5);
}
