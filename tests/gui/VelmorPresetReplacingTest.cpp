#include "ChildProcess.h"
#include "DialogTestSupport.h"
#include "GuardedXml.h"
#include "MenuTreeSupport.h"
#include "PresetTestSupport.h"
#include "StompixZR7714AudioProcessor.h"
#include "TemporaryHome.h"
#include "UnprivilegedUser.h"
#include "VelmorFileBrowser.h"
#include "VelmorFolderWalk.h"
#include "VelmorPresetMenu.h"
#include "VelmorPresetSaving.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// A save's temporary file as the save names it: the test lays such names out by hand to see
// which ones the next save takes for leftovers.
juce::String temporaryName(pid_t process, const char* hexDigits)
{
    return ".vzrp-saving." + juce::String(process) + "." + hexDigits;
}

// A process that has ended: its id names no running process any more.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

juce::String namesOf(const juce::Array<juce::File>& files)
{
    juce::StringArray names;
    for (const auto& file : files)
        names.add(file.getFileName());
    return names.joinIntoString(", ");
}

struct stat statusOf(const juce::File& file)
{
    struct stat status = {};
    ::lstat(file.getFullPathName().toRawUTF8(), &status);
    return status;
}

juce::MemoryBlock contentsOf(const juce::File& file)
{
    juce::MemoryBlock contents;
    file.loadFileAsData(contents);
    return contents;
}

// Saving over what a preset folder may hold, through the editor's save path: the processor's
// settings (a depth of 0.75) over presets saved with a depth of 0.25, in the preset folder and in
// a shared folder beside it ("elsewhere").
class PresetReplacing : public ::testing::Test
{
protected:
    PresetReplacing()
    {
        StompixZR7714AudioProcessor older;
        older.setParameter(4, 0.25f); // depth
        juce::MemoryOutputStream document(oldPreset, false);
        older.writePreset(true).writeTo(document);
        processor.setParameter(4, 0.75f);
    }

    void TearDown() override
    {
        folder.deleteRecursively();
        elsewhere.deleteRecursively();
    }

    // The folders as each case starts: Init.vzrp in the preset folder, selected, and an empty
    // shared folder.
    void layAnew()
    {
        TearDown();
        ASSERT_TRUE(folder.createDirectory() && elsewhere.createDirectory());
        writeOldPreset(init);
        menu.setDirectoryPath(folder.getFullPathName());
        menu.setFileExtension("*.vzrp");
        menu.setSelectedFilePath("Init.vzrp");
        slotPath() = "Init.vzrp";
    }

    void writeOldPreset(const juce::File& file) const
    {
        ASSERT_TRUE(file.replaceWithData(oldPreset.getData(), oldPreset.getSize()));
    }

    juce::String& slotPath() { return activePresetPath(processor); }
    static float depthIn(const juce::File& file) { return depthInPreset(file); }

    // Every entry of both folders, whatever it is, the shared folder's as "elsewhere/<name>".
    juce::String entries() const
    {
        juce::StringArray names;
        for (const auto& [root, prefix] :
             {std::pair{folder, juce::String()}, std::pair{elsewhere, juce::String("elsewhere/")}})
        {
            std::error_code error;
            const std::filesystem::path top = root.getFullPathName().toStdString();
            for (const auto& entry : std::filesystem::recursive_directory_iterator(top, error))
                names.add(prefix + juce::String(entry.path().lexically_relative(top).string()));
        }
        names.sort(false);
        return names.joinIntoString(", ");
    }

    juce::Result save(const juce::File& target)
    {
        return velmor::saveCurrentPreset(processor, menu, target);
    }

