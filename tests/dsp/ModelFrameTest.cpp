#include "PhaserTestSupport.h"
#include "TempoDivision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace PhaserTest;

namespace
{
template <typename Model> class ModelFrame : public ::testing::Test
{
};
using ModelTypes = ::testing::Types<Phaser45, Phaser90, Phaser100>;
TYPED_TEST_SUITE(ModelFrame, ModelTypes, );

const float notANumber = std::numeric_limits<float>::quiet_NaN();
} // namespace

TYPED_TEST(ModelFrame, ParameterTable)
{
    const struct
    {
        int index;
        const char* name;
        float defaultValue;
    } rows[] = {{0, "Bypass", 1.0f},    {1, "Rate", 0.5f},     {2, "RateSync", 0.5f},
                {3, "DepthType", 0.5f}, {4, "Feedback", 0.5f}, {5, "Mix", 0.5f},
                {6, "Level", 0.5f},     {7, "StereoOn", 1.0f}, {8, "SyncOn", 0.0f},
                {9, "", 0.0f},          {-1, "", 0.0f},        {1 << 30, "", 0.0f}};
    TypeParam model;
    EXPECT_EQ(model.getParameterNum(), 9);
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.index);
        EXPECT_STREQ(model.getParameterName(row.index), row.name);
        EXPECT_EQ(model.getDefaultParameter(row.index), row.defaultValue);
        if (row.index >= 0 && row.index < 9)
        {
            EXPECT_EQ(model.getParameter(row.index), row.defaultValue);
        }
    }
}

TYPED_TEST(ModelFrame, StoresTheRawValueAndItsTransform)
{
    TypeParam model;
    const float raw[] = {0.0f, 0.123f, 0.25f, 0.0f, 0.7f, 0.9f, 0.5f, 0.0f, 0.3f};
    for (int i = 0; i < 9; ++i)
        model.setParameter(i, raw[i]);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(model.getParameter(i), raw[i]) << i;
    EXPECT_EQ(model.getAllParameters()[4], 0.7f);

    const PhaserState& s = model.getState();
    EXPECT_FALSE(s.engaged);
    EXPECT_EQ(s.rate, 0.123f);
    EXPECT_EQ(s.rateSync, 0.25f);
    EXPECT_EQ(s.depth, 0.5f);
    EXPECT_EQ(s.feedback, 0.7f);
    EXPECT_EQ(s.mix, 0.9f);
    EXPECT_EQ(s.level, 1.0f);
    EXPECT_FALSE(s.stereoOn);
    EXPECT_TRUE(s.syncOn);

    // Strict comparisons with 0: NaN is off. Out-of-range indices store nothing.
    model.setParameter(8, notANumber);
    EXPECT_FALSE(model.getState().syncOn);
    model.setParameter(9, 5.0f);
    model.setParameter(-1, 5.0f);
    model.calcParameter(9);
    model.calcParameter(-1);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(model.getParameter(i), raw[i]) << i;
}

TYPED_TEST(ModelFrame, FreeRateMapping)
{
    const struct
    {
        float rate;
        float hz;
    } cases[] = {{0.0f, 0.01f}, {0.5f, 2.0f}, {1.0f, 20.0f}, {-1.0f, 0.01f}, {notANumber, 0.01f}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.rate);
        TypeParam model;
        auto values = defaults();
        values[1] = c.rate;
        prepare(model, 44100.0f, values);
        EXPECT_NEAR(model.getOsc().getFreq(), c.hz, c.hz * 1e-6f);
    }
}

TYPED_TEST(ModelFrame, TempoTableRowsAndTheirBounds)
{
    const float beats[19] = {32.0f, 16.0f,   8.0f,    4.0f,   3.0f,  2.0f,   1.333f,
                             1.5f,  1.0f,    0.6665f, 0.75f,  0.5f,  0.333f, 0.375f,
                             0.25f, 0.1665f, 0.1875f, 0.125f, 0.083f};
    ASSERT_EQ(TempoDivision::count, 19);
    TypeParam model;
    auto values = defaults();
    values[8] = 1.0f;
    prepare(model, 48000.0f, values, 90.0f);
    const auto hzFor = [&](float rateSync)
    {
        model.setParameter(2, rateSync);
        model.calcParameter(2);
        return model.getOsc().getFreq();
    };
    const auto expectedHz = [](float beatsPerCycle)
    { return 1.0f / ((60.0f / 90.0f) * beatsPerCycle); };
    EXPECT_EQ(hzFor(0.0f), expectedHz(32.0f));
    EXPECT_EQ(hzFor(-3.0f), expectedHz(32.0f));
    for (int step = 1; step < 19; ++step)
    {
        SCOPED_TRACE(step);
        const float bound = static_cast<float>(step - 1) / 18.0f;
        EXPECT_EQ(hzFor(std::nextafter(bound, 2.0f)), expectedHz(beats[step]));
        EXPECT_EQ(hzFor((static_cast<float>(step) - 0.5f) / 18.0f), expectedHz(beats[step]));
        if (step < 18)
        {
            EXPECT_EQ(hzFor(static_cast<float>(step) / 18.0f), expectedHz(beats[step]));
        }
    }
    EXPECT_EQ(hzFor(1.0f), expectedHz(0.083f));
    EXPECT_EQ(hzFor(notANumber), expectedHz(0.083f));

    // RateSync 0.5 at 120 bpm: the 1/4 triplet row.
    model.setBpm(120.0f);
    EXPECT_EQ(hzFor(0.5f), 1.0f / (0.5f * 0.6665f));
}

