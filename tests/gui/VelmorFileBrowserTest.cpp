#include "VelmorFileBrowser.h"
#include "DialogTestSupport.h"
#include "GuiTestSupport.h"
#include "MenuTreeSupport.h"
#include "TemporaryHome.h"
#include "VelmorNewFolderComponent.h"
#include "WatchedPipe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
class FileBrowserDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.deleteRecursively();
        writeTextFile(root.getChildFile("a.vzrp"));
        writeTextFile(root.getChildFile("notes.txt"));
        root.getChildFile("Sub").createDirectory();
    }

    void TearDown() override
    {
        dialogs.clear();
        root.deleteRecursively();
    }

    VelmorFileBrowser& makeDialog(int mode, const juce::String& pattern = "*.vzrp")
    {
        dialogs.push_back(std::make_unique<VelmorFileBrowser>("browser_", "Save", root, pattern,
                                                              mode, 1, 5, 3, 8));
        auto& dialog = *dialogs.back();
        host.addChildComponent(dialog);
        dialog.setBounds(0, 0, 325, 454);
        return dialog;
    }

    const juce::File root = presetFolderInTemporaryHome();
    EditorSizedHost host;
    std::vector<std::unique_ptr<VelmorFileBrowser>> dialogs;
};

// Counts what OK does instead of doing it.
struct OkCountingBrowser final : VelmorFileBrowser
{
    using VelmorFileBrowser::VelmorFileBrowser;
    void okButtonClicked() override { ++oks; }
    int oks = 0;
};

// The component keeps its opacity in eight bits.
bool isActive(const juce::Button& button)
{
    return button.isEnabled() && button.getAlpha() == 1.0f;
}

bool isDimmed(const juce::Button& button)
{
    return !button.isEnabled() && std::abs(button.getAlpha() - 0.5f) < 0.01f;
}
} // namespace

TEST_F(FileBrowserDialog, OnlySaveModeHasANewFolderButtonAndPrompt)
{
    for (int mode = 1; mode <= 5; ++mode)
    {
        SCOPED_TRACE(mode);
        auto& dialog = makeDialog(mode);
        EXPECT_EQ(dialog.getWidth(), 325);
        EXPECT_EQ(fileBrowserIn(dialog).isSaveMode(), mode == 5);
        EXPECT_NE(childNamed(dialog, "OK"), nullptr);
        EXPECT_NE(childNamed(dialog, "CANCEL"), nullptr);
        EXPECT_EQ(childNamed(dialog, "New Folder") != nullptr, mode == 5);
        EXPECT_EQ(childNamed(dialog, "newFolderComponent_") != nullptr, mode == 5);
    }
}

TEST_F(FileBrowserDialog, AnInvalidModeGivesAnEmptyDialogThatNeverComesUp)
{
    for (int mode : {0, 6, -1})
    {
        SCOPED_TRACE(mode);
        VelmorFileBrowser dialog("browser_", "Save", root, "*", mode, 1, 5, 3, 8);
        host.addChildComponent(dialog);
        EXPECT_EQ(dialog.getNumChildComponents(), 0);
        dialog.show();
        EXPECT_FALSE(dialog.isVisible() || dialog.isCurrentlyModal(false));
        dialog.okButtonClicked();
        dialog.createNewFolder();
        dialog.timerCallback();
        dialog.hide();
    }
}

TEST_F(FileBrowserDialog, ABlankPatternListsEveryFile)
{
    auto& blank = makeDialog(1, " \t ");
    EXPECT_TRUE(fileBrowserIn(blank).isFileSuitable(root.getChildFile("notes.txt")));
    auto& presets = makeDialog(1);
    EXPECT_FALSE(fileBrowserIn(presets).isFileSuitable(root.getChildFile("notes.txt")));
    EXPECT_TRUE(fileBrowserIn(presets).isFileSuitable(root.getChildFile("a.vzrp")));
}