    // The save as a user who may not write every file (in a child process when this is root),
    // with the outcome told through the exit status.
    juce::Result saveUnprivileged(const juce::File& target, const juce::String& expectedFailure)
    {
        enum Outcome
        {
            saved,
            failedAsExpected,
            failedOtherwise
        };
        const int outcome = unprivileged::run(folder,
                                              [&]
                                              {
                                                  const auto result = save(target);
                                                  if (result.wasOk())
                                                      return saved;
                                                  return result.getErrorMessage() == expectedFailure
                                                             ? failedAsExpected
                                                             : failedOtherwise;
                                              });
        if (outcome == saved)
            return juce::Result::ok();
        return juce::Result::fail(outcome == failedAsExpected
                                      ? expectedFailure
                                      : "another failure, or an end in the child: " +
                                            juce::String(outcome));
    }

    // A save over Init.vzrp in a child process that a file-size limit ends, as a shell's limit
    // does (SIGXFSZ, whose default action ends the process), while its new contents are written:
    // before they could take the preset's place.
    void saveKilledMidWay()
    {
        const auto ending = childprocess::run(
            [&]
            {
                const rlimit noCore{0, 0}, fewBytes{64, RLIM_INFINITY};
                ::signal(SIGXFSZ, SIG_DFL);
                ::setrlimit(RLIMIT_CORE, &noCore);
                ::setrlimit(RLIMIT_FSIZE, &fewBytes);
                return save(init).wasOk() ? 0 : 1;
            });
        ASSERT_EQ(ending.kind, childprocess::Ending::killed) << "it ended with " << ending.code;
        ASSERT_EQ(ending.code, SIGXFSZ);
    }

    const juce::File folder = presetFolderInTemporaryHome();
    const juce::File elsewhere = folder.getSiblingFile("Shared presets");
    const juce::File init = folder.getChildFile("Init.vzrp");
    juce::MemoryBlock oldPreset;
    StompixZR7714AudioProcessor processor;
    VelmorPresetMenu menu{"presetMenu_"};
    VelmorFileBrowser browser{"browser_", "Save", folder, "*.vzrp", 5, 1, 5, 3, 8};
};
} // namespace

