#include "GuiTestSupport.h"

#include "VelmorVerticalSwitch2.h"

#include <gtest/gtest.h>

namespace
{
// The editor's model switch: 48 x 80, three positions over the top 45 pixels.
struct ModelSwitch : ::testing::Test
{
    ModelSwitch()
    {
        lever.setTextBoxStyle(juce::Slider::NoTextBox, false, 0, 0);
        lever.setImage(guitest::codedStrip(48, 80, 3), 3);
        lever.setControllableImageHeight(45);
        lever.setBounds(0, 0, 48, 80);
        editor.setSize(48, 80);
        editor.setVisible(true);
        editor.addAndMakeVisible(lever);
    }

    juce::Component editor;
    VelmorVerticalSwitch2 lever{"typeKnob_"};
};

TEST_F(ModelSwitch, ShowsOneFramePerPosition)
{
    EXPECT_EQ(lever.getInterval(), 0.5);
    for (int position = 0; position < 3; ++position)
    {
        lever.setValue(position * 0.5, juce::dontSendNotification);
        EXPECT_EQ(guitest::frameShown(lever), position);
    }
}

TEST_F(ModelSwitch, MapsTheDistanceFromTheTopOverTheControllableHeight)
{
    // Proportions count from the bottom of the track: 1 is the top.
    const struct
    {
        double proportion, value;
    } toValue[] = {
        {1.0, 0.0},                     // the top
        {1.0 - 0.2 * 45.0 / 80.0, 0.2}, // 9 of the 45 pixels down
        {1.0 - 0.5 * 45.0 / 80.0, 0.5}, // half of them
        {1.0 - 45.0 / 80.0, 1.0},       // all of them
        {0.2, 1.0},                     // below them: stretched past 1, clamped
        {0.0, 1.0},                     // the bottom
    };
    for (const auto& c : toValue)
        EXPECT_NEAR(lever.proportionOfLengthToValue(c.proportion), c.value, 1e-12) << c.proportion;

    const struct
    {
        double value, proportion;
    } toProportion[] = {{0.0, 1.0}, {0.5, 1.0 - 0.5 * 45.0 / 80.0}, {1.0, 1.0 - 45.0 / 80.0}};
    for (const auto& c : toProportion)
        EXPECT_NEAR(lever.valueToProportionOfLength(c.value), c.proportion, 1e-12) << c.value;
}

TEST_F(ModelSwitch, PressingSelectsByTheTopPixels)
{
    const struct
    {
        int y;
        double value;
    } presses[] = {{0, 0.0}, {25, 0.5}, {79, 1.0}, {60, 1.0}, {3, 0.0}};
    for (const auto& press : presses)
    {
        guitest::pressAt(editor, {24, press.y});
        EXPECT_EQ(lever.getValue(), press.value) << "y " << press.y;
    }
}

TEST_F(ModelSwitch, DrawsItsFrameInItsNaturalSize)
{
    lever.setBounds(0, 0, 60, 100);
    lever.setValue(1.0, juce::dontSendNotification);
    EXPECT_EQ(guitest::frameShown(lever, {10, 10}), 2);
    EXPECT_EQ(guitest::frameShown(lever, {55, 90}), -1);
}

TEST(VerticalSwitch, StaysWithinTheFrameworksRangeForAnyTravel)
{
    VelmorVerticalSwitch2 lever("typeKnob_");
    lever.setImage(guitest::codedStrip(48, 80, 3), 3);

    lever.setBounds(0, 0, 48, 0); // no height yet
    lever.setControllableImageHeight(45);
    for (double p : {0.0, 0.5, 1.0})
    {
        EXPECT_EQ(lever.proportionOfLengthToValue(p), 0.0);
        EXPECT_EQ(lever.valueToProportionOfLength(p), 1.0);
    }

    lever.setBounds(0, 0, 48, 80);
    lever.setControllableImageHeight(160); // more travel than the lever is high
    EXPECT_EQ(lever.valueToProportionOfLength(1.0), 0.0);
    lever.setControllableImageHeight(0);
    EXPECT_EQ(lever.valueToProportionOfLength(0.5), 1.0);
}

TEST(VerticalSwitch, WithoutAnImageKeepsItsContinuousRangeAndDrawsNothing)
{
    VelmorVerticalSwitch2 lever("typeKnob_");
    lever.setBounds(0, 0, 48, 80);
    lever.setImage({}, 3);
    EXPECT_EQ(lever.getInterval(), 0.0);
    EXPECT_EQ(guitest::frameShown(lever), -1);
}

} // namespace