TEST_F(FileBrowserDialog, ListsOnlyRegularFilesAndFolders)
{
    const testsupport::WatchedPipe pipe(root.getChildFile("Pipe.vzrp"));
    ASSERT_TRUE(pipe.exists());
    ASSERT_TRUE(juce::File("/dev/zero").createSymbolicLink(root.getChildFile("Zero.vzrp"), true));
    ASSERT_TRUE(
        root.getChildFile("a.vzrp").createSymbolicLink(root.getChildFile("Link.vzrp"), true));

    for (const int mode : {1, 5})
    {
        SCOPED_TRACE(mode);
        const auto& browser = fileBrowserIn(makeDialog(mode));
        for (const auto& [name, listed] : std::vector<std::pair<const char*, bool>>{
                 {"a.vzrp", true}, {"Link.vzrp", true}, {"Pipe.vzrp", false}, {"Zero.vzrp", false}})
            EXPECT_EQ(browser.isFileSuitable(root.getChildFile(name)), listed) << name;
    }
    EXPECT_EQ(pipe.readersLetGo(), 0);
}

TEST_F(FileBrowserDialog, ShowsModallyWithAnEmptyNameAndPollsOkWhileUp)
{
    auto& dialog = makeDialog(5);
    auto& browser = fileBrowserIn(dialog);
    auto& ok = buttonNamed(dialog, "OK");

    browser.setFileName("left over");
    dialog.show();
    EXPECT_TRUE(isUpAndModal(dialog));
    EXPECT_TRUE(dialog.isTimerRunning());
    EXPECT_EQ(browser.getSelectedFile(0), root) << "the name field starts empty";
    EXPECT_TRUE(isDimmed(ok));

    browser.setFileName("Lead");
    dialog.timerCallback();
    EXPECT_TRUE(isActive(ok));
    browser.setFileName("Sub");
    dialog.timerCallback();
    EXPECT_TRUE(isDimmed(ok)) << "a folder is no file name";

    // A second show keeps the one modal state; one hide ends it and the poll.
    dialog.show();
    dialog.hide();
    EXPECT_FALSE(dialog.isVisible() || dialog.isCurrentlyModal(false));
    EXPECT_FALSE(dialog.isTimerRunning());
    dialog.hide();
    EXPECT_FALSE(dialog.isCurrentlyModal(false));
}

TEST_F(FileBrowserDialog, OpensInItsRootOnceTheRootExists)
{
    // Built before its folder exists, as the editor builds the save-as browser.
    const auto later = root.getChildFile("Later");
    VelmorFileBrowser dialog("browser_", "Save", later, "*.vzrp", 5, 1, 5, 3, 8);
    host.addChildComponent(dialog);
    later.createDirectory();
    dialog.show();
    EXPECT_EQ(fileBrowserIn(dialog).getRoot(), later);

    // A sub-folder the user went into is kept from one showing to the next.
    later.getChildFile("Deeper").createDirectory();
    fileBrowserIn(dialog).setRoot(later.getChildFile("Deeper"));
    dialog.hide();
    dialog.show();
    EXPECT_EQ(fileBrowserIn(dialog).getRoot(), later.getChildFile("Deeper"));
    dialog.hide();
}

TEST_F(FileBrowserDialog, OpenModeEnablesOkForAnExistingFileOnly)
{
    auto& dialog = makeDialog(1);
    auto& browser = fileBrowserIn(dialog);
    dialog.show();
    for (const auto& [name, enabled] : std::vector<std::pair<juce::String, bool>>{
             {"a.vzrp", true}, {"b.vzrp", false}, {"Sub", false}})
    {
        SCOPED_TRACE(name);
        browser.setFileName(name);
        dialog.timerCallback();
        EXPECT_EQ(isActive(buttonNamed(dialog, "OK")), enabled);
    }
    dialog.hide();
}

