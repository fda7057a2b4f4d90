#include "VelmorOptionMenuTree.h"
#include "MenuTreeSupport.h"
#include "TemporaryHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace
{
std::vector<juce::String> textsOf(const std::vector<MenuNode>& nodes)
{
    std::vector<juce::String> texts;
    for (const auto& node : nodes)
        texts.push_back(node.text);
    return texts;
}

struct ListenerCall
{
    juce::String selectedPath;
    juce::String text;
};

// Records what a label listener sees when it is called.
class RecordingListener final : public juce::Label::Listener
{
public:
    explicit RecordingListener(VelmorOptionMenuTree& menuToWatch) : menu(menuToWatch)
    {
        menu.addListener(this);
    }
    ~RecordingListener() override { menu.removeListener(this); }

    void labelTextChanged(juce::Label*) override
    {
        calls.push_back({menu.getSelectedFilePath(), menu.getText()});
    }

    std::vector<ListenerCall> calls;

private:
    VelmorOptionMenuTree& menu;
};

class OptionMenuTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.deleteRecursively();
        for (auto path :
             {"a.vzrp", "b.vzrp", "x.y.vzrp", "UP.VZRP", "notes.txt", "S/c.vzrp", "S/T/d.vzrp"})
            writeTextFile(root.getChildFile(path));
        root.getChildFile("Empty").createDirectory();

        menu.setDirectoryPath(root.getFullPathName());
        menu.setFileExtension("*.vzrp");
    }

    void TearDown() override { root.deleteRecursively(); }

    // The item id under which the last build listed a path relative to root.
    int idOf(const juce::String& relativePath) const
    {
        return ::idOf(menu, root.getChildFile(relativePath));
    }

    VelmorOptionMenuTree::Listing listingOfLastBuild() const { return ::listingOfLastBuild(menu); }

    const juce::File root = presetFolderInTemporaryHome();
    VelmorOptionMenuTree menu{"presetMenu_"};
};
} // namespace

TEST_F(OptionMenuTree, StartsAsACentredWhiteLabelOverTheMusicFolder)
{
    VelmorOptionMenuTree fresh("fresh_");
    EXPECT_EQ(fresh.getName(), "fresh_");
    EXPECT_TRUE(fresh.getText().isEmpty());
    EXPECT_EQ(fresh.getJustificationType(), juce::Justification::centred);
    EXPECT_EQ(fresh.findColour(juce::Label::textColourId), juce::Colours::white);
    EXPECT_FALSE(fresh.isEditableOnSingleClick() || fresh.isEditableOnDoubleClick());
    EXPECT_EQ(fresh.getNumOfFiles(), 1);
    EXPECT_EQ(fresh.getSelectedFileIndex(), 0);

    // The default root is the Music folder's "Audio Music Apps", here inside the temporary HOME.
    const auto apps = juce::File::getSpecialLocation(juce::File::userMusicDirectory)
                          .getChildFile("Audio Music Apps");
    ASSERT_TRUE(apps.isAChildOf(temporaryHome()));
    writeTextFile(apps.getChildFile("top.txt"));
    fresh.setAsRecursive(false);
    fresh.createMenuTree();
    EXPECT_EQ(fresh.getFilePath(0), apps.getChildFile("top.txt").getFullPathName());
    apps.getChildFile("top.txt").deleteFile();
}

