#include "VelmorPresetSaving.h"
#include "DialogTestSupport.h"
#include "FileSystemLimits.h"
#include "GuardedXml.h"
#include "MenuTreeSupport.h"
#include "PresetTestSupport.h"
#include "StompixZR7714AudioProcessor.h"
#include "TemporaryHome.h"
#include "VelmorAlertComponent.h"
#include "VelmorOverwriteComponent.h"
#include "VelmorPresetBrowser.h"
#include "VelmorPresetMenu.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
// Every file and folder below folder, by path.
juce::StringArray entriesBelow(const juce::File& folder)
{
    juce::StringArray paths;
    for (const auto& entry : folder.findChildFiles(juce::File::findFilesAndDirectories, true))
        paths.add(entry.getFullPathName());
    paths.sort(false);
    return paths;
}

juce::MemoryBlock contentsOf(const juce::File& file)
{
    juce::MemoryBlock contents;
    file.loadFileAsData(contents);
    return contents;
}

class HostDisplayCounter final : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged(juce::AudioProcessor*, int, float) override {}
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override { ++updates; }
    int updates = 0;
};

// The editor's side of saving: the processor, the preset menu over the preset folder, the
// save-as browser and the editor's overwrite question, over an editor-sized window.
class PresetSaving : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.deleteRecursively();
        processor.setParameter(4, 0.25f); // depth
        ASSERT_TRUE(folder.getChildFile("Sub").createDirectory());
        ASSERT_TRUE(processor.writePreset(true).writeTo(folder.getChildFile("Init.vzrp")));
        ASSERT_TRUE(processor.writePreset(true).writeTo(folder.getChildFile("Sub/Lead.vzrp")));
        processor.setParameter(4, 0.75f);
        processor.addListener(&hostDisplay);

        menu.setDirectoryPath(folder.getFullPathName());
        menu.setFileExtension("*.vzrp");
        menu.setSelectedFilePath("Init.vzrp");
        menu.setPresetHasChanged();

        for (juce::Component* dialog : std::initializer_list<juce::Component*>{&browser, &question})
        {
            host.addChildComponent(dialog);
            dialog->setBounds(0, 0, 325, 454);
        }
        browser.needChangeParentModal(false);
        question.needChangeParentModal(false);
    }

    void TearDown() override
    {
        processor.removeListener(&hostDisplay);
        folder.deleteRecursively();
        folder.getSiblingFile(folder.getFileName() + "-old").deleteRecursively();
    }

    juce::String& slotPath() { return activePresetPath(processor); }
    static float depthIn(const juce::File& file) { return depthInPreset(file); }

    void typeName(const juce::String& name)
    {
        fileBrowserIn(browser).setFileName(name);
        browser.timerCallback();
    }

    static juce::String titleOf(const juce::Component& box)
    {
        return dynamic_cast<juce::Label*>(childNamed(box, "titleText_"))->getText();
    }

    const juce::File folder = presetFolderInTemporaryHome();
    StompixZR7714AudioProcessor processor;
    HostDisplayCounter hostDisplay;
    VelmorPresetMenu menu{"presetMenu_"};
    EditorSizedHost host;
    VelmorPresetBrowser browser{"savePresetBrowser_", "Save", folder, "*.vzrp", 5, 1, 5, 3, 8,
                                &processor,           &menu};
    VelmorOverwriteComponent question{"overwritePresetComponent_", &processor, &menu};
    juce::Component& browserQuestion = *childNamed(browser, "overwriteComponent_");
    juce::Component& browserFailureBox = *childNamed(browser, "alertComponent_");
};
} // namespace

TEST_F(PresetSaving, TheQuestionNamesThePresetRelativeToTheFolder)
{
    EXPECT_EQ(velmor::overwriteQuestion(folder.getChildFile("Sub/Lead.vzrp"), folder),
              "Are you sure you want to overwrite this preset?\n\n\"Sub/Lead.vzrp\"");
}

