#include "EditorTestSupport.h"

#include "EmbeddedImage.h"
#include "MenuAnswerKeyHold.h"
#include "Velmor2StateButton.h"
#include "Velmor2StateKickButton.h"
#include "Velmor4StateButton3PDT.h"
#include "VelmorAlertComponent.h"
#include "VelmorModDelayFreq20HzMaxLog10Knob.h"
#include "VelmorModDelaySyncKnob.h"
#include "VelmorOverwriteComponent.h"
#include "VelmorPresetBrowser.h"
#include "VelmorPresetMenu.h"
#include "VelmorSplashScreen.h"
#include "VelmorVerticalSwitch2.h"

#include <StompixModulationUpperPanelBinImg.h>
#include <StompixZR7714BinImg.h>

#include <cmath>

namespace
{
namespace panel = StompixZR7714BinImg;
namespace upper = StompixModulationUpperPanelBinImg;

template <typename Kind> bool isA(const juce::Component* component)
{
    return dynamic_cast<const Kind*>(component) != nullptr;
}

// What a control shows: a toggle's state as 0 or 1, a slider's value.
double shownValue(const juce::Component& control)
{
    if (const auto* button = dynamic_cast<const juce::Button*>(&control))
        return button->getToggleState() ? 1.0 : 0.0;
    return dynamic_cast<const juce::Slider&>(control).getValue();
}
} // namespace