TEST_F(OptionMenuTree, ListsSubFoldersBeforeFilesWithPostOrderIds)
{
    EXPECT_FALSE(menu.createMenuTree());
    const auto entries = describeMenu(menu.getRootMenu());

    // Sub-folders first (the empty one too), then the matching files; other types are left out,
    // upper-case extensions are not.
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_THAT(std::vector<juce::String>({entries[0].text, entries[1].text}),
                UnorderedElementsAre("S", "Empty"));
    EXPECT_THAT(std::vector<juce::String>(
                    {entries[2].text, entries[3].text, entries[4].text, entries[5].text}),
                UnorderedElementsAre("a.vzrp", "b.vzrp", "x.y.vzrp", "UP.VZRP"));
    EXPECT_TRUE(findEntry(entries, "Empty")->children.empty());

    const auto& s = findEntry(entries, "S")->children;
    EXPECT_THAT(textsOf(s), ElementsAre("T", "c.vzrp"));
    EXPECT_THAT(textsOf(s[0].children), ElementsAre("d.vzrp"));

    // Ids: every sub-tree before its folder's own files, the root's files last, no gaps.
    auto ids = itemIdsBelow(entries);
    std::sort(ids.begin(), ids.end());
    EXPECT_THAT(ids, ElementsAre(1, 2, 3, 4, 5, 6));
    EXPECT_EQ(idOf("S/T/d.vzrp"), 1);
    EXPECT_EQ(idOf("S/c.vzrp"), 2);
    EXPECT_GT(std::min({idOf("a.vzrp"), idOf("b.vzrp"), idOf("x.y.vzrp"), idOf("UP.VZRP")}), 2);
    EXPECT_EQ(menu.getNumOfFiles(), 7);

    // Names drop only the last extension; indices outside the lists give empty strings.
    EXPECT_EQ(menu.getFileName(idOf("x.y.vzrp") - 1), "x.y");
    EXPECT_EQ(menu.getFileName(idOf("UP.VZRP") - 1), "UP");
    EXPECT_TRUE(menu.getFilePath(6).isEmpty());
    EXPECT_TRUE(menu.getFileName(-1).isEmpty());
}

TEST_F(OptionMenuTree, WithoutRecursionListsTheRootFilesAlone)
{
    menu.setAsRecursive(false);
    menu.createMenuTree();
    EXPECT_THAT(textsOf(describeMenu(menu.getRootMenu())),
                UnorderedElementsAre("a.vzrp", "b.vzrp", "x.y.vzrp", "UP.VZRP"));
    EXPECT_EQ(menu.getNumOfFiles(), 5);
}

TEST_F(OptionMenuTree, AMissingRootGivesAnEmptyMenuAndTheNameFromThePath)
{
    menu.setDirectoryPath(root.getChildFile("nowhere").getFullPathName());
    menu.setSelectedFilePath("Sub/Lost.vzrp");
    EXPECT_TRUE(describeMenu(menu.getRootMenu()).empty());
    EXPECT_EQ(menu.getNumOfFiles(), 1);
    EXPECT_EQ(menu.getText(), "Lost");
    EXPECT_EQ(menu.getSelectedFilePath(), "Sub/Lost.vzrp");
}

TEST_F(OptionMenuTree, SelectsOneFileByAnySpellingOfItsPathInsideTheRoot)
{
    for (const auto& path : juce::StringArray{"S/c.vzrp", "S\\c.vzrp", "./S/T/../c.vzrp",
                                              root.getChildFile("S/c.vzrp").getFullPathName()})
    {
        SCOPED_TRACE(path);
        menu.setSelectedFileIndex(0);
        menu.setSelectedFilePath(path);
        EXPECT_EQ(menu.getSelectedFileIndex(), idOf("S/c.vzrp"));
        EXPECT_EQ(menu.getSelectedFilePath(), "S/c.vzrp");
        EXPECT_EQ(menu.getText(), "c");
        const auto entries = describeMenu(menu.getRootMenu());
        EXPECT_TRUE(findEntry(findEntry(entries, "S")->children, "c.vzrp")->isTicked);
    }
}

TEST_F(OptionMenuTree, NeverSelectsAFileOutsideTheRoot)
{
    // Real files beside and above the root, reached by paths that a project file could hold.
    const auto sibling = root.getSiblingFile(root.getFileName() + "-old").getChildFile("a.vzrp");
    const auto above = root.getParentDirectory().getChildFile("above.vzrp");
    writeTextFile(sibling);
    writeTextFile(above);

    menu.setSelectedFilePath("a.vzrp");
    const int selected = menu.getSelectedFileIndex();
    for (const auto& path : juce::StringArray{
             "../above.vzrp", "S/../../above.vzrp", above.getFullPathName(),
             "../" + root.getFileName() + "-old/a.vzrp", sibling.getFullPathName(), "~/a.vzrp"})
    {
        SCOPED_TRACE(path);
        EXPECT_FALSE(
            [&]
            {
                menu.setSelectedFilePath(path);
                return menu.createMenuTree();
            }());
        EXPECT_EQ(menu.getSelectedFileIndex(), selected);
        EXPECT_THAT(itemIdsBelow(describeMenu(menu.getRootMenu())).size(), 6u);
    }
    sibling.getParentDirectory().deleteRecursively();
    above.deleteFile();
}

