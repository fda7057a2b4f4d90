#include "VelmorPresetMenu.h"
#include "EditorTestSupport.h"
#include "FileSystemLimits.h"
#include "GuiTestSupport.h"
#include "MenuTreeSupport.h"
#include "StompixZR7714AudioProcessor.h"
#include "TemporaryHome.h"
#include "WatchedPipe.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
bool writePresetFile(const StompixZR7714AudioProcessor& processor, const juce::File& file)
{
    return file.getParentDirectory().createDirectory().wasOk() &&
           processor.writePreset(true).writeTo(file);
}

class PresetMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.deleteRecursively();
        processor.setParameter(4, 0.25f); // depth
        ASSERT_TRUE(writePresetFile(processor, folder.getChildFile("Init.vzrp")));
        writeTextFile(folder.getChildFile("Broken.vzrp"), "<velmorPatch");

        menu.setDirectoryPath(folder.getFullPathName());
        menu.setFileExtension("*.vzrp");
        menu.setSelectedFilePath("Init.vzrp");
    }

    void TearDown() override
    {
        folder.deleteRecursively();
        folder.getSiblingFile(folder.getFileName() + "-old").deleteRecursively();
    }

    VelmorOptionMenuTree::Listing listingOfLastBuild() const { return ::listingOfLastBuild(menu); }
    int idOf(const juce::File& file) const { return ::idOf(menu, file); }

    const juce::File folder = presetFolderInTemporaryHome();
    StompixZR7714AudioProcessor processor;
    VelmorPresetMenu menu{"presetMenu_"};
};
} // namespace

TEST_F(PresetMenu, TheChangedMarkIsAppendedOnceAndRemovedBySelection)
{
    ASSERT_EQ(menu.getText(), "Init");
    menu.setPresetHasChanged();
    menu.setPresetHasChanged();
    EXPECT_EQ(menu.getText(), "Init*");

    // A dismissed menu leaves the mark (and its flag) alone.
    menu.menuResult(0, listingOfLastBuild());
    menu.setPresetHasChanged();
    EXPECT_EQ(menu.getText(), "Init*");

    // A rejected index changes nothing; an accepted one, or a file found by path, clears it.
    menu.setSelectedFileIndex(0);
    EXPECT_EQ(menu.getText(), "Init*");
    menu.setSelectedFileIndex(idOf(folder.getChildFile("Init.vzrp")));
    EXPECT_EQ(menu.getText(), "Init");
    menu.setPresetHasChanged();
    menu.setSelectedFilePath("Init.vzrp");
    EXPECT_EQ(menu.getText(), "Init");

    // A preset outside the tree is always shown as changed, with one mark.
    menu.setSelectedFilePath("Elsewhere/Gone.vzrp");
    menu.setPresetHasChanged();
    EXPECT_EQ(menu.getText(), "Gone*");

    // Choosing from the menu clears it; the flag alone can be set without touching the text.
    menu.menuResult(idOf(folder.getChildFile("Init.vzrp")), listingOfLastBuild());
    EXPECT_EQ(menu.getText(), "Init");
    menu.setMarkedAsChange(true);
    menu.setPresetHasChanged();
    EXPECT_EQ(menu.getText(), "Init");
}

TEST_F(PresetMenu, ChoosingTheMarkedPresetAgainReloadsIt)
{
    struct Loader final : juce::Label::Listener
    {
        void labelTextChanged(juce::Label*) override { ++loads; }
        int loads = 0;
    } loader;
    menu.addListener(&loader);

    const int init = idOf(folder.getChildFile("Init.vzrp"));
    menu.menuResult(init, listingOfLastBuild());
    EXPECT_EQ(loader.loads, 1) << "selected by path, never chosen: loaded";
    menu.menuResult(init, listingOfLastBuild());
    EXPECT_EQ(loader.loads, 1) << "the last choice, unchanged: nothing to load";
    menu.setPresetHasChanged();
    menu.menuResult(init, listingOfLastBuild());
    EXPECT_EQ(loader.loads, 2);
    EXPECT_EQ(menu.getText(), "Init");
    menu.removeListener(&loader);
}