TEST_F(EditorTest, IsAFixedWindowWithItsChildrenInZOrder)
{
    ASSERT_TRUE(processor.hasEditor());
    openEditor();
    EXPECT_EQ(editor->getBounds(), juce::Rectangle<int>(0, 0, 325, 454));
    EXPECT_FALSE(editor->isResizable());
    EXPECT_EQ(timerIntervalWhenOpened, 50);

    const struct
    {
        const char* name;
        bool (*isRightKind)(const juce::Component*);
        juce::Rectangle<int> bounds;
        bool visible;
    } rows[] = {
        {"fileButton_", isA<Velmor2StateKickButton>, {6, 3, 58, 26}, true},
        {"presetDecButton_", isA<Velmor2StateKickButton>, {263, 3, 29, 26}, true},
        {"presetIncButton_", isA<Velmor2StateKickButton>, {292, 3, 29, 26}, true},
        {"presetMenu_", isA<VelmorPresetMenu>, {67, 3, 192, 26}, true},
        {"abButton_", isA<Velmor2StateButton>, {92, 35, 62, 23}, true},
        {"abCopyButton_", isA<Velmor2StateKickButton>, {163, 30, 75, 25}, true},
        {"bypassButton_", isA<Velmor4StateButton3PDT>, {222, 354, 90, 99}, true},
        {"stereoSpreadButton_", isA<Velmor2StateButton>, {263, 62, 54, 22}, true},
        {"syncButton_", isA<Velmor2StateButton>, {7, 62, 54, 22}, true},
        {"typeKnob_", isA<VelmorVerticalSwitch2>, {106, 137, 48, 80}, true},
        {"type1ShortcutButton_", isA<Velmor2StateKickButton>, {160, 135, 65, 10}, true},
        {"type2ShortcutButton_", isA<Velmor2StateKickButton>, {160, 153, 71, 10}, true},
        {"type3ShortcutButton_", isA<Velmor2StateKickButton>, {160, 172, 73, 10}, true},
        {"rateKnob_", isA<VelmorModDelayFreq20HzMaxLog10Knob>, {14, 126, 73, 72}, true},
        {"rateSyncKnob_", isA<VelmorModDelaySyncKnob>, {14, 126, 73, 72}, false},
        {"depthKnob_", isA<VelmorKnob>, {33, 228, 73, 72}, true},
        {"feedbackKnob_", isA<VelmorKnob>, {134, 207, 56, 54}, true},
        {"mixKnob_", isA<VelmorKnob>, {219, 228, 73, 72}, true},
        {"levelKnob_", isA<VelmorKnob>, {237, 126, 73, 72}, true},
        {"aboutShowButton_", isA<Velmor2StateKickButton>, {15, 383, 109, 58}, true},
        {"aboutContainer_", isA<VelmorSplashScreen>, {0, 0, 325, 455}, false},
        {"savePresetBrowser_", isA<VelmorPresetBrowser>, {0, 0, 325, 454}, false},
        {"overwritePresetComponent_", isA<VelmorOverwriteComponent>, {0, 0, 325, 454}, false},
        {"alert_", isA<VelmorAlertComponent>, {0, 0, 325, 454}, false},
        {"menuAnswerKeyHold_", isA<MenuAnswerKeyHold>, {}, false},
    };

    ASSERT_EQ(editor->getNumChildComponents(), (int)std::size(rows));
    for (int i = 0; i < editor->getNumChildComponents(); ++i)
    {
        const auto* component = editor->getChildComponent(i);
        const auto& row = rows[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(component->getName(), row.name) << "at z-position " << i;
        EXPECT_TRUE(row.isRightKind(component));
        EXPECT_EQ(component->getBounds(), row.bounds);
        EXPECT_EQ(component->isVisible(), row.visible);
    }
}

TEST_F(EditorTest, DrawsTheBackgroundAndEveryControlFromItsStrip)
{
    openEditor();
    tick();

    const auto strip = [](const char* data, int size) { return decodeEmbeddedImage(data, size); };
    const struct
    {
        const char* name;
        juce::Image image;
        int frames;
        int frame; // at the default values: effect on, Type 1, everything else in the middle
    } rows[] = {
        {"fileButton_", strip(upper::file_png, upper::file_pngSize), 2, 0},
        {"presetDecButton_", strip(upper::left_png, upper::left_pngSize), 2, 0},
        {"presetIncButton_", strip(upper::right_png, upper::right_pngSize), 2, 0},
        {"abButton_", strip(upper::ab_png, upper::ab_pngSize), 2, 0},
        {"abCopyButton_", strip(upper::atob_png, upper::atob_pngSize), 2, 0},
        {"bypassButton_", strip(panel::bypass_png, panel::bypass_pngSize), 4, 2},
        {"stereoSpreadButton_", strip(upper::stereo_png, upper::stereo_pngSize), 2, 0},
        {"syncButton_", strip(upper::sync_png, upper::sync_pngSize), 2, 0},
        {"typeKnob_", strip(panel::type_png, panel::type_pngSize), 3, 0},
        {"rateKnob_", strip(panel::rate_png, panel::rate_pngSize), 101, 50},
        {"depthKnob_", strip(panel::depth_png, panel::depth_pngSize), 101, 50},
        {"feedbackKnob_", strip(panel::feedback_png, panel::feedback_pngSize), 101, 50},
        {"mixKnob_", strip(panel::mix_png, panel::mix_pngSize), 101, 50},
        {"levelKnob_", strip(panel::level_png, panel::level_pngSize), 101, 50},
    };

    juce::Image background(juce::Image::ARGB, editor->getWidth(), editor->getHeight(), true);
    {
        juce::Graphics g(background);
        editor->paint(g);
    }
    EXPECT_TRUE(samePixels(background, strip(panel::bg_phaser_png, panel::bg_phaser_pngSize)));
    for (const auto& row : rows)
        EXPECT_TRUE(drawsFrame(child(row.name), row.image, row.frames, row.frame));
}

TEST_F(EditorTest, ControlsFollowHostChangesOnTheNextTick)
{
    openEditor();
    tick();

    const struct
    {
        int index;
        float value;
        const char* control;
    } changes[] = {
        {kOnBypass, 0.0f, "bypassButton_"},
        {kPhaserType, 1.0f, "typeKnob_"},
        {kRate, 0.25f, "rateKnob_"},
        {kRateSync, 0.0f, "rateSyncKnob_"},
        {kDepth, 0.1f, "depthKnob_"},
        {kFeedback, 0.9f, "feedbackKnob_"},
        {kMix, 0.3f, "mixKnob_"},
        {kLevel, 0.7f, "levelKnob_"},
        {kStereo, 1.0f, "stereoSpreadButton_"},
        {kSync, 1.0f, "syncButton_"},
    };

    for (const auto& change : changes)
        processor.setParameter(change.index, change.value); // as host automation arrives
    EXPECT_EQ(shownValue(child("depthKnob_")), 0.5) << "nothing moves before the tick";

    tick();
    for (const auto& change : changes)
        EXPECT_DOUBLE_EQ(shownValue(child(change.control)), (double)change.value) << change.control;
    EXPECT_FALSE(child("rateKnob_").isVisible());
    EXPECT_TRUE(child("rateSyncKnob_").isVisible());
    EXPECT_TRUE(host.notifications.empty()) << "a refresh never echoes back to the host";
}

TEST_F(EditorTest, TheSwitchAndTheTempoKnobShowTheStepThatPlays)
{
    openEditor();
    processor.setParameter(kSync, 1.0f);

    // Between two steps the nearest one is not the one that plays: the audio path rounds up.
    const struct
    {
        float phaserType;
        double shown;
        const char* text;
    } types[] = {{0.0f, 0.0, "Type 1"},
                 {0.2f, 0.5, "Type 2"},
                 {0.5f, 0.5, "Type 2"},
                 {0.6f, 1.0, "Type 3"},
                 {1.0f, 1.0, "Type 3"}};
    for (const auto& type : types)
    {
        processor.setParameter(kPhaserType, type.phaserType);
        tick();
        EXPECT_EQ(slider("typeKnob_").getValue(), type.shown) << type.phaserType;
        EXPECT_EQ(processor.getParameterText(kPhaserType), type.text);
    }

    const auto tempoStrip = decodeEmbeddedImage(panel::rate_sync_png, panel::rate_sync_pngSize);
    const struct
    {
        float rateSync;
        int step;
        const char* text;
    } divisions[] = {{0.0f, 0, "8/1"},    {0.0001f, 1, "4/1"},  {0.5f, 9, "1/4T"},
                     {0.51f, 10, "1/8D"}, {0.97f, 18, "1/32T"}, {1.0f, 18, "1/32T"}};
    auto& knob = slider("rateSyncKnob_");
    for (const auto& division : divisions)
    {
        SCOPED_TRACE(division.rateSync);
        processor.setParameter(kRateSync, division.rateSync);
        tick();
        EXPECT_NEAR(knob.getValue(), division.step * VelmorModDelaySyncKnob::interval, 1e-12);
        EXPECT_EQ(knob.getTextFromValue(knob.getValue()), division.text);
        EXPECT_TRUE(drawsFrame(knob, tempoStrip, 19, division.step));
    }
}

TEST_F(EditorTest, SyncShowsTheTempoKnobOnlyAboveZero)
{
    openEditor();

    // The last two reach the editor only from a damaged slot: the processor refuses them.
    const struct
    {
        float sync;
        bool tempoKnob;
    } cases[] = {{0.0f, false}, {1.0f, true}, {0.2f, true}, {-0.5f, false}, {std::nanf(""), false}};
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.sync);
        slot().activeValues()[kSync] = each.sync;
        processor.parametersChanged = 1;
        tick();
        EXPECT_EQ(child("rateSyncKnob_").isVisible(), each.tempoKnob);
        EXPECT_EQ(child("rateKnob_").isVisible(), !each.tempoKnob);
    }

    // The sync button swaps them at once, without waiting for a tick.
    processor.setParameter(kSync, 0.0f);
    tick();
    click("syncButton_");
    EXPECT_TRUE(child("rateSyncKnob_").isVisible());
    EXPECT_FALSE(child("rateKnob_").isVisible());
}

TEST_F(EditorTest, AHostWriteDuringARefreshIsShownOnTheNextTick)
{
    // The rate knob is read before the knobs swap: a write landing between the two must not be
    // lost when the refresh ends.
    struct WriteOnSwap final : juce::ComponentListener
    {
        void componentVisibilityChanged(juce::Component&) override
        {
            if (std::exchange(armed, false))
                target->setParameter(kRate, 0.9f);
        }
        StompixZR7714AudioProcessor* target = nullptr;
        bool armed = true;
    } writer;
    writer.target = &processor;

    openEditor();
    tick();
    child("rateSyncKnob_").addComponentListener(&writer);
    processor.setParameter(kSync, 1.0f);
    tick();
    child("rateSyncKnob_").removeComponentListener(&writer);

    EXPECT_FALSE(writer.armed);
    EXPECT_EQ(processor.parametersChanged.load(), 1);
    tick();
    EXPECT_DOUBLE_EQ(slider("rateKnob_").getValue(), (double)0.9f);
}