TEST_F(OptionMenuTree, StepsThroughTheListWithWrapAround)
{
    menu.createMenuTree();
    const int count = menu.getNumOfFiles() - 1;

    // Nothing selected: next gives the first file, previous the last.
    menu.nextResult();
    EXPECT_EQ(menu.getSelectedFileIndex(), 1);
    EXPECT_EQ(menu.getText(), "d");
    EXPECT_EQ(menu.getSelectedFilePath(), "S/T/d.vzrp");
    menu.setSelectedFileIndex(0);
    EXPECT_EQ(menu.getSelectedFileIndex(), 1) << "id 0 is ignored";

    std::vector<int> forward;
    for (int step = 0; step < count; ++step)
    {
        menu.nextResult();
        forward.push_back(menu.getSelectedFileIndex());
    }
    std::vector<int> expected(static_cast<size_t>(count));
    std::iota(expected.begin(), expected.end(), 2);
    expected.back() = 1;
    EXPECT_EQ(forward, expected);

    menu.previousResult();
    EXPECT_EQ(menu.getSelectedFileIndex(), count);
    menu.setSelectedFileIndex(menu.getNumOfFiles());
    EXPECT_EQ(menu.getSelectedFileIndex(), count) << "the id past the last is ignored";
}

TEST_F(OptionMenuTree, SteppingRecoversWhenFilesDisappearedBelowTheSelection)
{
    menu.createMenuTree();
    menu.setSelectedFileIndex(menu.getNumOfFiles() - 1);
    const int oldLast = menu.getSelectedFileIndex();

    for (auto path : {"a.vzrp", "b.vzrp", "x.y.vzrp", "UP.VZRP"})
        root.getChildFile(path).deleteFile();
    menu.setSelectedFilePath("gone.vzrp"); // a rescan that keeps the old index
    ASSERT_EQ(menu.getSelectedFileIndex(), oldLast);
    ASSERT_EQ(menu.getNumOfFiles(), 3);

    menu.previousResult();
    EXPECT_EQ(menu.getSelectedFileIndex(), 1);
    menu.setSelectedFileIndex(oldLast);
    menu.nextResult();
    EXPECT_EQ(menu.getSelectedFileIndex(), 2) << "the stale index was not accepted again";

    menu.setSelectedFilePath("gone.vzrp");
    menu.nextResult();
    EXPECT_EQ(menu.getSelectedFileIndex(), 1);
}

TEST_F(OptionMenuTree, AChoiceNotifiesOnceWithTheNewPathAndThenShowsTheName)
{
    RecordingListener listener(menu);
    menu.setSelectedFilePath("a.vzrp");

    menu.menuResult(idOf("S/c.vzrp"), listingOfLastBuild());
    ASSERT_EQ(listener.calls.size(), 1u);
    EXPECT_EQ(listener.calls[0].selectedPath, "S/c.vzrp");
    EXPECT_EQ(listener.calls[0].text, "a") << "listeners run before the text changes";
    EXPECT_EQ(menu.getText(), "c");
    EXPECT_EQ(menu.getSelectedFileIndex(), idOf("S/c.vzrp"));

    // The same file again notifies only when the label's text differs from its name.
    menu.menuResult(idOf("S/c.vzrp"), listingOfLastBuild());
    EXPECT_EQ(listener.calls.size(), 1u);
    menu.setText("c*", juce::dontSendNotification);
    menu.menuResult(idOf("S/c.vzrp"), listingOfLastBuild());
    EXPECT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(menu.getText(), "c");

    // Dismissed, or an id the menu never had: nothing changes.
    for (int result : {0, -1, 99})
        menu.menuResult(result, listingOfLastBuild());
    EXPECT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(menu.getSelectedFilePath(), "S/c.vzrp");
}