TYPED_TEST(ModelFrame, SyncedRateFollowsATempoChangeAtTheNextBlock)
{
    TypeParam model;
    auto values = defaults();
    values[8] = 1.0f;
    prepare(model, 48000.0f, values, 120.0f);
    float block[64] = {};
    model.process(block, 64);
    const float at120 = model.getOsc().getFreq();
    model.setBpm(60.0f);
    EXPECT_EQ(model.getOsc().getFreq(), at120);
    model.process(block, 64);
    EXPECT_EQ(model.getOsc().getFreq(), at120 / 2.0f);

    // Tempos that give no rate fall back to the slowest one.
    for (float tempo : {0.0f, -120.0f, notANumber})
    {
        model.setBpm(tempo);
        model.process(block, 64);
        EXPECT_EQ(model.getOsc().getFreq(), 0.01f) << tempo;
    }
}

TYPED_TEST(ModelFrame, BypassFadesOutToDryAndStandsStill)
{
    // At 32 kHz the fade is 1024 samples; the comparison uses the gain before the step, so the
    // state changes on sample 1025.
    TypeParam model, reference;
    prepare(model, 32000.0f, defaults());
    EXPECT_EQ(model.getState().bypassState, 2);
    model.setParameter(0, 0.0f);
    model.calcParameter(0);
    EXPECT_EQ(model.getState().bypassState, 3);

    auto input = noise(1024, 7);
    auto output = input;
    model.process(output.data(), 1024);
    EXPECT_EQ(model.getState().bypassState, 3);
    EXPECT_EQ(model.getState().fadeDryGain, 1.0f);
    EXPECT_EQ(model.getState().fadeWetGain, 0.0f);
    EXPECT_NE(output[1000], input[1000]);

    auto second = noise(1024, 8);
    auto secondOut = second;
    model.process(secondOut.data(), 1024);
    EXPECT_EQ(model.getState().bypassState, 0);
    EXPECT_TRUE(sameBits(secondOut, second));

    const float position = model.getOsc().getPosition();
    auto third = noise(512, 9);
    auto thirdOut = third;
    model.process(thirdOut.data(), 512);
    EXPECT_TRUE(sameBits(thirdOut, third));
    EXPECT_EQ(model.getOsc().getPosition(), position);
}

TYPED_TEST(ModelFrame, BypassFadeStatesAndReversal)
{
    TypeParam model;
    auto values = defaults();
    values[0] = 0.0f;
    prepare(model, 32000.0f, values);
    EXPECT_EQ(model.getState().bypassState, 0);
    EXPECT_EQ(model.getState().fadeDryGain, 1.0f);

    model.setParameter(0, 1.0f);
    model.calcParameter(0);
    EXPECT_EQ(model.getState().bypassState, 1);
    float block[256] = {};
    model.process(block, 256);
    EXPECT_EQ(model.getState().fadeWetGain, 0.25f);
    EXPECT_EQ(model.getState().fadeDryGain, 0.75f);

    // Reversing mid-fade starts from where the fade in stopped.
    model.setParameter(0, 0.0f);
    model.calcParameter(0);
    EXPECT_EQ(model.getState().bypassState, 3);
    EXPECT_EQ(model.getState().fadeWetGain, 0.25f);
    model.process(block, 128);
    EXPECT_EQ(model.getState().fadeWetGain, 0.125f);
    EXPECT_EQ(model.getState().fadeDryGain, 0.875f);

    model.setParameter(0, 1.0f);
    model.calcParameter(0);
    for (int i = 0; i < 8; ++i)
        model.process(block, 256);
    EXPECT_EQ(model.getState().bypassState, 2);
    EXPECT_EQ(model.getState().fadeWetGain, 1.0f);
    EXPECT_EQ(model.getState().fadeDryGain, 0.0f);

    // forceCalcParams sets the end states directly.
    model.setParameter(0, 0.0f);
    model.forceCalcParams();
    EXPECT_EQ(model.getState().bypassState, 0);
}

TYPED_TEST(ModelFrame, DepthAndLevelTransforms)
{
    TypeParam model;
    model.setParameter(6, 0.5f);
    EXPECT_EQ(model.getState().level, 1.0f);
    model.setParameter(3, 0.0f);
    EXPECT_EQ(model.getState().depth, 0.5f);
    model.setParameter(3, 1.0f);
    EXPECT_EQ(model.getState().depth, 1.0f);
    model.setParameter(0, 0.0f);
    EXPECT_FALSE(model.getState().engaged);
}