TEST_F(PresetMenu, ReadsPresetFilesInsideTheFolderOnly)
{
    StompixZR7714AudioProcessor fresh;
    EXPECT_EQ(menu.readPreset(&fresh, "Init.vzrp"), 1);
    EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.25f);

    fresh.setParameter(4, 0.5f);
    EXPECT_EQ(menu.readPreset(&fresh, folder.getChildFile("Init.vzrp").getFullPathName()), 1);
    EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.25f);

    // Valid presets that a path from a project file could reach outside the folder.
    const auto above = folder.getParentDirectory().getChildFile("Above.vzrp");
    const auto sibling =
        folder.getSiblingFile(folder.getFileName() + "-old").getChildFile("Old.vzrp");
    ASSERT_TRUE(writePresetFile(processor, above));
    ASSERT_TRUE(writePresetFile(processor, sibling));

    fresh.setParameter(4, 0.5f);
    for (const auto& path : juce::StringArray{"Missing.vzrp", "Broken.vzrp", "", "../Above.vzrp",
                                              "Sub/../../Above.vzrp", above.getFullPathName(),
                                              sibling.getFullPathName(),
                                              "../" + folder.getFileName() + "-old/Old.vzrp"})
    {
        SCOPED_TRACE(path);
        EXPECT_EQ(menu.readPreset(&fresh, path), 0);
        EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.5f);
    }
    EXPECT_EQ(menu.readPreset(nullptr, "Init.vzrp"), 0);
    above.deleteFile();
}

TEST_F(PresetMenu, ADeeplyNestedPresetFileIsRefusedNotParsed)
{
    // 300,000 nested elements in 900 KB: enough to run a recursive parser out of stack.
    writeTextFile(folder.getChildFile("Deep.vzrp"), juce::String::repeatedString("<a>", 300000));
    StompixZR7714AudioProcessor fresh;
    fresh.setParameter(4, 0.5f);

    EXPECT_EQ(menu.readPreset(&fresh, "Deep.vzrp"), 0);
    menu.setSelectedFilePath("Deep.vzrp");
    menu.compareAndMarkPreset(&fresh);
    EXPECT_EQ(menu.getText(), "Deep");
    EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.5f);
}

TEST_F(PresetMenu, ALeadingTildeIsPartOfAPresetsName)
{
    processor.setParameter(4, 0.125f);
    const auto home = temporaryHome();
    for (const auto& path : juce::StringArray{"~Tilde.vzrp", "Sub/~Inner.vzrp", "~/Plain.vzrp",
                                              "~root/Named.vzrp", "~Dir\\Back.vzrp"})
    {
        SCOPED_TRACE(path);
        const auto slashed = path.replaceCharacter('\\', '/');
        const auto file = fileBelow(folder, slashed);
        const auto name = file.getFileNameWithoutExtension();

        const auto written = menu.writePreset(&processor, path);
        EXPECT_TRUE(written.wasOk()) << written.getErrorMessage();
        EXPECT_TRUE(file.existsAsFile());
        EXPECT_EQ(menu.getSelectedFilePath(), slashed);
        EXPECT_EQ(menu.getText(), name);

        StompixZR7714AudioProcessor fresh;
        EXPECT_EQ(menu.readPreset(&fresh, path), 1);
        EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.125f);

        // Found in the tree again: shown unmarked, and unchanged against the file.
        menu.setSelectedFilePath("Init.vzrp");
        menu.setSelectedFilePath(path);
        menu.compareAndMarkPreset(&fresh);
        EXPECT_EQ(menu.getText(), name);
        EXPECT_EQ(menu.getSelectedFileIndex(), idOf(file));
    }
    EXPECT_FALSE(home.getChildFile("Plain.vzrp").exists());
}

