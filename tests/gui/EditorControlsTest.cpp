#include "EditorTestSupport.h"

#include "DialogTestSupport.h"
#include "EmbeddedImage.h"
#include "VelmorModDelaySyncKnob.h"

#include <StompixModulationUpperPanelBinImg.h>

namespace
{
using Notifications = std::vector<std::pair<int, float>>;

bool paintsNothing(juce::Component& component)
{
    const auto drawn = component.createComponentSnapshot(component.getLocalBounds(), false);
    for (int y = 0; y < drawn.getHeight(); ++y)
        for (int x = 0; x < drawn.getWidth(); ++x)
            if (drawn.getPixelAt(x, y).getAlpha() != 0)
                return false;
    return true;
}

juce::Image copyStrip(bool bToA)
{
    namespace upper = StompixModulationUpperPanelBinImg;
    return bToA ? decodeEmbeddedImage(upper::btoa_png, upper::btoa_pngSize)
                : decodeEmbeddedImage(upper::atob_png, upper::atob_pngSize);
}
} // namespace

TEST_F(EditorTest, EveryControlWritesItsParameterAtOnce)
{
    openEditor();
    tick();

    const struct
    {
        const char* name;
        double value;
        int index;
    } turns[] = {
        {"typeKnob_", 1.0, kPhaserType},
        {"rateKnob_", 0.25, kRate},
        {"rateSyncKnob_", 10 * VelmorModDelaySyncKnob::interval, kRateSync},
        {"depthKnob_", 0.8, kDepth},
        {"feedbackKnob_", 0.3, kFeedback},
        {"mixKnob_", 0.6, kMix},
        {"levelKnob_", 0.9, kLevel},
    };
    for (const auto& turn : turns)
    {
        host.notifications.clear();
        slider(turn.name).setValue(turn.value, juce::sendNotificationSync);
        EXPECT_EQ(host.notifications, (Notifications{{turn.index, (float)turn.value}}))
            << turn.name;
        EXPECT_EQ(processor.getParameter(turn.index), (float)turn.value);
    }

    const struct
    {
        const char* name;
        int index;
        float written;
    } clicks[] = {
        {"bypassButton_", kOnBypass, 0.0f},
        {"stereoSpreadButton_", kStereo, 1.0f},
        {"syncButton_", kSync, 1.0f},
        {"type1ShortcutButton_", kPhaserType, 0.0f},
        {"type2ShortcutButton_", kPhaserType, 0.5f},
        {"type3ShortcutButton_", kPhaserType, 1.0f},
    };
    for (const auto& each : clicks)
    {
        host.notifications.clear();
        click(each.name);
        EXPECT_EQ(host.notifications, (Notifications{{each.index, each.written}})) << each.name;
    }
    EXPECT_EQ(host.displayUpdates, 0);
}

TEST_F(EditorTest, TheTypeShortcutsAreHotSpotsAndTheSwitchFollowsOnTheNextTick)
{
    openEditor();
    tick();

    const struct
    {
        const char* name;
        double value;
    } shortcuts[] = {{"type2ShortcutButton_", 0.5},
                     {"type3ShortcutButton_", 1.0},
                     {"type1ShortcutButton_", 0.0}};
    for (const auto& shortcut : shortcuts)
    {
        SCOPED_TRACE(shortcut.name);
        auto& spot = button(shortcut.name);
        EXPECT_EQ(editor->getComponentAt(spot.getBounds().getCentre()), &spot);
        EXPECT_TRUE(paintsNothing(spot));

        const double before = slider("typeKnob_").getValue();
        click(shortcut.name);
        EXPECT_EQ(slider("typeKnob_").getValue(), before);
        tick();
        EXPECT_EQ(slider("typeKnob_").getValue(), shortcut.value);
    }
}

TEST_F(EditorTest, TheLogoOpensTheAboutPanelWithTheVersion)
{
    openEditor();
    auto& spot = button("aboutShowButton_");
    EXPECT_EQ(editor->getComponentAt(spot.getBounds().getCentre()), &spot);
    EXPECT_TRUE(paintsNothing(spot));

    click("aboutShowButton_");
    auto& about = child("aboutContainer_");
    EXPECT_TRUE(isUpAndModal(about));
    EXPECT_EQ(dynamic_cast<juce::Label*>(childNamed(about, "versionLabel_"))->getText(),
              "1.0.1 (64bit)");
}