TEST_F(OptionMenuTree, AChoiceNotifiesUnlessItRepeatsTheLastChoiceUnchanged)
{
    // How the selection got where it is before a file is chosen from the menu, and whether that
    // choice reaches the listeners (which load the file).
    const struct
    {
        const char* story;
        std::vector<const char*> steps; // "choose x", "select x" (by path), "mark"
        const char* chosen;
        bool notifies;
    } cases[] = {
        {"selected at the start, never chosen", {"select a.vzrp"}, "a.vzrp", true},
        {"the last choice again", {"choose a.vzrp"}, "a.vzrp", false},
        {"the last choice again, marked", {"choose a.vzrp", "mark"}, "a.vzrp", true},
        {"stepped on from the last choice", {"choose a.vzrp", "select b.vzrp"}, "b.vzrp", true},
        {"back to the last choice", {"choose a.vzrp", "select b.vzrp"}, "a.vzrp", true},
        {"stepped away and back",
         {"choose a.vzrp", "select b.vzrp", "select a.vzrp"},
         "a.vzrp",
         false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.story);
        VelmorOptionMenuTree fresh("presetMenu_");
        fresh.setDirectoryPath(root.getFullPathName());
        fresh.setFileExtension("*.vzrp");
        fresh.createMenuTree();
        const auto choose = [&](const juce::String& path)
        { fresh.menuResult(::idOf(fresh, root.getChildFile(path)), ::listingOfLastBuild(fresh)); };

        for (const juce::String step : c.steps)
        {
            const auto path = step.fromFirstOccurrenceOf(" ", false, false);
            if (step.startsWith("choose"))
                choose(path);
            else if (step.startsWith("select"))
                fresh.setSelectedFilePath(path);
            else
                fresh.setText(fresh.getText() + "*", juce::dontSendNotification);
        }

        RecordingListener listener(fresh);
        choose(c.chosen);
        EXPECT_EQ(listener.calls.size(), c.notifies ? 1u : 0u);
        EXPECT_EQ(fresh.getSelectedFilePath(), c.chosen);
        EXPECT_EQ(fresh.getText(), juce::String(c.chosen).upToLastOccurrenceOf(".", false, false));
    }
}

TEST_F(OptionMenuTree, ChoosingAFileThatSharesTheShownNameLoadsIt)
{
    writeTextFile(root.getChildFile("c.vzrp"));
    RecordingListener listener(menu);
    menu.createMenuTree();
    menu.menuResult(idOf("S/c.vzrp"), listingOfLastBuild());

    // Elsewhere the selection moves to the root's c.vzrp, which shows the same name.
    menu.setSelectedFilePath("c.vzrp");
    ASSERT_EQ(menu.getText(), "c");

    menu.menuResult(idOf("S/c.vzrp"), listingOfLastBuild());
    ASSERT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(listener.calls[1].selectedPath, "S/c.vzrp");
}

TEST_F(OptionMenuTree, AChoiceMapsToTheFileTheShownMenuListed)
{
    menu.createMenuTree();
    const auto shown = listingOfLastBuild();
    const int idOfC = idOf("S/c.vzrp");

    // While the menu is open a rescan renumbers the files.
    root.getChildFile("S/T/d.vzrp").deleteFile();
    menu.setSelectedFilePath("a.vzrp");
    ASSERT_NE(idOf("S/c.vzrp"), idOfC);

    menu.menuResult(idOfC, shown);
    EXPECT_EQ(menu.getSelectedFilePath(), "S/c.vzrp");
    EXPECT_EQ(menu.getText(), "c");
    EXPECT_EQ(menu.getSelectedFileIndex(), idOf("S/c.vzrp"));
}