TEST_F(PresetSaving, OverwriteOkWritesRecordsAndClosesOnlyTheQuestion)
{
    question.targetFile = folder.getChildFile("Sub/Lead.vzrp");
    question.show(2, 1);
    question.okButtonClicked();
    EXPECT_FLOAT_EQ(depthIn(folder.getChildFile("Sub/Lead.vzrp")), 0.75f);
    EXPECT_EQ(slotPath(), "Sub/Lead.vzrp");
    EXPECT_EQ(hostDisplay.updates, 1);
    EXPECT_EQ(menu.getText(), "Lead") << "selected and unmarked";
    EXPECT_FALSE(question.isVisible());
}

TEST_F(PresetSaving, OverwriteCancelOrNothingToWriteWithOnlyCloses)
{
    question.targetFile = folder.getChildFile("Init.vzrp");
    question.show(2, 1);
    question.cancelButtonClicked();

    VelmorOverwriteComponent orphan("orphan_", nullptr, &menu);
    host.addChildComponent(orphan);
    orphan.targetFile = folder.getChildFile("Init.vzrp");
    orphan.show(2, 1);
    orphan.okButtonClicked();

    EXPECT_FALSE(question.isVisible() || orphan.isVisible());
    EXPECT_FLOAT_EQ(depthIn(folder.getChildFile("Init.vzrp")), 0.25f);
    EXPECT_EQ(slotPath(), "Init.vzrp");
    EXPECT_EQ(hostDisplay.updates, 0);
}

TEST_F(PresetSaving, AFailedOverwriteKeepsTheQuestionTheFileAndTheSlot)
{
    // No byte of the new contents fits: the process may write no file longer than 0 bytes.
    const auto target = folder.getChildFile("Old.vzrp");
    ASSERT_TRUE(target.replaceWithText("old"));
    question.targetFile = target;
    question.show(2, 1);
    {
        const FileSizeLimit nothingFits(0);
        question.okButtonClicked();
    }

    auto& failureBox = *childNamed(question, "alertComponent_");
    EXPECT_TRUE(isUpAndModal(failureBox));
    EXPECT_TRUE(titleOf(failureBox).startsWith("Couldn't save the preset!"));
    EXPECT_TRUE(question.isVisible());
    EXPECT_EQ(target.loadFileAsString(), "old");
    EXPECT_EQ(slotPath(), "Init.vzrp");
    EXPECT_EQ(hostDisplay.updates, 0);

    buttonNamed(failureBox, "OK").triggerClick();
    dispatchPendingMessages();
    EXPECT_TRUE(isUpAndModal(question)) << "back to the question";
}

TEST_F(PresetSaving, ASaveGoesThroughOnlyWhenEveryByteReachedTheFile)
{
    // The length of what a save writes, from a save of these settings beside the others.
    const auto probe = folder.getChildFile("Probe.vzrp");
    ASSERT_TRUE(menu.writePreset(&processor, probe.getFullPathName()).wasOk());
    const auto size = static_cast<rlim_t>(probe.getSize());
    ASSERT_GT(size, 300u);
    ASSERT_TRUE(probe.deleteFile());
    menu.setSelectedFilePath("Init.vzrp");
    menu.setPresetHasChanged();

    const auto init = folder.getChildFile("Init.vzrp");
    const auto oldText = init.loadFileAsString();
    const auto before = entriesBelow(folder);

    // Over an existing preset through the editor's question, and a new one through the save-as
    // browser, each while the process may write files of `limit` bytes at most.
    const auto overwriteInit = [&](rlim_t limit)
    {
        question.targetFile = init;
        question.show(2, 1);
        const FileSizeLimit limited(limit);
        question.okButtonClicked();
    };
    const auto saveFresh = [&](rlim_t limit)
    {
        browser.show();
        typeName("Fresh");
        const FileSizeLimit limited(limit);
        browser.savePreset();
    };
    const auto expectSaveFailedMessage = [](juce::Component& box)
    {
        EXPECT_TRUE(isUpAndModal(box));
        EXPECT_TRUE(titleOf(box).startsWith("Couldn't save the preset!"));
        buttonNamed(box, "OK").triggerClick();
        dispatchPendingMessages();
    };

    // A limit of 0 fails the first write; the others let it write part of the file.
    for (const rlim_t limit : {rlim_t{0}, rlim_t{300}, size - 1})
    {
        SCOPED_TRACE("file size limit " + std::to_string(limit));
        overwriteInit(limit);
        expectSaveFailedMessage(*childNamed(question, "alertComponent_"));
        question.cancelButtonClicked();
        saveFresh(limit);
        expectSaveFailedMessage(browserFailureBox);
        browser.hide();

        EXPECT_EQ(init.loadFileAsString(), oldText);
        EXPECT_EQ(entriesBelow(folder).joinIntoString("\n"), before.joinIntoString("\n"))
            << "no temporary or partial file left behind";
        EXPECT_EQ(slotPath(), "Init.vzrp");
        EXPECT_EQ(menu.getText(), "Init*");
    }
    EXPECT_EQ(hostDisplay.updates, 0);

    // Room for every byte: both go through.
    overwriteInit(size);
    EXPECT_FALSE(question.isVisible());
    EXPECT_FLOAT_EQ(depthIn(init), 0.75f);
    saveFresh(size);
    EXPECT_FALSE(browser.isVisible());
    EXPECT_FLOAT_EQ(depthIn(folder.getChildFile("Fresh.vzrp")), 0.75f);
}