TYPED_TEST(ModelFrame, TheSweepStaysInsideTheStableRangeFrom44100HzUp)
{
    // Where the coefficient never needs clamping, the output is the plain chain's.
    for (float rate : {44100.0f, 48000.0f, 96000.0f, 192000.0f, 384000.0f})
        for (int step = 0; step <= 20; ++step)
        {
            TypeParam model;
            auto values = defaults();
            values[3] = static_cast<float>(step) / 20.0f;
            prepare(model, rate, values);
            const PhaserState& s = model.getState();
            EXPECT_GT(s.coefMin - s.coefRange, -0.999f) << rate << " " << step;
            EXPECT_LT(s.coefRange + s.coefMin, 0.999f) << rate << " " << step;
        }
}

TYPED_TEST(ModelFrame, NegativeCountsDoNothing)
{
    TypeParam model, twin;
    prepare(model, 48000.0f, defaults());
    prepare(twin, 48000.0f, defaults());
    float left[4] = {0.1f, 0.2f, 0.3f, 0.4f}, right[4] = {0.4f, 0.3f, 0.2f, 0.1f};
    model.process(left, -4);
    model.process(left, right, -4);
    model.processBlock(left, right, -4);
    model.setExpectedSampleFrame(-1);
    EXPECT_EQ(model.getExpectedSampleFrame(), 16384);
    EXPECT_EQ(left[0], 0.1f);
    EXPECT_EQ(right[0], 0.4f);

    auto a = noise(300, 3), b = a;
    model.process(a.data(), 300);
    twin.process(b.data(), 300);
    EXPECT_TRUE(sameBits(a, b));
}

TYPED_TEST(ModelFrame, ProcessBlockByInputsUsed)
{
    const auto input = noise(512, 11);
    for (bool stereoOn : {true, false})
    {
        SCOPED_TRACE(stereoOn);
        auto values = defaults();
        values[7] = stereoOn ? 1.0f : 0.0f;
        TypeParam blockModel, plain;
        prepare(blockModel, 44100.0f, values);
        prepare(plain, 44100.0f, values);

        auto in = input;
        std::vector<float> out(512, 0.0f);
        blockModel.processBlock(in.data(), out.data(), 512);

        auto left = input, right = input;
        if (stereoOn)
        {
            plain.process(left.data(), right.data(), 512);
            EXPECT_TRUE(sameBits(in, left));
            EXPECT_TRUE(sameBits(out, right));
            EXPECT_FALSE(sameBits(out, in));
        }
        else
        {
            plain.process(left.data(), 512);
            EXPECT_TRUE(sameBits(in, left));
            EXPECT_TRUE(sameBits(out, left));
        }
    }

    // Two inputs: stereo on the two buffers. Any other count: nothing.
    TypeParam stereo, other;
    prepare(stereo, 44100.0f, defaults());
    prepare(other, 44100.0f, defaults());
    stereo.setInputsUsed(2);
    other.setInputsUsed(3);
    auto l = input, r = noise(512, 12);
    const auto rightIn = r;
    stereo.processBlock(l.data(), r.data(), 512);
    EXPECT_FALSE(sameBits(r, rightIn));
    auto untouchedL = input, untouchedR = rightIn;
    other.processBlock(untouchedL.data(), untouchedR.data(), 512);
    EXPECT_TRUE(sameBits(untouchedL, input));
    EXPECT_TRUE(sameBits(untouchedR, rightIn));
}

namespace
{
class CountingListener final : public juce::ActionListener
{
public:
    void actionListenerCallback(const juce::String& message) override { messages.add(message); }
    juce::StringArray messages;
};
} // namespace

TEST(ModelFrame, AnnouncesAChangeOfTheStereoStateWithOneInput)
{
    // The messages are delivered on the message loop, which can run only once per process:
    // the calls are made first and the count is taken after one run. The announcement is
    // shared by the three models.
    CountingListener listener;
    Phaser90 model;
    model.addActionListener(&listener);
    model.setParameter(7, 1.0f);
    model.forceCalcParams();     // no change from construction: nothing
    model.setParameter(7, 0.0f); // first message
    model.setParameter(7, 0.0f); // unchanged: nothing
    // With two inputs nothing is sent, and the announced state becomes the opposite of the
    // active one, so the next change with one input is announced even though it is a return.
    model.setInputsUsed(2);
    model.setParameter(7, 1.0f);
    model.setInputsUsed(1);
    model.setParameter(7, 0.0f); // second message

    juce::MessageManager::callAsync([]
                                    { juce::MessageManager::getInstance()->stopDispatchLoop(); });
    juce::MessageManager::getInstance()->runDispatchLoop();
    model.removeActionListener(&listener);

    ASSERT_EQ(listener.messages.size(), 2);
    EXPECT_EQ(listener.messages[0], "ModuleViewController arrangeModelInputsOutputs");
    EXPECT_EQ(listener.messages[1], "ModuleViewController arrangeModelInputsOutputs");
}
