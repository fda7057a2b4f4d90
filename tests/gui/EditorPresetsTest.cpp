#include "EditorTestSupport.h"

#include "DialogTestSupport.h"
#include "EmbeddedImage.h"
#include "GuardedXml.h"
#include "MenuTreeSupport.h"
#include "VelmorPresetMenu.h"
#include "VelmorWebPages.h"
#include "WatchedPipe.h"

#include <StompixDialogBoxBinImg.h>

TEST_F(EditorTest, APresetIsReselectedOnTheFirstThreeTicksAfterALoad)
{
    writePreset("Init.vzrp", 0.5f);
    openEditor();

    for (int tickNumber = 1; tickNumber <= 4; ++tickNumber)
    {
        presetLabel().setText("stale", juce::dontSendNotification);
        tick();
        EXPECT_EQ(presetLabel().getText(), tickNumber <= 3 ? "Init" : "stale") << tickNumber;
    }

    // A host program change is a load, not a change: re-selected again, not marked.
    processor.setCurrentProgram(3);
    presetLabel().setText("stale", juce::dontSendNotification);
    tick();
    EXPECT_EQ(presetLabel().getText(), "Init");
}

TEST_F(EditorTest, AChangeMarksThePresetOnceAndTheComparisonMarksADifferentOne)
{
    writePreset("Init.vzrp", 0.5f);
    writePreset("Dark.vzrp", 0.2f);
    openEditor();
    tick(4);
    ASSERT_EQ(presetLabel().getText(), "Init");

    processor.setParameter(kDepth, 0.3f);
    tick();
    EXPECT_EQ(presetLabel().getText(), "Init*");
    processor.setParameter(kDepth, 0.4f);
    tick();
    EXPECT_EQ(presetLabel().getText(), "Init*") << "marked once";

    // The channel's preset differs from what plays: each re-selection marks it again.
    slot().presetPath[0] = "Dark.vzrp";
    processor.setCurrentProgram(0);
    tick();
    EXPECT_EQ(presetLabel().getText(), "Dark*");
}

TEST_F(EditorTest, StepsAndMenuChoicesLoadThePresetAndNameANewerOne)
{
    writePreset("Newer.vzrp", 0.8f);
    auto newer = GuardedXml::parse(presetFolder.getChildFile("Newer.vzrp"));
    newer->getChildByName("Properties")->setAttribute("presetVersion", "1.1");
    ASSERT_TRUE(newer->writeTo(presetFolder.getChildFile("Newer.vzrp")));
    openEditor();
    tick(4);
    lowerFlags();

    click("presetIncButton_");
    EXPECT_EQ(slot().presetPath[0], "Newer.vzrp");
    EXPECT_EQ(processor.getParameter(kDepth), 0.8f);
    EXPECT_EQ(host.displayUpdates, 1);
    EXPECT_EQ(processor.presetLoaded.load(), 1);
    EXPECT_EQ(processor.parametersChanged.load(), 1);

    auto& alert = child("alert_");
    EXPECT_TRUE(isUpAndModal(alert));
    EXPECT_FALSE(childNamed(alert, "CANCEL")->isVisible());
    EXPECT_TRUE(
        paintsIcon(alert, decodeEmbeddedImage(StompixDialogBoxBinImg::icononly_asterix_png,
                                              StompixDialogBoxBinImg::icononly_asterix_pngSize)));
    EXPECT_EQ(messageOf(alert),
              juce::String("\"Newer.vzrp\"\nwas made using a newer version of Stompix ZR7714.\n"
                           "To use this preset correctly, please install the newest version "
                           "from: ") +
                  VelmorWebPages::downloadPage);
    buttonNamed(alert, "OK").triggerClick();
    dispatchPendingMessages();
    EXPECT_FALSE(alert.isVisible());

    // The same through the menu, for a preset of this version: loaded without a word.
    writePreset("Plain.vzrp", 0.35f);
    auto& menu = dynamic_cast<VelmorPresetMenu&>(presetLabel());
    menu.createMenuTree();
    VelmorOptionMenuTree::Listing listing;
    listing.filePaths.add(presetFolder.getChildFile("Plain.vzrp").getFullPathName());
    listing.fileNames.add("Plain");
    menu.menuResult(1, listing);
    EXPECT_EQ(slot().presetPath[0], "Plain.vzrp");
    EXPECT_EQ(processor.getParameter(kDepth), 0.35f);
    EXPECT_FALSE(alert.isVisible());
}