TEST_F(PresetSaving, AFullOrReadOnlyFileSystemFailsTheSaveAndKeepsThePreset)
{
    const auto init = folder.getChildFile("Init.vzrp");
    const auto oldContents = contentsOf(init);
    enum Outcome
    {
        keptAsItWas,
        notArranged,
        saved,
        presetChanged,
        fileLeftBehind
    };

    for (const bool readOnly : {false, true})
    {
        SCOPED_TRACE(readOnly ? "read-only" : "full");

        // In a child process, over a small file system of its own that holds the old preset.
        const int outcome = privatefolder::run(
            folder, 64 * 1024,
            [&]
            {
                if (!init.replaceWithData(oldContents.getData(), oldContents.getSize()) ||
                    !(readOnly ? privatefolder::makeReadOnly(folder)
                               : privatefolder::fillUp(folder.getChildFile("Filler"))))
                    return notArranged;

                const auto before = entriesBelow(folder);
                for (const auto* path : {"Init.vzrp", "Fresh.vzrp"})
                    if (menu.writePreset(&processor, path).wasOk())
                        return saved;
                if (contentsOf(init) != oldContents)
                    return presetChanged;
                return entriesBelow(folder) == before ? keptAsItWas : fileLeftBehind;
            });

        if (outcome == privatefolder::unavailable)
            GTEST_SKIP() << "this system gives the test no mount namespace of its own";
        EXPECT_EQ(outcome, keptAsItWas)
            << "1: not arranged, 2: a save went through, 3: the old preset changed, 4: a file was "
               "left behind, 78: the child crashed, 79: it did not end";
    }
    EXPECT_TRUE(contentsOf(init) == oldContents) << "the folder outside the child is untouched";
}

TEST_F(PresetSaving, SaveAsAddsTheExtensionOnceAndClosesTheBrowser)
{
    // A preset whose name begins with a space, as the list shows it and a pick from it names it.
    ASSERT_TRUE(folder.getChildFile(" Lead.vzrp").replaceWithText("<old/>"));

    for (const auto& [typed, saved] :
         std::vector<std::pair<juce::String, juce::String>>{{"Pad", "Pad.vzrp"},
                                                            {"Keys.vzrp", "Keys.vzrp"},
                                                            {"Loud.VZRP", "Loud.VZRP.vzrp"},
                                                            {"  Pad Two  ", "Pad Two.vzrp"},
                                                            {" Lead.vzrp", " Lead.vzrp"}})
    {
        SCOPED_TRACE(typed);
        const bool existed = folder.getChildFile(saved).existsAsFile();
        browser.show();
        typeName(typed);
        ASSERT_TRUE(buttonNamed(browser, "OK").isEnabled());
        browser.okButtonClicked();

        // An existing preset is asked about first.
        ASSERT_EQ(isUpAndModal(browserQuestion), existed);
        if (existed)
        {
            buttonNamed(browserQuestion, "OK").triggerClick();
            dispatchPendingMessages();
        }

        EXPECT_FLOAT_EQ(depthIn(folder.getChildFile(saved)), 0.75f);
        EXPECT_EQ(slotPath(), saved);
        EXPECT_EQ(menu.getSelectedFilePath(), saved);
        EXPECT_FALSE(browser.isVisible() || browser.isCurrentlyModal(false));
        EXPECT_FALSE(browser.isTimerRunning());
    }
    EXPECT_EQ(hostDisplay.updates, 6) << "one for each OK, the question's included";
    EXPECT_FALSE(folder.getChildFile("Keys.vzrp.vzrp").exists());
}

