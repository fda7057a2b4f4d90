#include "GuiTestSupport.h"

#include "Velmor2StateButton.h"
#include "Velmor2StateKickButton.h"
#include "Velmor4StateButton.h"
#include "Velmor4StateButton3PDT.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using State = juce::Button::ButtonState;
constexpr State normal = juce::Button::buttonNormal;
constexpr State over = juce::Button::buttonOver;
constexpr State down = juce::Button::buttonDown;

struct ButtonKind
{
    const char* name;
    int frames;
    std::function<std::unique_ptr<juce::Button>(juce::Image)> make;
};

template <typename ButtonClass> ButtonKind kind(const char* name, int frames)
{
    return {name, frames,
            [](juce::Image strip)
            {
                auto button = std::make_unique<ButtonClass>("button_");
                button->setImage(std::move(strip));
                return button;
            }};
}

const ButtonKind fourState = kind<Velmor4StateButton>("Velmor4StateButton", 4);
const ButtonKind footswitch = kind<Velmor4StateButton3PDT>("Velmor4StateButton3PDT", 4);
const ButtonKind toggle = kind<Velmor2StateButton>("Velmor2StateButton", 2);
const ButtonKind kick = kind<Velmor2StateKickButton>("Velmor2StateKickButton", 2);

struct FrameCase
{
    const ButtonKind* kind;
    bool clickingToggles;
    bool on;
    State state;
    int frame;
};

std::ostream& operator<<(std::ostream& out, const FrameCase& c)
{
    return out << c.kind->name << (c.clickingToggles ? " toggling" : " momentary")
               << (c.on ? " on" : " off") << " state " << (int)c.state;
}

std::unique_ptr<juce::Button> makeButton(const ButtonKind& kind)
{
    auto button = kind.make(guitest::codedStrip(40, 20, kind.frames));
    button->setBounds(0, 0, 40, 20);
    return button;
}

class ButtonFrames : public ::testing::TestWithParam<FrameCase>
{
};

TEST_P(ButtonFrames, ShowTheFrameOfTheirState)
{
    const auto& c = GetParam();
    auto button = makeButton(*c.kind);
    button->setClickingTogglesState(c.clickingToggles);
    button->setToggleState(c.on, juce::dontSendNotification);
    button->setState(c.state);
    EXPECT_EQ(guitest::frameShown(*button), c.frame);
}

// The framework reports a pressed button as hovered too.
INSTANTIATE_TEST_SUITE_P(
    States, ButtonFrames,
    ::testing::Values(
        FrameCase{&fourState, true, false, normal, 0}, FrameCase{&fourState, true, false, over, 1},
        FrameCase{&fourState, true, false, down, 1}, FrameCase{&fourState, true, true, over, 2},
        FrameCase{&fourState, true, true, down, 2}, FrameCase{&fourState, true, true, normal, 3},
        FrameCase{&fourState, false, false, normal, 0},
        FrameCase{&fourState, false, false, over, 1}, FrameCase{&fourState, false, true, down, 2},
        FrameCase{&footswitch, true, false, normal, 0},
        FrameCase{&footswitch, true, false, over, 0}, FrameCase{&footswitch, true, false, down, 1},
        FrameCase{&footswitch, true, true, normal, 2}, FrameCase{&footswitch, true, true, over, 2},
        FrameCase{&footswitch, true, true, down, 3}, FrameCase{&footswitch, false, true, down, 0},
        FrameCase{&toggle, true, false, down, 0}, FrameCase{&toggle, true, true, normal, 1},
        FrameCase{&toggle, true, true, down, 1}, FrameCase{&toggle, false, false, down, 1},
        FrameCase{&toggle, false, true, over, 0}, FrameCase{&kick, true, true, normal, 0},
        FrameCase{&kick, false, false, over, 0}, FrameCase{&kick, false, false, down, 1}));

