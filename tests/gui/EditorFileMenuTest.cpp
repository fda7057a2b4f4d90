#include "EditorTestSupport.h"

#include "DialogTestSupport.h"
#include "EmbeddedImage.h"
#include "GuardedXml.h"
#include "GuiTestSupport.h"
#include "MenuTreeSupport.h"
#include "TemporaryHome.h"
#include "VelmorOverwriteComponent.h"
#include "VelmorPresetBrowser.h"
#include "VelmorWebPages.h"

#include <StompixDialogBoxBinImg.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>

namespace
{
// A stub xdg-open first on PATH: it writes its arguments, one a line, into a file beside it.
class XdgOpenStub final
{
public:
    XdgOpenStub() : folder(temporaryHome().getChildFile("stub-bin")), savedPath(std::getenv("PATH"))
    {
        folder.createDirectory();
        const auto script = folder.getChildFile("xdg-open");
        script.replaceWithText(
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"$0.args\"\n", false,
            false, "\n");
        script.setExecutePermission(true);
        ::setenv("PATH", (folder.getFullPathName() + ":" + savedPath).toRawUTF8(), 1);
    }

    ~XdgOpenStub()
    {
        ::setenv("PATH", savedPath.toRawUTF8(), 1);
        folder.deleteRecursively();
    }

    // The arguments of the one call, waited for (the opener runs detached), or "none".
    juce::String arguments() const
    {
        const auto file = folder.getChildFile("xdg-open.args");
        for (int i = 0; i < 500 && !file.existsAsFile(); ++i)
            juce::Thread::sleep(10);
        return file.existsAsFile() ? file.loadFileAsString().trimEnd() : juce::String("none");
    }

private:
    juce::File folder;
    juce::String savedPath;
};
} // namespace

TEST_F(EditorTest, TheFileMenuOffersSavingTheManualAndTheWebSite)
{
    std::vector<std::pair<juce::String, int>> entries;
    for (const auto& node : describeMenu(StompixZR7714AudioProcessorEditor::createFileMenu()))
        entries.emplace_back(node.text, node.itemId);

    const std::vector<std::pair<juce::String, int>> expected{
        {"Save Preset", 1},   {"Save Preset As...", 2}, {"", 0}, {"User Manual", 3}, {"", 0},
        {"Velmor Website", 4}};
    EXPECT_EQ(entries, expected);
}

TEST_F(EditorTest, BothMenusOpenWithoutBlockingInTheEditorsLookAndMayOutliveIt)
{
    // The framework places a menu on a screen: without an X server there is none.
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";

    auto& desktop = juce::Desktop::getInstance();
    const auto windows = [&desktop]
    {
        std::set<juce::Component*> shown;
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            shown.insert(desktop.getComponent(i));
        return shown;
    };
    const auto openMenuLook = [&](const std::set<juce::Component*>& before) -> juce::LookAndFeel*
    {
        for (auto* window : windows())
            if (before.count(window) == 0)
                return &window->getLookAndFeel();
        return nullptr;
    };

    writePreset("Init.vzrp", 0.5f); // an empty menu would not open
    const std::function<void()> openers[] = {
        [this] { click("fileButton_"); },
        [this] { guitest::pressAt(*editor, presetLabel().getBounds().getCentre()); },
    };
    for (const auto& open : openers)
    {
        openEditor();
        const auto before = windows();
        open(); // returns at once: nothing waits for the menu
        EXPECT_EQ(openMenuLook(before), &editor->getLookAndFeel());

        // A host closes its window while the menu is up: the menu goes, its answer goes nowhere.
        editor.reset();
        dispatchPendingMessages();
        EXPECT_FALSE(juce::PopupMenu::dismissAllActiveMenus());
        EXPECT_EQ(windows().size(), before.size() - 1);
    }
}

// The framework answers a menu from the message loop, after the keys read with the click that
// chose the item: a name typed at once, with its Return, still reaches the save-as browser and
// saves the preset. Its field held a name before (the folder's, as a browser built before the
// folder existed has): emptied as the browser comes up, it is not emptied again after the keys.
TEST_F(EditorTest, KeysTypedAsSavePresetAsIsChosenReachTheBrowser)
{
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";

    openEditor();
    click("fileButton_");
    auto* const menu = juce::Component::getCurrentlyModalComponent();
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(editor->isParentOf(menu)) << "no menu came up";

    // The click on "Save Preset As..." ends the menu's modal state with its item, and the keys
    // typed at once come before the answer.
    menu->exitModalState(2);
    auto& peer = *editor->getPeer();
    for (const auto character : juce::String("probe b0"))
        peer.handleKeyPress((int)character, character);
    peer.handleKeyPress(juce::KeyPress(juce::KeyPress::returnKey));
    for (int pass = 0; pass < 4; ++pass) // the answer, the field's Return, OK's posted click
        dispatchPendingMessages();

    EXPECT_TRUE(presetFolder.getChildFile("probe b0.vzrp").existsAsFile());
    EXPECT_EQ(slot().presetPath[0], "probe b0.vzrp");
    EXPECT_FALSE(child("savePresetBrowser_").isVisible());
    EXPECT_EQ(juce::Component::getCurrentlyModalComponent(), nullptr);
}

