#include "GuiTestSupport.h"

#include "EmbeddedImage.h"
#include "VelmorKnob.h"
#include "VelmorModDelayFreq20HzMaxLog10Knob.h"
#include "VelmorModDelaySyncKnob.h"

#include <gtest/gtest.h>

namespace
{
struct ValueFrame
{
    double value;
    int frame;
};

class KnobFrames : public ::testing::TestWithParam<ValueFrame>
{
};

TEST_P(KnobFrames, RoundUpToTheFrameOfA101FrameStrip)
{
    VelmorKnob knob("depthKnob_");
    knob.setBounds(0, 0, 73, 72);
    knob.setImage(guitest::codedStrip(73, 72, 101), 101);
    knob.setValue(GetParam().value, juce::dontSendNotification);
    EXPECT_EQ(guitest::frameShown(knob), GetParam().frame) << "value " << GetParam().value;
}

// Where ceiling and rounding part: 0.3f is a hair above 0.3, 0.501 and 0.991 round down.
INSTANTIATE_TEST_SUITE_P(Values, KnobFrames,
                         ::testing::Values(ValueFrame{0.0, 0}, ValueFrame{0.001, 1},
                                           ValueFrame{(double)0.3f, 31}, ValueFrame{0.5, 50},
                                           ValueFrame{0.501, 51}, ValueFrame{0.99, 99},
                                           ValueFrame{0.991, 100}, ValueFrame{1.0, 100}));

TEST(Knob, DrawsItsFrameScaledToItsBounds)
{
    VelmorKnob knob("feedbackKnob_");
    knob.setBounds(0, 0, 112, 108);
    knob.setImage(guitest::codedStrip(56, 54, 101), 101);
    knob.setValue(0.5, juce::dontSendNotification);
    for (auto corner : {juce::Point<int>(1, 1), juce::Point<int>(110, 100)})
        EXPECT_EQ(guitest::frameShown(knob, corner), 50);
}

TEST(Knob, WithoutAValidImageDrawsNothingAndStillTurns)
{
    const char notAPicture[] = "not a picture";
    VelmorKnob knob("mixKnob_");
    knob.setBounds(0, 0, 73, 72);
    knob.setImage(decodeEmbeddedImage(notAPicture, (int)sizeof(notAPicture)), 101);
    knob.setValue(0.2, juce::dontSendNotification);

    EXPECT_TRUE(guitest::snapshot(knob).isValid());
    EXPECT_EQ(guitest::frameShown(knob), -1);

    juce::Component editor;
    editor.setSize(100, 100);
    editor.setVisible(true);
    editor.addAndMakeVisible(knob);
    guitest::dragAt(editor, {36, 60}, {36, 10});
    EXPECT_GT(knob.getValue(), 0.2);
}

TEST(Knob, DrawsNothingForAFrameCountItsStripCannotHold)
{
    VelmorKnob knob("levelKnob_");
    knob.setBounds(0, 0, 73, 72);
    knob.setValue(0.7, juce::dontSendNotification);
    const std::pair<int, int> cases[] = {{72 * 101, 0}, {72 * 101, -3}, {50, 101}};
    for (const auto& [stripHeight, frames] : cases)
    {
        knob.setImage(juce::Image(juce::Image::RGB, 73, stripHeight, true), frames);
        EXPECT_EQ(guitest::frameShown(knob), -1) << frames << " frames of " << stripHeight;
    }
}

TEST(SyncKnob, StepsThroughTheNineteenDivisionsAndTheirFrames)
{
    const char* const texts[] = {"8/1",  "4/1",   "2/1",   "1/1",  "1/2D", "1/2",  "1/2T",
                                 "1/4D", "1/4",   "1/4T",  "1/8D", "1/8",  "1/8T", "1/16D",
                                 "1/16", "1/16T", "1/32D", "1/32", "1/32T"};
    VelmorModDelaySyncKnob knob("rateSyncKnob_");
    knob.setBounds(0, 0, 73, 72);
    knob.setImage(guitest::codedStrip(73, 72, 19), 19);

    for (int step = 0; step < 19; ++step)
    {
        knob.setValue(step * VelmorModDelaySyncKnob::interval, juce::dontSendNotification);
        EXPECT_EQ(knob.getTextFromValue(knob.getValue()), texts[step]) << "step " << step;
        EXPECT_EQ(guitest::frameShown(knob), step) << "step " << step;
    }
}

TEST(SyncKnob, ClampsToItsFirstAndLastDivision)
{
    VelmorModDelaySyncKnob knob("rateSyncKnob_");
    knob.setBounds(0, 0, 73, 72);
    knob.setImage(guitest::codedStrip(73, 72, 19), 19);

    // 1.0 snaps to the last step below it, which still shows the last frame.
    knob.setValue(1.0, juce::dontSendNotification);
    EXPECT_DOUBLE_EQ(knob.getValue(), 18 * VelmorModDelaySyncKnob::interval);
    EXPECT_EQ(knob.getTextFromValue(knob.getValue()), "1/32T");
    EXPECT_EQ(guitest::frameShown(knob), 18);

    knob.setValue(-1.0, juce::dontSendNotification);
    EXPECT_EQ(knob.getValue(), 0.0);
    EXPECT_EQ(guitest::frameShown(knob), 0);

    EXPECT_EQ(knob.getTextFromValue(-0.25), "8/1");
    EXPECT_EQ(knob.getTextFromValue(1.5), "1/32T");
}

TEST(SyncKnob, AValueOnAThresholdTakesTheLowerDivision)
{
    VelmorModDelaySyncKnob knob("rateSyncKnob_");
    const struct
    {
        double value;
        const char* text;
    } cases[] = {
        {0.5, "1/4T"},
        {std::nextafter(0.5, 1.0), "1/8D"},
        {(double)(1.0f / 18.0f), "4/1"},
        {std::nextafter((double)(1.0f / 18.0f), 1.0), "2/1"},
        {(double)(17.0f / 18.0f), "1/32"},
        {std::nextafter((double)(17.0f / 18.0f), 1.0), "1/32T"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(knob.getTextFromValue(c.value), c.text) << c.value;
}

TEST(RateKnob, ShowsTheRateInHertzNeverBelowOneHundredth)
{
    VelmorModDelayFreq20HzMaxLog10Knob knob("rateKnob_");
    const struct
    {
        double value;
        const char* text;
    } cases[] = {{0.0, "0.01 Hz"},  {0.25, "0.50 Hz"},  {0.5, "2.00 Hz"},
                 {1.0, "20.00 Hz"}, {0.001, "0.01 Hz"}, {-1.0, "0.01 Hz"}};
    for (const auto& c : cases)
        EXPECT_EQ(knob.getTextFromValue(c.value), c.text) << c.value;
    EXPECT_EQ(knob.getInterval(), 0.0);
}

} // namespace