TEST_F(EditorTest, TheABSwitchMakesTheOtherChannelLive)
{
    writePreset("Sub/Lead.vzrp", 0.5f);
    for (int k = 0; k < kNumParameters; ++k)
        slot().values[1][(size_t)k] = 0.05f * (float)(k + 1);
    slot().presetPath[1] = "Sub/Lead.vzrp";
    openEditor();
    tick();
    lowerFlags();

    click("abButton_");
    EXPECT_EQ(slot().activeChannel, 1);
    Notifications channelB;
    for (int k = 0; k < kNumParameters; ++k)
        channelB.emplace_back(k, 0.05f * (float)(k + 1));
    EXPECT_EQ(host.notifications, channelB) << "all ten, in index order";
    EXPECT_EQ(host.displayUpdates, 1);
    EXPECT_EQ(processor.getCurrentValue(kDepth), 0.25f);
    EXPECT_TRUE(drawsFrame(child("abCopyButton_"), copyStrip(true), 2, 0));
    EXPECT_EQ(presetLabel().getText(), "Lead");
    EXPECT_EQ(processor.presetLoaded.load(), 1);
    EXPECT_EQ(processor.parametersChanged.load(), 1);

    host.notifications.clear();
    click("abButton_");
    EXPECT_EQ(slot().activeChannel, 0);
    EXPECT_EQ(host.notifications.size(), (size_t)kNumParameters);
    EXPECT_EQ(processor.getCurrentValue(kDepth), 0.5f);
    EXPECT_TRUE(drawsFrame(child("abCopyButton_"), copyStrip(false), 2, 0));
    EXPECT_EQ(presetLabel().getText(), "Init*") << "no Init.vzrp in the folder";
}

TEST_F(EditorTest, AHostChannelChangeShowsOnTheNextTick)
{
    slot().activeChannel = 1;
    openEditor();
    EXPECT_FALSE(button("abButton_").getToggleState());
    tick();
    EXPECT_TRUE(button("abButton_").getToggleState());
    EXPECT_TRUE(drawsFrame(child("abCopyButton_"), copyStrip(true), 2, 0));

    // A channel number only a damaged state brings in plays channel A, and shows so.
    slot().activeChannel = 7;
    processor.parametersChanged = 1;
    processor.activeChannelChanged = 1;
    tick();
    EXPECT_FALSE(button("abButton_").getToggleState());
}

TEST_F(EditorTest, TheCopyGoesFromTheLiveChannelToTheOther)
{
    slot().values[1][kDepth] = 0.9f;
    slot().presetPath[1] = "B.vzrp";
    openEditor();
    tick();
    click("abButton_");
    tick();
    lowerFlags();
    host.notifications.clear();
    slot().values[0][kDepth] = 0.1f;

    click("abCopyButton_");
    EXPECT_EQ(slot().values[0], slot().values[1]);
    EXPECT_EQ(slot().values[0][kDepth], 0.9f);
    EXPECT_EQ(slot().presetPath[0], "Init.vzrp");
    EXPECT_EQ(slot().presetPath[1], "B.vzrp");
    EXPECT_TRUE(host.notifications.empty());
    EXPECT_EQ(processor.parametersChanged.load() + processor.presetLoaded.load() +
                  processor.activeChannelChanged.load(),
              0);

    click("abButton_");
    tick();
    EXPECT_EQ(slider("depthKnob_").getValue(), (double)0.9f) << "A now holds B's former values";
}

TEST_F(EditorTest, TheCopyFollowsTheSlotBeforeTheSwitchHasCaughtUp)
{
    // A host switches to a program whose channel B is live; the switch shows it only on the
    // next tick. A copy in between must still leave the live channel alone.
    openEditor();
    tick();
    slot().activeChannel = 1;
    slot().values[0][kDepth] = 0.2f;
    processor.setParameter(kDepth, 0.7f);

    click("abCopyButton_");
    EXPECT_EQ(slot().values[1][kDepth], 0.7f);
    EXPECT_EQ(slot().values[0][kDepth], 0.7f);
    EXPECT_EQ(processor.getParameter(kDepth), processor.getCurrentValue(kDepth));
}