TEST_F(PresetSaving, SaveAsTakesALeadingTildeAsPartOfTheName)
{
    const auto taken = fileBelow(folder, "~Taken.vzrp");
    ASSERT_TRUE(processor.writePreset(true).writeTo(taken));

    browser.show();
    typeName("~Tilde2");
    EXPECT_TRUE(buttonNamed(browser, "OK").isEnabled());
    EXPECT_TRUE(buttonNamed(browser, "New Folder").isEnabled());
    browser.okButtonClicked();
    EXPECT_FLOAT_EQ(depthIn(fileBelow(folder, "~Tilde2.vzrp")), 0.75f);
    EXPECT_EQ(slotPath(), "~Tilde2.vzrp");
    EXPECT_EQ(menu.getText(), "~Tilde2");
    EXPECT_FALSE(browser.isVisible());

    // An existing one is asked about first.
    browser.show();
    typeName("~Taken");
    browser.okButtonClicked();
    EXPECT_TRUE(isUpAndModal(browserQuestion));
    EXPECT_EQ(titleOf(browserQuestion), velmor::overwriteQuestion(taken, folder));
    buttonNamed(browserQuestion, "CANCEL").triggerClick();
    dispatchPendingMessages();
    browser.hide();
}

TEST_F(PresetSaving, SaveAsIntoASubFolderRecordsTheRelativePath)
{
    browser.show();
    fileBrowserIn(browser).setRoot(folder.getChildFile("Sub"));
    typeName("Bass");
    browser.okButtonClicked();
    EXPECT_TRUE(folder.getChildFile("Sub/Bass.vzrp").existsAsFile());
    EXPECT_EQ(slotPath(), "Sub/Bass.vzrp");
}

TEST_F(PresetSaving, SaveAsOverAnExistingPresetAsksFirst)
{
    browser.show();
    fileBrowserIn(browser).setRoot(folder.getChildFile("Sub"));
    typeName("Lead");
    browser.okButtonClicked();

    // The browser stays up under the question, which holds the modal state.
    EXPECT_TRUE(isUpAndModal(browserQuestion));
    EXPECT_TRUE(browser.isVisible());
    EXPECT_FALSE(browser.isCurrentlyModal(false));
    EXPECT_EQ(titleOf(browserQuestion),
              velmor::overwriteQuestion(folder.getChildFile("Sub/Lead.vzrp"), folder));
    EXPECT_FLOAT_EQ(depthIn(folder.getChildFile("Sub/Lead.vzrp")), 0.25f);

    // Cancel: nothing written, the browser is modal again.
    buttonNamed(browserQuestion, "CANCEL").triggerClick();
    dispatchPendingMessages();
    EXPECT_TRUE(isUpAndModal(browser));
    EXPECT_FLOAT_EQ(depthIn(folder.getChildFile("Sub/Lead.vzrp")), 0.25f);
    EXPECT_EQ(slotPath(), "Init.vzrp");

    // OK: written, recorded, host told, question and browser closed.
    browser.okButtonClicked();
    const int updatesBefore = hostDisplay.updates;
    buttonNamed(browserQuestion, "OK").triggerClick();
    dispatchPendingMessages();
    EXPECT_FLOAT_EQ(depthIn(folder.getChildFile("Sub/Lead.vzrp")), 0.75f);
    EXPECT_EQ(slotPath(), "Sub/Lead.vzrp");
    EXPECT_EQ(hostDisplay.updates, updatesBefore + 1);
    EXPECT_FALSE(browserQuestion.isVisible() || browser.isVisible());
    EXPECT_FALSE(browser.isCurrentlyModal(false) || browser.isTimerRunning());
}