TEST_F(FileBrowserDialog, HandsTheModalStateBackToAModalParent)
{
    // A dialog inside a modal parent dialog takes the modal state only when asked to.
    juce::Component parent;
    host.addAndMakeVisible(parent);
    parent.setBounds(host.getLocalBounds());
    for (bool changeParent : {true, false})
    {
        SCOPED_TRACE(changeParent);
        VelmorFileBrowser dialog("browser_", "Save", root, "*", 5, 1, 5, 3, 8);
        parent.addChildComponent(dialog);
        dialog.needChangeParentModal(changeParent);
        parent.enterModalState(false);

        dialog.show();
        EXPECT_NE(parent.isCurrentlyModal(false), changeParent);
        dialog.hide();
        EXPECT_TRUE(parent.isCurrentlyModal(false));
        parent.exitModalState(0);
    }
}

TEST_F(FileBrowserDialog, ADoubleClickedFileActsAsOkOnlyWhileOkIsEnabled)
{
    OkCountingBrowser dialog("browser_", "Open", root, "*.vzrp", 1, 2, 1, 3, 8);
    host.addChildComponent(dialog);
    auto& browser = fileBrowserIn(dialog);
    dialog.show();

    browser.setFileName("b.vzrp");
    dialog.timerCallback();
    browser.fileDoubleClicked(root.getChildFile("b.vzrp"));
    dispatchPendingMessages();
    EXPECT_EQ(dialog.oks, 0);

    browser.setFileName("a.vzrp");
    dialog.timerCallback();
    browser.fileDoubleClicked(root.getChildFile("a.vzrp"));
    dispatchPendingMessages();
    EXPECT_EQ(dialog.oks, 1);
    dialog.hide();
}

// The path box shows the folder the browser shows: a path that fits whole, a longer one with its
// end (the shown folder's whole name after its parent's separator) inside the box, so that two
// folders never look the same.
TEST_F(FileBrowserDialog, ThePathBoxShowsTheEndOfALongPath)
{
    const auto deeper = root.getChildFile("Sub/Deeper Folder");
    ASSERT_TRUE(deeper.createDirectory());
    auto& dialog = makeDialog(5);
    dialog.show();
    auto& browser = fileBrowserIn(dialog);
    auto* pathBox = childOfType<juce::ComboBox>(browser);
    ASSERT_NE(pathBox, nullptr);
    auto* pathText = childOfType<juce::Label>(*pathBox);
    ASSERT_NE(pathText, nullptr);

    for (const auto& shown : {juce::File("/tmp"), root, root.getChildFile("Sub"), deeper})
    {
        SCOPED_TRACE(shown.getFullPathName());
        browser.setRoot(shown);
        const auto drawn = guitest::drawnGlyphs(*pathBox);
        ASSERT_FALSE(drawn.empty());
        const auto font = drawn.front().font;
        std::vector<int> glyphs;
        for (const auto& g : drawn)
        {
            glyphs.push_back(g.glyph);
            EXPECT_GE(g.origin.x, (float)pathText->getX() - 0.5f);
        }

        const auto path = shown.getFullPathName();
        const auto room = pathText->getBorderSize().subtractedFrom(pathText->getLocalBounds());
        if (font.getStringWidthFloat(path) <= (float)room.getWidth())
        {
            EXPECT_EQ(glyphs, guitest::visibleGlyphsOf(font, path));
            continue;
        }
        const auto end = guitest::visibleGlyphsOf(font, "/" + shown.getFileName());
        ASSERT_GE(glyphs.size(), end.size());
        EXPECT_TRUE(std::equal(end.rbegin(), end.rend(), glyphs.rbegin()))
            << "the path box ends with something else than \"/" << shown.getFileName() << "\"";
        const auto lastWidth = font.getStringWidthFloat(shown.getFileName().getLastCharacters(1));
        EXPECT_LE(drawn.back().origin.x + lastWidth, (float)pathText->getRight() + 0.5f);
    }
    dialog.hide();
}