TEST_F(EditorTest, ADismissedOrUnknownMenuResultDoesNothing)
{
    openEditor();
    for (const int result : {0, -1, 5})
        editor->fileMenuResult(result);

    for (const auto* name : {"savePresetBrowser_", "overwritePresetComponent_", "alert_"})
        EXPECT_FALSE(child(name).isVisible()) << name;
    EXPECT_FALSE(presetFolder.exists());
}

TEST_F(EditorTest, SavePresetAsksBeforeWritingOverTheChannelsPreset)
{
    writePreset("Sub/Lead.vzrp", 0.2f);
    slot().presetPath[0] = "Sub/Lead.vzrp";
    openEditor();
    processor.setParameter(kDepth, 0.6f);

    editor->fileMenuResult(1);
    auto& question = dynamic_cast<VelmorOverwriteComponent&>(child("overwritePresetComponent_"));
    ASSERT_TRUE(isUpAndModal(question));
    EXPECT_EQ(question.targetFile, presetFolder.getChildFile("Sub/Lead.vzrp"));
    EXPECT_EQ(messageOf(question),
              "Are you sure you want to overwrite this preset?\n\n\"Sub/Lead.vzrp\"");
    EXPECT_TRUE(childNamed(question, "CANCEL")->isVisible());
    EXPECT_FALSE(child("savePresetBrowser_").isVisible());

    buttonNamed(question, "OK").triggerClick();
    dispatchPendingMessages();
    StompixZR7714AudioProcessor reader;
    reader.readPreset(GuardedXml::parse(presetFolder.getChildFile("Sub/Lead.vzrp")), true);
    EXPECT_EQ(reader.getParameter(kDepth), 0.6f);
    EXPECT_FALSE(question.isVisible());
}