TEST_F(PresetMenu, OnlyRegularFilesAreListedReadOrCompared)
{
    // A pipe would block its reader for ever, the device would be read until memory runs out.
    const testsupport::WatchedPipe pipe(folder.getChildFile("Pipe.vzrp"));
    ASSERT_TRUE(pipe.exists());
    ASSERT_TRUE(juce::File("/dev/zero").createSymbolicLink(folder.getChildFile("Zero.vzrp"), true));
    ASSERT_TRUE(folder.getChildFile("Gone.vzrp")
                    .createSymbolicLink(folder.getChildFile("Dangling.vzrp"), true));
    ASSERT_TRUE(folder.getChildFile("Init.vzrp")
                    .createSymbolicLink(folder.getChildFile("Linked.vzrp"), true));

    // The menu and the steps offer regular files only, a link to one among them.
    menu.createMenuTree();
    auto listed = listingOfLastBuild().fileNames;
    listed.sort(false);
    EXPECT_EQ(listed.joinIntoString(" "), "Broken Init Linked");
    juce::StringArray stepped;
    for (int step = 0; step < 6; ++step)
    {
        step < 3 ? menu.nextResult() : menu.previousResult();
        stepped.addIfNotAlreadyThere(menu.getSelectedFilePath());
    }
    stepped.sort(false);
    EXPECT_EQ(stepped.joinIntoString(" "), "Broken.vzrp Init.vzrp Linked.vzrp");

    // Named by a path (a host's state, a menu shown before the entry changed), nothing is read.
    StompixZR7714AudioProcessor fresh;
    fresh.setParameter(4, 0.5f);
    for (const auto* name : {"Pipe", "Dangling", "Zero"})
    {
        SCOPED_TRACE(name);
        const auto path = juce::String(name) + ".vzrp";
        EXPECT_EQ(menu.readPreset(&fresh, path), 0);
        menu.setSelectedFilePath(path);
        menu.compareAndMarkPreset(&fresh);
        EXPECT_EQ(menu.getText(), juce::String(name) + "*") << "not in the tree";
        EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.5f);
        EXPECT_EQ(pipe.readersLetGo(), 0) << "the pipe was opened to be read";
    }
    EXPECT_EQ(menu.readPreset(&fresh, "Linked.vzrp"), 1);
    EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.25f);
}

TEST_F(PresetMenu, ComparingMarksOnlyADifferenceFromTheSelectedFile)
{
    menu.compareAndMarkPreset(&processor);
    EXPECT_EQ(menu.getText(), "Init");

    processor.setParameter(4, 0.75f);
    menu.compareAndMarkPreset(&processor);
    EXPECT_EQ(menu.getText(), "Init*");

    // It never removes a mark, and does nothing without a file or a processor.
    processor.setParameter(4, 0.25f);
    menu.compareAndMarkPreset(&processor);
    EXPECT_EQ(menu.getText(), "Init*");
    menu.setSelectedFilePath("Broken.vzrp");
    menu.compareAndMarkPreset(&processor);
    menu.compareAndMarkPreset(nullptr);
    EXPECT_EQ(menu.getText(), "Broken");
}