TEST_F(OptionMenuTree, TheRelativePathStripsTheRootOnce)
{
    // A sub-folder chain that repeats the root's own path text.
    const auto nested = root.getChildFile(root.getFullPathName().substring(1));
    writeTextFile(nested.getChildFile("deep.vzrp"));
    const auto expected = root.getFullPathName().substring(1) + "/deep.vzrp";

    menu.setSelectedFilePath(expected);
    EXPECT_EQ(menu.getText(), "deep");
    EXPECT_EQ(menu.getSelectedFilePath(), expected);

    menu.setSelectedFileIndex(1);
    menu.setSelectedFileIndex(idOf(expected));
    EXPECT_EQ(menu.getSelectedFilePath(), expected);
    menu.menuResult(idOf("a.vzrp"), listingOfLastBuild());
    menu.menuResult(idOf(expected), listingOfLastBuild());
    EXPECT_EQ(menu.getSelectedFilePath(), expected);
}

TEST_F(OptionMenuTree, SymbolicLinksIntoTheTreeCannotMakeTheBuildEndless)
{
    // A link back to an ancestor, a link to the root itself, and a ladder of 24 rungs with two
    // links to the next rung each (2^24 roads to the last rung without protection).
    ASSERT_TRUE(root.getChildFile("S").createSymbolicLink(root.getChildFile("S/T/up"), true));
    ASSERT_TRUE(root.createSymbolicLink(root.getChildFile("S/home"), true));
    const auto ladder = root.getSiblingFile("ladder");
    for (int rung = 0; rung < 24; ++rung)
    {
        const auto here = ladder.getChildFile(juce::String(rung));
        const auto next = ladder.getChildFile(juce::String(rung + 1));
        here.createDirectory();
        next.createDirectory();
        ASSERT_TRUE(next.createSymbolicLink(here.getChildFile("left"), true));
        ASSERT_TRUE(next.createSymbolicLink(here.getChildFile("right"), true));
    }
    writeTextFile(ladder.getChildFile("24/top.vzrp"));
    ASSERT_TRUE(ladder.getChildFile("0").createSymbolicLink(root.getChildFile("ladder"), true));

    menu.createMenuTree();
    const auto entries = describeMenu(menu.getRootMenu());
    const auto& t = findEntry(findEntry(entries, "S")->children, "T")->children;
    EXPECT_EQ(findEntry(t, "up"), nullptr);
    EXPECT_EQ(findEntry(findEntry(entries, "S")->children, "home"), nullptr);
    EXPECT_EQ(menu.getNumOfFiles(), 8) << "the ladder's file is listed once";
    ladder.deleteRecursively();
}

TEST_F(OptionMenuTree, NamesThatAreNotUtf8AreLeftOut)
{
    // The file system hands over any bytes as a name, and some malformed sequences make the
    // framework's text conversion copy more bytes than it counted. Listings leave such names out
    // (so the fixture's deleteRecursively cannot see them either): they are made and removed here.
    struct BadNames
    {
        explicit BadNames(const std::string& folder)
            : paths{folder + "\xc0" + std::string(200, 'n') + ".vzrp", folder + "half\xe2\x82.vzrp",
                    folder + "\xff.vzrp", folder + "\xc0" + std::string(100, 'd')}
        {
            for (size_t i = 0; i + 1 < paths.size(); ++i)
                std::ofstream(paths[i]) << "x";
            std::filesystem::create_directory(paths.back());
        }
        ~BadNames()
        {
            for (const auto& path : paths)
                std::filesystem::remove(path);
        }
        const std::vector<std::string> paths;
    } badNames(root.getFullPathName().toStdString() + "/");

    // The framework could not name these files: they are not listed, the others are.
    menu.createMenuTree();
    EXPECT_EQ(menu.getNumOfFiles(), 7);
    for (int index = 0; index + 1 < menu.getNumOfFiles(); ++index)
        EXPECT_TRUE(
            juce::CharPointer_UTF8::isValidString(menu.getFilePath(index).toRawUTF8(), 1 << 20));
    EXPECT_THAT(textsOf(describeMenu(menu.getRootMenu())),
                UnorderedElementsAre("S", "Empty", "a.vzrp", "b.vzrp", "x.y.vzrp", "UP.VZRP"));
}