TEST_F(PresetReplacing, SavesOverWhatAFolderMayHoldAsACarefulEditorDoes)
{
    const bool root = ::geteuid() == 0;
    const auto longName = juce::String::repeatedString("n", 240) + ".vzrp"; // 245 of 255 bytes
    const auto shared = elsewhere.getChildFile("Shared.vzrp");
    const auto ended = endedProcess();
    const auto own = ::getpid();

    // Leftovers of earlier saves and what only looks like them. The save over Init.vzrp removes
    // the regular files of this user named exactly as a save names them whose process has ended
    // (0123...) or that are two hours old (...bb), and nothing else.
    juce::StringArray keptBesideInit{
        "Init.vzrp",
        "Init_temp0123456789abcdef.vzrp",                   // an older build's, or a user's name
        temporaryName(own, "00000000000000aa"),             // a save under way
        temporaryName(ended, "0123456789abcdef") + ".vzrp", // a longer name
        temporaryName(ended, "1111111111111111"),           // a link
        temporaryName(ended, "2222222222222222"),           // a folder
        temporaryName(ended, "2222222222222222") + "/Inside.vzrp",
        temporaryName(ended, "BADC0FFEE0DDF00D"), // not the scheme's digits
        "elsewhere/Target.vzrp"};
    if (root)
        keptBesideInit.add(temporaryName(ended, "3333333333333333")); // another user's
    keptBesideInit.sort(false);

    struct Case
    {
        const char* what;
        std::function<void()> arrange;
        juce::String name; // saved, below the preset folder
        juce::String failure;
        juce::String entriesAfter;
        std::function<void()> check;
        bool byAUserWhoMayNotWriteEverything = false;
    };
    const std::vector<Case> cases{
        {"a save killed before its rename, then the next save",
         [&]
         {
             saveKilledMidWay();
             auto left = folder.findChildFiles(juce::File::findFiles, false, "*");
             left.removeFirstMatchingValue(init);
             ASSERT_EQ(left.size(), 1) << entries();
             const auto leftover = left.getFirst();

             // Neither the menu, its steps, the folder walk nor the browser offers it.
             EXPECT_FLOAT_EQ(depthIn(init), 0.25f);
             menu.createMenuTree();
             EXPECT_EQ(listingOfLastBuild(menu).fileNames.joinIntoString(", "), "Init");
             for (int step = 0; step < 3; ++step)
             {
                 step < 2 ? menu.nextResult() : menu.previousResult();
                 EXPECT_EQ(menu.getSelectedFilePath(), "Init.vzrp");
             }
             EXPECT_EQ(namesOf(VelmorFolderWalk::filesIn(folder, "*.vzrp")), "Init.vzrp");
             EXPECT_FALSE(fileBrowserIn(browser).isFileSuitable(leftover));
             // It stays until a save into its folder.
             EXPECT_TRUE(leftover.existsAsFile());
         },
         "Init.vzrp",
         {},
         "Init.vzrp",
         [] {}},

        {"leftovers of saves that never finished, and what only looks like them",
         [&]
         {
             for (const auto& name :
                  {temporaryName(ended, "0123456789abcdef"), temporaryName(own, "00000000000000aa"),
                   temporaryName(own, "00000000000000bb"),
                   juce::String("Init_temp0123456789abcdef.vzrp"),
                   temporaryName(ended, "0123456789abcdef") + ".vzrp",
                   temporaryName(ended, "2222222222222222") + "/Inside.vzrp",
                   temporaryName(ended, "BADC0FFEE0DDF00D")})
                 writeTextFile(folder.getChildFile(name));
             writeTextFile(elsewhere.getChildFile("Target.vzrp"));
             ASSERT_TRUE(folder.getChildFile(temporaryName(own, "00000000000000bb"))
                             .setLastModificationTime(juce::Time::getCurrentTime() -
                                                      juce::RelativeTime::hours(2)));
             ASSERT_TRUE(
                 elsewhere.getChildFile("Target.vzrp")
                     .createSymbolicLink(
                         folder.getChildFile(temporaryName(ended, "1111111111111111")), false));
             if (root)
             {
                 const auto foreign = folder.getChildFile(temporaryName(ended, "3333333333333333"));
                 writeTextFile(foreign);
                 ASSERT_EQ(::chown(foreign.getFullPathName().toRawUTF8(), 65534, 65534), 0);
             }
         },
         "Init.vzrp",
         {},
         keptBesideInit.joinIntoString(", "),
         [&] { EXPECT_TRUE(elsewhere.getChildFile("Target.vzrp").existsAsFile()); }},

        {"a name of 240 characters",
         [] {},
         longName,
         {},
         "Init.vzrp, " + longName,
         [&]
         {
             StompixZR7714AudioProcessor fresh;
             EXPECT_EQ(menu.readPreset(&fresh, longName), 1);
             EXPECT_FLOAT_EQ(fresh.getParameter(4), 0.75f);
         }},

        {"a link to a preset in a shared folder",
         [&]
         {
             writeOldPreset(shared);
             ASSERT_TRUE(shared.createSymbolicLink(folder.getChildFile("Shared.vzrp"), false));
         },
         "Shared.vzrp",
         {},
         "Init.vzrp, Shared.vzrp, elsewhere/Shared.vzrp",
         [&]
         {
             EXPECT_EQ(folder.getChildFile("Shared.vzrp").getNativeLinkedTarget(),
                       shared.getFullPathName());
             EXPECT_FLOAT_EQ(depthIn(shared), 0.75f);
         }},

        {"a chain of links, the last one relative",
         [&]
         {
             writeOldPreset(shared);
             ASSERT_TRUE(juce::File::createSymbolicLink(elsewhere.getChildFile("Hop.vzrp"),
                                                        "Shared.vzrp", false));
             ASSERT_TRUE(elsewhere.getChildFile("Hop.vzrp")
                             .createSymbolicLink(folder.getChildFile("Chain.vzrp"), false));
         },
         "Chain.vzrp",
         {},
         "Chain.vzrp, Init.vzrp, elsewhere/Hop.vzrp, elsewhere/Shared.vzrp",
         [&]
         {
             EXPECT_EQ(folder.getChildFile("Chain.vzrp").getNativeLinkedTarget(),
                       elsewhere.getChildFile("Hop.vzrp").getFullPathName());
             EXPECT_EQ(elsewhere.getChildFile("Hop.vzrp").getNativeLinkedTarget(), "Shared.vzrp");
             EXPECT_FLOAT_EQ(depthIn(shared), 0.75f);
         }},

        {"a link to a file that is missing",
         [&]
         {
             ASSERT_TRUE(elsewhere.getChildFile("Moved.vzrp")
                             .createSymbolicLink(folder.getChildFile("Gone.vzrp"), false));
         },
         "Gone.vzrp", "Couldn't save the preset! The preset is a link to a file that is missing.",
         "Gone.vzrp, Init.vzrp",
         [&]
         {
             EXPECT_EQ(folder.getChildFile("Gone.vzrp").getNativeLinkedTarget(),
                       elsewhere.getChildFile("Moved.vzrp").getFullPathName());
         }},

        {"a link to a device",
         [&]
         {
             ASSERT_TRUE(juce::File("/dev/zero")
                             .createSymbolicLink(folder.getChildFile("Zero.vzrp"), false));
         },
         "Zero.vzrp", "Couldn't save the preset! The preset is not a regular file.",
         "Init.vzrp, Zero.vzrp",
         [&] { EXPECT_EQ(folder.getChildFile("Zero.vzrp").getNativeLinkedTarget(), "/dev/zero"); }},

        {"a preset of mode 600",
         [&] { ASSERT_EQ(::chmod(init.getFullPathName().toRawUTF8(), 0600), 0); },
         "Init.vzrp",
         {},
         "Init.vzrp",
         [&] { EXPECT_EQ(statusOf(init).st_mode & 07777, 0600u); }},

        {"a preset of mode 664, in another group where this user may give it one",
         [&]
         {
             ASSERT_EQ(::chmod(init.getFullPathName().toRawUTF8(), 0664), 0);
             if (root)
             {
                 ASSERT_EQ(::chown(init.getFullPathName().toRawUTF8(), 0, 65534), 0);
             }
         },
         "Init.vzrp",
         {},
         "Init.vzrp",
         [&]
         {
             EXPECT_EQ(statusOf(init).st_mode & 07777, 0664u);
             EXPECT_EQ(statusOf(init).st_gid, root ? 65534u : ::getegid());
         }},

        {"a write-protected preset in a folder the user may write",
         [&] { ASSERT_EQ(::chmod(init.getFullPathName().toRawUTF8(), 0444), 0); }, "Init.vzrp",
         "Couldn't save the preset! The preset is write-protected.", "Init.vzrp",
         [&]
         {
             EXPECT_TRUE(contentsOf(init) == oldPreset);
             EXPECT_EQ(statusOf(init).st_mode & 07777, 0444u);
         },
         true},
    };

    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.what);
        layAnew();
        row.arrange();
        if (HasFatalFailure())
            return;

        const auto target = fileBelow(folder, row.name);
        const auto result = row.byAUserWhoMayNotWriteEverything
                                ? saveUnprivileged(target, row.failure)
                                : save(target);
        EXPECT_EQ(result.getErrorMessage(), row.failure);
        if (result.wasOk())
        {
            EXPECT_FLOAT_EQ(depthIn(target), 0.75f);
        }
        EXPECT_EQ(slotPath(), result.wasOk() ? row.name : "Init.vzrp");
        EXPECT_EQ(entries(), row.entriesAfter) << "nothing more, nothing less";
        row.check();
    }
}