TEST_F(EditorTest, AnOverwriteQuestionWritesOnlyTheSettingsItWasAskedFor)
{
    // Program 5 plays "Deep Jet" at depth 0.9; program 0 has the defaults (depth 0.5).
    writePreset("Deep Jet.vzrp", 0.9f);
    const auto deepJet = presetFolder.getChildFile("Deep Jet.vzrp");
    const auto depthInDeepJet = [&deepJet]
    {
        StompixZR7714AudioProcessor reader;
        reader.readPreset(GuardedXml::parse(deepJet), true);
        return reader.getParameter(kDepth);
    };
    processor.setCurrentProgram(5);
    slot().presetPath[0] = "Deep Jet.vzrp";
    processor.setParameter(kDepth, 0.9f);
    openEditor();
    tick(3);
    auto& browser = dynamic_cast<VelmorPresetBrowser&>(child("savePresetBrowser_"));
    auto& browserQuestion = *childNamed(browser, "overwriteComponent_");

    // The editor's "Save Preset" and the save-as browser's own question.
    const std::function<juce::Component&()> askers[] = {
        [&]() -> juce::Component&
        {
            editor->fileMenuResult(1);
            return child("overwritePresetComponent_");
        },
        [&]() -> juce::Component&
        {
            editor->fileMenuResult(2);
            fileBrowserIn(browser).setFileName("Deep Jet");
            browser.timerCallback(); // the poll that enables OK
            buttonNamed(browser, "OK").triggerClick();
            dispatchPendingMessages();
            return browserQuestion;
        }};

    // Program 5, channel A, as another host's state (an undo, a host preset) holds it: depth 0.3
    // and the preset "Other.vzrp".
    const auto otherState = [](bool wholeState)
    {
        StompixZR7714AudioProcessor other;
        other.setCurrentProgram(5);
        other.getCurrentProgramSlot().presetPath[0] = "Other.vzrp";
        other.setParameter(kDepth, 0.3f);
        juce::MemoryBlock chunk;
        if (wholeState)
            other.getStateInformation(chunk);
        else
            other.getCurrentProgramStateInformation(chunk);
        return chunk;
    };
    const auto wholeState = otherState(true);
    const auto programChunk = otherState(false);

    // What the host does while the question is up, and the preset program 5's channel A names
    // afterwards. A restore of the same program and channel leaves the question about settings
    // the user no longer has, as a program change does.
    struct Interruption
    {
        const char* what;
        std::function<void()> interrupt;
        juce::String presetOfProgram5;
    };
    const Interruption interruptions[] = {
        {"a program change", [&] { processor.setCurrentProgram(0); }, "Deep Jet.vzrp"},
        {"a whole-state restore",
         [&] { processor.setStateInformation(wholeState.getData(), (int)wholeState.getSize()); },
         "Other.vzrp"},
        {"a program-chunk restore",
         [&]
         {
             processor.setCurrentProgramStateInformation(programChunk.getData(),
                                                         (int)programChunk.getSize());
         },
         "Other.vzrp"},
    };

    const auto askOnDeepJet = [&](const std::function<juce::Component&()>& ask) -> juce::Component&
    {
        processor.setCurrentProgram(5);
        slot().presetPath[0] = "Deep Jet.vzrp";
        processor.setParameter(kDepth, 0.7f);
        tick();
        return ask();
    };

    for (const auto& ask : askers)
    {
        for (const auto& interruption : interruptions)
        {
            for (const bool beforeTheTick : {false, true})
            {
                const auto how = std::string(interruption.what) +
                                 (beforeTheTick ? ", OK before the tick" : ", then a tick") +
                                 (&ask == &askers[0] ? " (Save Preset)" : " (save-as browser)");
                auto& question = askOnDeepJet(ask);
                ASSERT_TRUE(isUpAndModal(question)) << how;

                // The editor's next tick withdraws it before the user can answer it; a change
                // that lands between two ticks makes OK write nothing and answer as cancel does.
                interruption.interrupt();
                if (beforeTheTick)
                {
                    buttonNamed(question, "OK").triggerClick();
                    dispatchPendingMessages();
                }
                else
                {
                    tick();
                }

                // Gone without a write: back in the browser, or in the editor.
                EXPECT_FALSE(question.isVisible()) << how;
                EXPECT_FLOAT_EQ(depthInDeepJet(), 0.9f) << how << ": written into the file";
                EXPECT_EQ(processor.getProgramSlot(0).presetPath[0], "Init.vzrp") << how;
                EXPECT_EQ(processor.getProgramSlot(5).presetPath[0], interruption.presetOfProgram5)
                    << how;
                if (&question == &browserQuestion)
                {
                    EXPECT_TRUE(isUpAndModal(browser)) << how << ": back to the browser";
                    buttonNamed(browser, "CANCEL").triggerClick();
                    dispatchPendingMessages();
                }
                EXPECT_FALSE(browser.isVisible()) << how;
            }
        }

        // Asked again and answered on the settings it was asked for, it writes them, with the
        // host's automation of a parameter meanwhile: a save writes the values current at OK.
        auto& again = askOnDeepJet(ask);
        processor.setParameter(kDepth, 0.65f);
        tick();
        ASSERT_TRUE(isUpAndModal(again));
        buttonNamed(again, "OK").triggerClick();
        dispatchPendingMessages();
        EXPECT_FLOAT_EQ(depthInDeepJet(), 0.65f);
        EXPECT_EQ(processor.getProgramSlot(5).presetPath[0], "Deep Jet.vzrp");
        EXPECT_FALSE(again.isVisible() || browser.isVisible());

        // Back to Deep Jet as it was for the next road.
        writePreset("Deep Jet.vzrp", 0.9f);
    }
}

TEST_F(EditorTest, SavePresetWithoutSuchAPresetOpensTheSaveAsBrowser)
{
    // A path from a host's state that leads out of the folder names no preset to write over.
    const auto outside = presetFolder.getSiblingFile("Outside.vzrp");
    ASSERT_TRUE(outside.replaceWithText("keep"));

    for (const auto* path : {"Init.vzrp", "../Outside.vzrp", "/etc/hostname"})
    {
        SCOPED_TRACE(path);
        presetFolder.deleteRecursively();
        slot().presetPath[0] = path;
        openEditor();

        editor->fileMenuResult(1);
        EXPECT_TRUE(presetFolder.isDirectory()) << "made for the browser";
        EXPECT_TRUE(isUpAndModal(child("savePresetBrowser_")));
        EXPECT_FALSE(child("overwritePresetComponent_").isVisible());
        editor.reset();
    }
    EXPECT_EQ(outside.loadFileAsString(), "keep");
    outside.deleteFile();

    slot().presetPath[0] = "Init.vzrp";
    presetFolder.deleteRecursively();
    openEditor();
    editor->fileMenuResult(2);
    EXPECT_TRUE(presetFolder.isDirectory());
    EXPECT_TRUE(isUpAndModal(child("savePresetBrowser_")));
}