TEST_F(PresetSaving, SaveAsOverALinkToAMissingFileAsksAndThenSaysWhyItCannot)
{
    const auto link = folder.getChildFile("Gone.vzrp");
    const auto missing =
        folder.getSiblingFile(folder.getFileName() + "-old").getChildFile("Gone.vzrp");
    ASSERT_TRUE(missing.createSymbolicLink(link, false));

    browser.show();
    typeName("Gone");
    browser.okButtonClicked();
    ASSERT_TRUE(isUpAndModal(browserQuestion)) << "the name is taken, by the link";
    const int updatesBefore = hostDisplay.updates;
    buttonNamed(browserQuestion, "OK").triggerClick();
    dispatchPendingMessages();

    auto& failureBox = *childNamed(browserQuestion, "alertComponent_");
    EXPECT_TRUE(isUpAndModal(failureBox));
    EXPECT_EQ(titleOf(failureBox),
              "Couldn't save the preset! The preset is a link to a file that is missing.");
    EXPECT_EQ(link.getLinkedTarget(), missing);
    EXPECT_FALSE(link.existsAsFile() || missing.getParentDirectory().exists());
    EXPECT_EQ(slotPath(), "Init.vzrp");
    EXPECT_EQ(hostDisplay.updates, updatesBefore);

    buttonNamed(failureBox, "OK").triggerClick();
    dispatchPendingMessages();
    buttonNamed(browserQuestion, "CANCEL").triggerClick();
    dispatchPendingMessages();
    browser.hide();
}

TEST_F(PresetSaving, SaveAsRefusesEverythingButAFileNameInsideTheFolder)
{
    const auto sibling = folder.getSiblingFile(folder.getFileName() + "-old");
    sibling.createDirectory();
    browser.show();
    auto& fileBrowser = fileBrowserIn(browser);

    struct Case
    {
        juce::File shown;
        juce::String typed;
        bool okEnabled, newFolderEnabled;
    };
    for (const auto& [shown, typed, okEnabled, newFolderEnabled] :
         std::vector<Case>{{folder, "", false, true},                         // the bare folder
                           {folder.getChildFile("Sub"), "", false, true},     // a bare sub-folder
                           {folder.getParentDirectory(), "Up", false, false}, // above the folder
                           {sibling, "Old", false, false}, // a sibling sharing the name
                           {folder, "../Up", false, false},
                           {folder, "/tmp/Abs", false, false},
                           {folder, "   ", false, true}, // a name of spaces only
                           {folder, " \t ", false, true},
                           {folder, ".vzrp", false, true}, // the extension alone
                           {folder, "   .vzrp", false, true},
                           {folder.getChildFile("Sub"), "  ", false, true}})
    {
        SCOPED_TRACE(shown.getFullPathName() + " + " + typed);
        fileBrowser.setRoot(shown);
        typeName(typed);
        EXPECT_EQ(buttonNamed(browser, "OK").isEnabled(), okEnabled);
        EXPECT_EQ(buttonNamed(browser, "New Folder").isEnabled(), newFolderEnabled);

        browser.savePreset();
        EXPECT_TRUE(isUpAndModal(browser));
        EXPECT_FALSE(browserQuestion.isVisible() || browserFailureBox.isVisible());
    }
    EXPECT_TRUE(sibling.findChildFiles(juce::File::findFiles, false).isEmpty());
    EXPECT_EQ(folder.findChildFiles(juce::File::findFiles, true).size(), 2) << "Init and Lead";
    EXPECT_FALSE(folder.getSiblingFile("Up.vzrp").exists());
    EXPECT_FALSE(juce::File("/tmp/Abs.vzrp").exists());
    EXPECT_EQ(slotPath(), "Init.vzrp");
    browser.hide();
}

TEST_F(PresetSaving, AFailedSaveAsKeepsTheBrowserUpAndSaysWhy)
{
    folder.getChildFile("Taken.vzrp").createDirectory();         // a folder where the file would go
    const auto tooLong = juce::String::repeatedString("n", 251); // 256 bytes with the extension
    const auto before = entriesBelow(folder);
    for (const auto& name : juce::StringArray{"Taken", tooLong})
    {
        SCOPED_TRACE(name.substring(0, 10));
        browser.show();
        typeName(name);
        browser.savePreset();

        EXPECT_TRUE(isUpAndModal(browserFailureBox));
        EXPECT_TRUE(titleOf(browserFailureBox).startsWith("Couldn't save the preset!"));
        EXPECT_TRUE(browser.isVisible());
        buttonNamed(browserFailureBox, "OK").triggerClick();
        dispatchPendingMessages();
        EXPECT_TRUE(isUpAndModal(browser));
        browser.hide();
    }
    EXPECT_EQ(entriesBelow(folder).joinIntoString("\n"), before.joinIntoString("\n"))
        << "nothing made, under that name or a shorter one";
    EXPECT_EQ(slotPath(), "Init.vzrp");
    EXPECT_EQ(menu.getText(), "Init*");
}