namespace
{
class NewFolderPrompt : public FileBrowserDialog
{
protected:
    void SetUp() override
    {
        FileBrowserDialog::SetUp();
        dialog = &makeDialog(5);
        dialog->show();
        prompt =
            dynamic_cast<VelmorNewFolderComponent*>(childNamed(*dialog, "newFolderComponent_"));
        ASSERT_NE(prompt, nullptr);
        editor = dynamic_cast<juce::TextEditor*>(childNamed(*prompt, "textEditor_"));
        alert = childNamed(*prompt, "alertComponent_");
        ASSERT_NE(editor, nullptr);
        ASSERT_NE(alert, nullptr);
    }

    void openPromptAndType(const juce::String& name)
    {
        buttonNamed(*dialog, "New Folder").triggerClick();
        dispatchPendingMessages();
        editor->setText(name);
        prompt->timerCallback();
    }

    void pressOk() { prompt->buttonClicked(&buttonNamed(*prompt, "OK")); }

    juce::String alertText() const
    {
        return dynamic_cast<juce::Label*>(childNamed(*alert, "titleText_"))->getText();
    }

    VelmorFileBrowser* dialog = nullptr;
    VelmorNewFolderComponent* prompt = nullptr;
    juce::TextEditor* editor = nullptr;
    juce::Component* alert = nullptr;
};
} // namespace

TEST_F(NewFolderPrompt, OpensOverTheBrowserWithAnEmptyFieldAndADisabledOk)
{
    editor->setText("stale");
    buttonNamed(*dialog, "New Folder").triggerClick();
    dispatchPendingMessages();

    EXPECT_TRUE(isUpAndModal(*prompt));
    EXPECT_FALSE(dialog->isCurrentlyModal(false));
    EXPECT_EQ(prompt->getBounds(), juce::Rectangle<int>(0, 0, 325, 454));
    EXPECT_TRUE(editor->isEmpty());
    EXPECT_TRUE(isDimmed(buttonNamed(*prompt, "OK")));
    editor->setText("x");
    prompt->timerCallback();
    EXPECT_TRUE(isActive(buttonNamed(*prompt, "OK")));

    // Return with a disabled OK does nothing; Escape closes as CANCEL does.
    editor->clear();
    prompt->timerCallback();
    prompt->textEditorReturnKeyPressed(*editor);
    dispatchPendingMessages();
    EXPECT_TRUE(isUpAndModal(*prompt));
    prompt->textEditorEscapeKeyPressed(*editor);
    dispatchPendingMessages();
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_FALSE(prompt->isTimerRunning());
    EXPECT_TRUE(isUpAndModal(*dialog));
}

// Return typed right after the name, before the 200 ms poll has seen it, acts on that name: in the
// save-as browser (a click on OK) and in the prompt (the folder is made). With no name it still
// does nothing.
TEST_F(NewFolderPrompt, ReturnRightAfterTheNameActsOnIt)
{
    const auto pressReturn = [](juce::TextEditor& field)
    {
        field.keyPressed(juce::KeyPress(juce::KeyPress::returnKey));
        for (int pass = 0; pass < 3; ++pass) // the field's message, then OK's posted click
            dispatchPendingMessages();
    };

    buttonNamed(*dialog, "New Folder").triggerClick();
    dispatchPendingMessages();
    pressReturn(*editor);
    EXPECT_TRUE(isUpAndModal(*prompt)) << "an empty name";
    editor->insertTextAtCaret("Fresh");
    pressReturn(*editor);
    EXPECT_TRUE(root.getChildFile("Fresh").isDirectory());
    EXPECT_FALSE(prompt->isVisible());

    OkCountingBrowser browser("browser_", "Save", root, "*.vzrp", 5, 1, 5, 3, 8);
    host.addChildComponent(browser);
    browser.setBounds(0, 0, 325, 454);
    browser.show();
    auto* nameField = childOfType<juce::TextEditor>(fileBrowserIn(browser));
    ASSERT_NE(nameField, nullptr);
    pressReturn(*nameField);
    EXPECT_EQ(browser.oks, 0) << "an empty name";
    nameField->insertTextAtCaret("Verse");
    pressReturn(*nameField);
    EXPECT_EQ(browser.oks, 1);
    browser.hide();
}