TEST_F(EditorTest, APresetWhoseNameStartsWithATildeLoadsFromTheMenu)
{
    writePreset("Init.vzrp", 0.5f);
    writePreset("~Tilde.vzrp", 0.2f);
    openEditor();
    tick(4);

    auto& menu = dynamic_cast<VelmorPresetMenu&>(presetLabel());
    menu.createMenuTree();
    menu.menuResult(idOf(menu, fileBelow(presetFolder, "~Tilde.vzrp")), listingOfLastBuild(menu));
    EXPECT_EQ(slot().presetPath[0], "~Tilde.vzrp");
    EXPECT_EQ(processor.getParameter(kDepth), 0.2f);
    tick(3);
    EXPECT_EQ(presetLabel().getText(), "~Tilde");
}

TEST_F(EditorTest, SteppingThroughAnEmptyFolderKeepsTheSelection)
{
    openEditor();
    tick();
    processor.setParameter(kDepth, 0.3f);

    click("presetDecButton_");
    EXPECT_EQ(slot().presetPath[0], "Init.vzrp");
    EXPECT_EQ(processor.getParameter(kDepth), 0.3f) << "nothing to read";
    EXPECT_FALSE(child("alert_").isVisible());
}

TEST_F(EditorTest, APipeOrADeviceInThePresetFolderNeitherBlocksNorEndsTheEditor)
{
    writePreset("Init.vzrp", 0.5f);
    writePreset("Dark.vzrp", 0.2f);
    const testsupport::WatchedPipe pipe(presetFolder.getChildFile("Pipe.vzrp"));
    ASSERT_TRUE(pipe.exists());
    ASSERT_TRUE(
        juce::File("/dev/zero").createSymbolicLink(presetFolder.getChildFile("Zero.vzrp"), true));

    // A host's state names the pipe: the timer selects it by path and compares it.
    slot().presetPath[0] = "Pipe.vzrp";
    openEditor();
    tick(3);
    EXPECT_EQ(pipe.readersLetGo(), 0) << "the pipe was opened to be read";
    EXPECT_EQ(presetLabel().getText(), "Pipe*") << "not a preset of the tree";

    // Stepping goes round the two presets.
    for (const auto* button : {"presetIncButton_", "presetIncButton_", "presetIncButton_",
                               "presetDecButton_", "presetDecButton_"})
    {
        click(button);
        EXPECT_TRUE(slot().presetPath[0] == "Init.vzrp" || slot().presetPath[0] == "Dark.vzrp")
            << slot().presetPath[0];
    }

    // Chosen from a menu shown before the entries became what they are now, then compared on the
    // ticks after the load.
    auto& menu = dynamic_cast<VelmorPresetMenu&>(presetLabel());
    processor.setParameter(kDepth, 0.3f);
    for (const juce::String name : {"Pipe", "Zero"})
    {
        SCOPED_TRACE(name);
        VelmorOptionMenuTree::Listing listing;
        listing.filePaths.add(presetFolder.getChildFile(name + ".vzrp").getFullPathName());
        listing.fileNames.add(name);
        menu.menuResult(1, listing);
        tick(3);
        EXPECT_EQ(slot().presetPath[0], name + ".vzrp");
        EXPECT_EQ(processor.getParameter(kDepth), 0.3f) << "nothing read";
        EXPECT_EQ(pipe.readersLetGo(), 0) << "the pipe was opened to be read";
    }
}