// Typing reaches the name field whenever the browser is up: when it comes up, and after a
// message, question or prompt over it closes (the new-folder prompt does the same for its own
// field after its message). The name it comes back to is selected: the key typed replaces it.
TEST_F(PresetSaving, KeysReachTheNameFieldWheneverTheBrowserIsUp)
{
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";

    folder.getChildFile("Taken.vzrp").createDirectory(); // a save there fails
    auto* nameField = childOfType<juce::TextEditor>(fileBrowserIn(browser));
    ASSERT_NE(nameField, nullptr);
    auto* window = host.getPeer();
    ASSERT_NE(window, nullptr);

    const auto closeWith = [](juce::Component& dialog, const char* buttonName)
    {
        EXPECT_TRUE(isUpAndModal(dialog)) << dialog.getName();
        buttonNamed(dialog, buttonName).triggerClick();
        dispatchPendingMessages();
    };
    const std::vector<std::pair<const char*, std::function<void()>>> interruptions{
        {"none: it has just come up", [] {}},
        {"the failed save's message",
         [&]
         {
             typeName("Taken");
             browser.savePreset();
             closeWith(browserFailureBox, "OK");
         }},
        {"the overwrite question",
         [&]
         {
             typeName("Init");
             browser.savePreset();
             closeWith(browserQuestion, "CANCEL");
         }},
        {"the new-folder prompt",
         [&]
         {
             typeName("For the new folder");
             buttonNamed(browser, "New Folder").triggerClick();
             dispatchPendingMessages();
             closeWith(*childNamed(browser, "newFolderComponent_"), "CANCEL");
         }},
    };

    browser.show();
    for (const auto& [interruption, interrupt] : interruptions)
    {
        SCOPED_TRACE(interruption);
        interrupt();
        ASSERT_TRUE(isUpAndModal(browser));
        EXPECT_TRUE(nameField->hasKeyboardFocus(false));
        window->handleKeyPress(juce::KeyPress('q', {}, 'q'));
        EXPECT_EQ(nameField->getText(), "q");
    }
    browser.hide();
}

TEST_F(PresetSaving, AnInvalidModeBrowserNeverComesUp)
{
    VelmorPresetBrowser broken("broken_", "Save", folder, "*.vzrp", 9, 1, 5, 3, 8, &processor,
                               &menu);
    host.addChildComponent(broken);
    broken.show();
    broken.timerCallback();
    broken.okButtonClicked();
    broken.savePreset();
    EXPECT_FALSE(broken.isVisible() || broken.isCurrentlyModal(false));
}

TEST_F(PresetSaving, SnapshotsOfTheSaveAsBrowserAndTheMessageBox)
{
    writeTextFile(folder.getChildFile("Sub/Deep/x.vzrp"));
    browser.show();
    typeName("My Preset");
    dispatchPendingMessages();
    juce::Thread::sleep(200); // the framework browser lists the folder on its own thread
    dispatchPendingMessages();
    const auto browserPng = writeSnapshot(host, "save-as-browser.png");
    browser.hide();

    VelmorAlertComponent box("alert_", 1, 1, 3);
    host.addChildComponent(box);
    box.setBounds(0, 0, 325, 454);
    box.setTitle("\"Sub/Lead.vzrp\"\nwas made using a newer version of Stompix ZR7714.");
    box.show(2, 1);
    const auto boxPng = writeSnapshot(host, "message-box.png");
    box.hide();

    for (const auto& png : {browserPng, boxPng})
    {
        const auto image = juce::ImageFileFormat::loadFrom(png);
        EXPECT_EQ(image.getWidth(), 325);
        EXPECT_EQ(image.getHeight(), 454);
    }
}