TEST_F(EditorTest, TheUserManualOpensWithTheDesktopsApplicationOrIsReportedMissing)
{
    openEditor();
    const auto manual = StompixZR7714AudioProcessorEditor::getManualFile();
    ASSERT_TRUE(manual.getFullPathName().endsWith(
        "Music/Audio Music Apps/Velmor/User Manuals/StompixZR7714 Manual.pdf"));

    editor->fileMenuResult(3);
    auto& alert = child("alert_");
    EXPECT_TRUE(isUpAndModal(alert));
    EXPECT_FALSE(childNamed(alert, "CANCEL")->isVisible());
    EXPECT_TRUE(
        paintsIcon(alert, decodeEmbeddedImage(StompixDialogBoxBinImg::icononly_frown_png,
                                              StompixDialogBoxBinImg::icononly_frown_pngSize)));
    EXPECT_EQ(messageOf(alert),
              "User manual on: \"" + manual.getFullPathName() + "\" is not available.");
    buttonNamed(alert, "OK").triggerClick();
    dispatchPendingMessages();

    // Opened, never run: not even a manual whose file is an executable script.
    const auto ran = temporaryHome().getChildFile("manual-ran");
    ASSERT_TRUE(manual.getParentDirectory().createDirectory().wasOk());
    ASSERT_TRUE(manual.replaceWithText("#!/bin/sh\ntouch '" + ran.getFullPathName() + "'\n", false,
                                       false, "\n"));
    ASSERT_TRUE(manual.setExecutePermission(true));
    {
        XdgOpenStub xdgOpen;
        editor->fileMenuResult(3);
        EXPECT_EQ(xdgOpen.arguments(), manual.getFullPathName());
    }
    juce::Thread::sleep(100);
    EXPECT_FALSE(ran.exists());
    EXPECT_FALSE(alert.isVisible());
}

TEST_F(EditorTest, TheWebSiteOpensInTheDesktopsBrowser)
{
    openEditor();
    XdgOpenStub xdgOpen;
    editor->fileMenuResult(4);
    EXPECT_EQ(xdgOpen.arguments(), VelmorWebPages::website);
    EXPECT_TRUE(juce::String(VelmorWebPages::website).startsWith("https://www.velmor.com/"));
    EXPECT_TRUE(juce::String(VelmorWebPages::downloadPage).startsWith("https://www.velmor.com/"));
}

// Dialogs take the keyboard focus on screen. An AAX host may close its view and keep the
// editor, and a menu's answer or a click posted before may arrive then: each dialog still comes
// up modally (the focus has nowhere to go), and so do the prompt over the browser and the browser
// once more.
TEST_F(EditorTest, DialogsComeUpWhileTheEditorIsOffScreen)
{
    openEditor();
    auto& alert = child("alert_");
    editor->fileMenuResult(3);
    // Headless, no window holds the focus.
    if (!juce::Desktop::getInstance().getDisplays().displays.isEmpty())
    {
        EXPECT_TRUE(alert.hasKeyboardFocus(true));
    }
    guitest::click(buttonNamed(alert, "OK"));

    editor->removeFromDesktop();
    ASSERT_FALSE(editor->isShowing());
    const auto expectUp = [](const juce::Component& dialog)
    {
        EXPECT_TRUE(isUpAndModal(dialog)) << dialog.getName();
        EXPECT_FALSE(dialog.hasKeyboardFocus(true)) << dialog.getName();
    };

    editor->fileMenuResult(3);
    expectUp(alert);
    guitest::click(buttonNamed(alert, "OK"));

    click("aboutShowButton_");
    expectUp(child("aboutContainer_"));
    EXPECT_TRUE(guitest::pressAt(*editor, {20, 20}));
    EXPECT_FALSE(child("aboutContainer_").isVisible());

    editor->fileMenuResult(2);
    auto& browser = child("savePresetBrowser_");
    expectUp(browser);
    guitest::click(buttonNamed(browser, "New Folder"));
    auto& prompt = *childNamed(browser, "newFolderComponent_");
    expectUp(prompt);
    guitest::click(buttonNamed(prompt, "CANCEL"));
    EXPECT_FALSE(prompt.isVisible());
    expectUp(browser);
}
