// `cmake --install` of this build folder, as a user installs the plug-ins, and the installed
// copies loaded as hosts load them.

#include "PluginInstance.h"
#include "PluginModule.h"
#include "RecordingHost.h"

#include <Opcodes.h>
#include <ScopedTemporaryHome.h>

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// The module and the host may read the preset folder below the Music folder.
const auto* const temporaryHome = ::testing::AddGlobalTestEnvironment(
    new testsupport::TemporaryHomeEnvironment("stompix-install-home"));

// The install goes below a staging folder (DESTDIR): a build folder configured for the per-user
// folders, whose install folders are absolute, installs there too, not into the real home.
const fs::path prefix = "/prefix";

const fs::path builtBundle = fs::path(STOMPIX_VST3_BINARY_DIR).parent_path().parent_path();
const fs::path builtVst2Module = STOMPIX_VST2_PLUGIN_PATH;

struct ProgramRun
{
    int exitCode = -1;
    std::string output;
};

ProgramRun run(const juce::StringArray& command)
{
    juce::ChildProcess process;
    ProgramRun result;

    if (!process.start(command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        return result;

    result.output = process.readAllProcessOutput().toStdString();
    process.waitForProcessToFinish(60000);
    result.exitCode = (int)process.getExitCode();
    return result;
}

std::string bytesOf(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// The owner's read, write and execute bits, as in `ls -l`.
std::string ownerPermissions(const fs::path& file)
{
    const auto bits = fs::status(file).permissions();
    return {(bits & fs::perms::owner_read) != fs::perms::none ? 'r' : '-',
            (bits & fs::perms::owner_write) != fs::perms::none ? 'w' : '-',
            (bits & fs::perms::owner_exec) != fs::perms::none ? 'x' : '-'};
}

class Installed : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const auto folder = juce::File::getSpecialLocation(juce::File::tempDirectory)
                                .getNonexistentChildFile("stompix-install", "", false);
        folder.createDirectory();
        stage = folder.getFullPathName().toStdString();
        install = run({"env", "DESTDIR=" + stage.string(), STOMPIX_CMAKE_COMMAND, "--install",
                       STOMPIX_BUILD_DIR, "--prefix", prefix.string()});
    }

    static void TearDownTestSuite() { fs::remove_all(stage); }

    void SetUp() override { ASSERT_EQ(install.exitCode, 0) << install.output; }

    // Where a folder of the build's install settings lands below the staging folder.
    static fs::path staged(const fs::path& installFolder)
    {
        return (stage / (prefix / installFolder).relative_path()).lexically_normal();
    }

    static fs::path installedBundle()
    {
        return staged(STOMPIX_VST3_INSTALL_DIR) / builtBundle.filename();
    }

    static fs::path installedVst2Module()
    {
        return staged(STOMPIX_VST2_INSTALL_DIR) / builtVst2Module.filename();
    }

    // Each built file or folder that is to be installed, with the place it is to arrive at.
    static std::vector<std::pair<fs::path, fs::path>> builtAndInstalled()
    {
        std::vector<std::pair<fs::path, fs::path>> pairs{{builtBundle, installedBundle()},
                                                         {builtVst2Module, installedVst2Module()}};

        for (const auto& entry : fs::recursive_directory_iterator(builtBundle))
            pairs.emplace_back(entry.path(),
                               installedBundle() / entry.path().lexically_relative(builtBundle));

        return pairs;
    }

    static inline fs::path stage;
    static inline ProgramRun install;
};

TEST_F(Installed, ExactlyTheVst3BundleAndTheVst2ModuleArrive)
{
    std::set<std::string> expected;

    for (const auto& [built, installed] : builtAndInstalled())
        for (auto path = installed.lexically_relative(stage); !path.empty();
             path = path.parent_path())
            expected.insert(path.string());

    std::set<std::string> arrived;

    for (const auto& entry : fs::recursive_directory_iterator(stage))
        arrived.insert(entry.path().lexically_relative(stage).string());

    EXPECT_EQ(arrived, expected);
    EXPECT_TRUE(fs::is_regular_file(installedBundle() / "Contents/x86_64-linux/Stompix ZR7714.so"));
}

// The owner's bits only: the others' bits of the built files follow the umask of the build.
TEST_F(Installed, FilesAreTheBuiltOnesAndStayExecutable)
{
    for (const auto& [built, installed] : builtAndInstalled())
    {
        if (!fs::is_regular_file(built))
            continue;

        EXPECT_TRUE(bytesOf(installed) == bytesOf(built)) << installed;
        EXPECT_EQ(ownerPermissions(installed), ownerPermissions(built)) << installed;
    }
}

TEST_F(Installed, Vst3BundleLoadsInTheHost)
{
    const auto listing = run({STOMPIX_HOST_PATH, installedBundle().string(), "--list"});
    ASSERT_EQ(listing.exitCode, 0) << listing.output;
    EXPECT_NE(listing.output.find("parameters\t12\n"), std::string::npos) << listing.output;
    EXPECT_NE(listing.output.find("parameter\t1\tphaserType\t"), std::string::npos)
        << listing.output;
}

TEST_F(Installed, Vst2ModuleAnswersTheTestHost)
{
    const PluginModule module(installedVst2Module().string());
    ASSERT_TRUE(module.isLoaded()) << module.getError();

    RecordingHost host;
    PluginInstance plugin(module, host);
    ASSERT_TRUE(plugin.isValid());
    EXPECT_EQ(plugin.getRecord().magic, effectMagic);
    EXPECT_EQ(plugin.queryText(EffectOpcode::getEffectName).text, "Stompix ZR7714");

    plugin.prepare(44100.0f, 256);
    const auto output = plugin.process(Channels(2, std::vector<float>(256, 0.25f)));
    ASSERT_EQ(output.size(), 2u);

    for (const auto& channel : output)
    {
        EXPECT_TRUE(std::all_of(channel.begin(), channel.end(),
                                [](float sample) { return std::isfinite(sample); }));
        EXPECT_TRUE(std::any_of(channel.begin(), channel.end(),
                                [](float sample) { return sample != 0.0f; }));
    }
}
} // namespace