TEST(Buttons, OnlyTheFourStateButtonsFadeWhenDisabled)
{
    const std::pair<const ButtonKind*, float> cases[] = {
        {&fourState, 0.4f}, {&footswitch, 0.4f}, {&toggle, 1.0f}, {&kick, 1.0f}};
    for (const auto& [kind, opacity] : cases)
    {
        auto button = makeButton(*kind);
        button->setToggleState(true, juce::dontSendNotification);
        EXPECT_FLOAT_EQ(guitest::opacityShown(*button), 1.0f) << kind->name;
        button->setEnabled(false);
        button->setState(down);
        EXPECT_NEAR(guitest::opacityShown(*button), opacity, 1.5f / 255.0f) << kind->name;
    }
    auto footswitchButton = makeButton(footswitch);
    footswitchButton->setEnabled(false);
    footswitchButton->setToggleState(true, juce::dontSendNotification);
    EXPECT_EQ(guitest::frameShown(*footswitchButton), 2);
}

TEST(Buttons, ToggleOnClickExceptTheKickButton)
{
    const std::pair<const ButtonKind*, bool> cases[] = {
        {&fourState, true}, {&footswitch, true}, {&toggle, true}, {&kick, false}};
    for (const auto& [kind, toggles] : cases)
    {
        auto button = makeButton(*kind);
        guitest::click(*button);
        EXPECT_EQ(button->getToggleState(), toggles) << kind->name;
    }
}

TEST(Footswitch, AClickFromOffLeavesItOnAndReleased)
{
    auto button = makeButton(footswitch);
    button->setState(down);
    EXPECT_EQ(guitest::frameShown(*button), 1);
    button->setState(normal);
    guitest::click(*button);
    button->setState(normal); // the framework's flash of the click is over
    EXPECT_TRUE(button->getToggleState());
    EXPECT_EQ(guitest::frameShown(*button), 2);
    button->setState(down);
    EXPECT_EQ(guitest::frameShown(*button), 3);
}

TEST(FourStateButton, ReportsOneFramesSize)
{
    Velmor4StateButton button("bypassButton_");
    EXPECT_EQ(button.getImageWidth(), 0);
    EXPECT_EQ(button.getImageHeight(), 0);
    button.setImage(guitest::codedStrip(90, 99, 4));
    EXPECT_EQ(button.getImageWidth(), 90);
    EXPECT_EQ(button.getImageHeight(), 99);
}

struct ClickCounter final : juce::Button::Listener
{
    void buttonClicked(juce::Button*) override { ++clicks; }
    int clicks = 0;
};

TEST(Buttons, DrawNothingWithAStripShorterThanTheirFrames)
{
    for (const auto* kind : {&fourState, &footswitch, &toggle, &kick})
    {
        auto button = kind->make(guitest::codedStrip(40, 1, 1));
        button->setBounds(0, 0, 40, 20);
        EXPECT_EQ(guitest::frameShown(*button), -1) << kind->name;
    }
}

TEST(KickButton, WithoutAnImageIsAnInvisibleHotSpot)
{
    juce::Component editor;
    editor.setSize(325, 454);
    editor.setVisible(true);
    Velmor2StateKickButton hotSpot("type2ShortcutButton_");
    hotSpot.setBounds(160, 153, 71, 10);
    editor.addAndMakeVisible(hotSpot);
    ClickCounter counter;
    hotSpot.addListener(&counter);

    hotSpot.setState(down);
    EXPECT_EQ(guitest::frameShown(hotSpot), -1);
    EXPECT_EQ(editor.getComponentAt(juce::Point<int>(190, 158)), &hotSpot);
    guitest::click(hotSpot);
    EXPECT_EQ(counter.clicks, 1);
    hotSpot.removeListener(&counter);
}

TEST(KickButton, TakesANewPictureAtAnyTime)
{
    auto button = makeButton(kick);
    EXPECT_EQ(guitest::frameShown(*button), 0);
    auto* kickButton = dynamic_cast<Velmor2StateKickButton*>(button.get());
    juce::Image other(juce::Image::RGB, 40, 40, true);
    other.clear(other.getBounds(), juce::Colours::white);
    kickButton->setImage(other);
    EXPECT_EQ(guitest::snapshot(*button).getPixelAt(20, 10), juce::Colours::white);
}

} // namespace