TEST_F(NewFolderPrompt, RefusesNamesThatExistOrAreEmptyAfterCleaning)
{
    writeTextFile(root.getChildFile("Taken"));
    for (const auto& [name, message] : std::vector<std::pair<juce::String, juce::String>>{
             {"Sub", "The folder name already exist! Try different name."},
             {"Taken", "The folder name already exist! Try different name."},
             {"a.vzrp", "The folder name already exist! Try different name."},
             {".", "The folder name already exist! Try different name."},
             {"..", "The folder name already exist! Try different name."},
             {"?*|", ""},
             {"", ""},
             {"   ", ""},
             {" : ", ""}})
    {
        SCOPED_TRACE(name);
        openPromptAndType(name);
        const auto before = root.findChildFiles(juce::File::findFilesAndDirectories, true).size();
        pressOk();

        EXPECT_EQ(root.findChildFiles(juce::File::findFilesAndDirectories, true).size(), before);
        EXPECT_TRUE(prompt->isVisible());
        EXPECT_EQ(editor->getText(), name) << "the name is kept";
        if (name.trim().isEmpty())
        {
            EXPECT_TRUE(isDimmed(buttonNamed(*prompt, "OK")));
        }
        EXPECT_EQ(alert->isVisible(), message.isNotEmpty());
        if (message.isNotEmpty())
        {
            EXPECT_EQ(alertText(), message);
            EXPECT_TRUE(alert->isCurrentlyModal(false));
            buttonNamed(*alert, "OK").triggerClick();
            dispatchPendingMessages();
            EXPECT_TRUE(isUpAndModal(*prompt)) << "the prompt is modal again after the message";
        }
        prompt->hide();
    }
}

TEST_F(NewFolderPrompt, CreatesTheFolderInTheShownFolderAndCloses)
{
    const auto workingFolder = juce::File::getCurrentWorkingDirectory();
    fileBrowserIn(*dialog).setRoot(root.getChildFile("Sub"));
    for (const auto& [typed, created] :
         std::vector<std::pair<juce::String, juce::String>>{{"Fresh", "Sub/Fresh"},
                                                            {"a/b", "Sub/ab"},
                                                            {"~nobody-here", "Sub/~nobody-here"},
                                                            {"  Spaced Out  ", "Sub/Spaced Out"}})
    {
        SCOPED_TRACE(typed);
        openPromptAndType(typed);
        pressOk();
        EXPECT_TRUE(root.getChildFile(created).isDirectory());
        EXPECT_FALSE(prompt->isVisible());
        EXPECT_FALSE(prompt->isTimerRunning());
        EXPECT_TRUE(isUpAndModal(*dialog));
        EXPECT_EQ(fileBrowserIn(*dialog).getRoot(), root.getChildFile("Sub"));
    }
    EXPECT_FALSE(workingFolder.getChildFile("~nobody-here").exists());
}

TEST_F(NewFolderPrompt, ReportsAFolderThatCannotBeCreated)
{
    fileBrowserIn(*dialog).setRoot(juce::File("/proc/self"));
    openPromptAndType("Nope");
    pressOk();
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alertText(), "Couldn't create the folder! Try different name.");
    EXPECT_TRUE(prompt->isVisible());
}

TEST_F(NewFolderPrompt, NewFolderDoesNothingWhenTheShownFolderIsGone)
{
    const auto gone = root.getChildFile("Gone");
    gone.createDirectory();
    fileBrowserIn(*dialog).setRoot(gone);
    gone.deleteRecursively();
    dialog->createNewFolder();
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_TRUE(isUpAndModal(*dialog));
}