TEST_F(PresetMenu, WritesIntoNewSubFoldersAndSelectsTheNewPreset)
{
    processor.setParameter(6, 0.125f); // mix
    menu.setPresetHasChanged();

    for (const auto& path :
         juce::StringArray{"New/Sub/Lead.vzrp", folder.getChildFile("Full.vzrp").getFullPathName()})
    {
        SCOPED_TRACE(path);
        const auto result = menu.writePreset(&processor, path);
        EXPECT_TRUE(result.wasOk()) << result.getErrorMessage();
    }

    const auto lead = folder.getChildFile("New/Sub/Lead.vzrp");
    EXPECT_TRUE(lead.loadFileAsString().startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    StompixZR7714AudioProcessor fresh;
    EXPECT_EQ(menu.readPreset(&fresh, "New/Sub/Lead.vzrp"), 1);
    EXPECT_FLOAT_EQ(fresh.getParameter(6), 0.125f);

    // The last write is selected, ticked and unmarked; the first shows up as a sub-menu tree.
    EXPECT_EQ(menu.getSelectedFilePath(), "Full.vzrp");
    EXPECT_EQ(menu.getText(), "Full");
    menu.writePreset(&processor, "New/Sub/Lead.vzrp");
    const auto entries = describeMenu(menu.getRootMenu());
    const auto* sub = findEntry(findEntry(entries, "New")->children, "Sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(findEntry(sub->children, "Lead.vzrp")->isTicked);
    EXPECT_EQ(menu.getSelectedFilePath(), "New/Sub/Lead.vzrp");
}

TEST_F(PresetMenu, AFailedWriteKeepsTheOldFileTheSelectionAndTheMark)
{
    // A preset whose new contents do not fit (the process may write no file longer than 0
    // bytes), a name too long for the file system (256 bytes), and paths no preset may have.
    const auto existing = folder.getChildFile("Existing.vzrp");
    ASSERT_TRUE(existing.replaceWithText("old contents"));
    writeTextFile(folder.getChildFile("Plain.file"));
    folder.getChildFile("Folder.vzrp").createDirectory();
    menu.setPresetHasChanged();
    const auto before = folder.findChildFiles(juce::File::findFilesAndDirectories, true);

    for (const auto& path :
         juce::StringArray{"Existing.vzrp", juce::String::repeatedString("m", 251) + ".vzrp",
                           "Plain.file/Inner.vzrp", "Folder.vzrp", "../Outside.vzrp",
                           "/tmp/Outside.vzrp", "../" + folder.getFileName() + "-old/New.vzrp"})
    {
        SCOPED_TRACE(path);
        std::optional<FileSizeLimit> nothingFits;
        if (path == existing.getFileName())
            nothingFits.emplace(0);
        const auto result = menu.writePreset(&processor, path);
        EXPECT_TRUE(result.failed());
        EXPECT_TRUE(result.getErrorMessage().startsWith("Couldn't save the preset!"));
    }
    EXPECT_TRUE(menu.writePreset(nullptr, "Fine.vzrp").failed());

    EXPECT_EQ(existing.loadFileAsString(), "old contents");
    EXPECT_EQ(folder.findChildFiles(juce::File::findFilesAndDirectories, true).size(),
              before.size())
        << "no empty or temporary file left behind";
    EXPECT_FALSE(folder.getParentDirectory().getChildFile("Outside.vzrp").exists());
    EXPECT_FALSE(juce::File("/tmp/Outside.vzrp").exists());
    EXPECT_FALSE(folder.getSiblingFile(folder.getFileName() + "-old").exists());
    EXPECT_EQ(menu.getSelectedFilePath(), "Init.vzrp");
    EXPECT_EQ(menu.getText(), "Init*");
}

namespace
{
// The lowest row with ink in the rightmost column with ink, and the middle row of all the ink:
// a "*" ends the text high in the line, an ellipsis on the baseline.
bool endsHighInTheLine(const juce::Image& picture)
{
    const auto inked = [&](int x, int y) { return picture.getPixelAt(x, y).getAlpha() > 96; };
    int top = picture.getHeight(), bottom = -1, right = -1;
    for (int y = 0; y < picture.getHeight(); ++y)
        for (int x = 0; x < picture.getWidth(); ++x)
            if (inked(x, y))
            {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                right = std::max(right, x);
            }
    int lowestAtRight = -1;
    for (int y = 0; y < picture.getHeight(); ++y)
        if (right >= 0 && inked(right, y))
            lowestAtRight = y;
    return right >= 0 && lowestAtRight < (top + bottom) / 2;
}
} // namespace

TEST_F(PresetMenu, ALongNameIsShortenedToKeepTheMarkInSight)
{
    const juce::String longName = "Slow Swirly Phase for Ambient Guitar Pads Long";
    ASSERT_TRUE(writePresetFile(processor, folder.getChildFile(longName + ".vzrp")));
    menu.setBounds(0, 0, 192, 26); // as the editor places and colours it
    menu.setColour(juce::Label::textColourId, juce::Colours::black);
    menu.setSelectedFilePath(longName + ".vzrp");
    menu.setPresetHasChanged();

    EXPECT_EQ(menu.getText(), longName + "*") << "the text itself is not shortened";
    EXPECT_TRUE(endsHighInTheLine(guitest::snapshot(menu)));
    guitest::saveSnapshotIfAsked(menu, "preset-name-long-marked");

    // Whatever needs no room for a mark is drawn as the framework draws any label.
    juce::Label plain("plain_");
    plain.setBounds(menu.getBounds());
    plain.setJustificationType(menu.getJustificationType());
    plain.setColour(juce::Label::textColourId, menu.findColour(juce::Label::textColourId));
    for (const auto& path : {longName + ".vzrp", juce::String("Init.vzrp")})
    {
        SCOPED_TRACE(path);
        menu.setSelectedFilePath(path);
        plain.setText(menu.getText(), juce::dontSendNotification);
        EXPECT_TRUE(samePixels(guitest::snapshot(menu), guitest::snapshot(plain)));
        menu.setPresetHasChanged();
        plain.setText(menu.getText(), juce::dontSendNotification);
        if (path == "Init.vzrp")
        {
            EXPECT_TRUE(samePixels(guitest::snapshot(menu), guitest::snapshot(plain)));
        }
    }
}
