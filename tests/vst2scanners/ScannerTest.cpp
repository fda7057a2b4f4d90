// Debian's Ardour and qtractor plug-in scanners, run on the built plug-in module as those hosts
// run them when they look for plug-ins: each in a process of its own, with a fresh home folder.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace
{
const std::string root = STOMPIX_SCANNER_ROOT;
const std::string plugin = STOMPIX_VST2_PLUGIN_PATH;
const std::string ardourScanner = root + "/usr/lib/ardour7/ardour-vst-scanner";
const std::string qtractorScanner =
    root + "/usr/lib/x86_64-linux-gnu/qtractor/qtractor_plugin_scan";
constexpr int runs = 20;

std::string shellQuoted(const std::string& text)
{
    std::string result = "'";
    for (const char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

struct ScanResult
{
    bool exitedNormally = false;
    int exitCode = -1;
    std::string output;
};

class ScannerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (std::ifstream(ardourScanner).fail() || std::ifstream(qtractorScanner).fail())
            GTEST_SKIP() << "scanners not fetched: run scripts/fetch-vst2-scanners.sh";

        char folder[] = "/tmp/stompix-scan-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        home = folder;
    }

    void TearDown() override
    {
        if (!home.empty())
            std::system(("rm -rf " + shellQuoted(home)).c_str());
    }

    // One scanner process: its standard output and how it ended.
    ScanResult run(const std::string& command) const
    {
        const std::string environment =
            "export HOME=" + shellQuoted(home) + " LD_LIBRARY_PATH=" +
            shellQuoted(root + "/usr/lib/ardour7:" + root + "/usr/lib/x86_64-linux-gnu") +
            " QT_QPA_PLATFORM=offscreen; ";
        ScanResult result;
        FILE* pipe = popen((environment + command + " 2>/dev/null").c_str(), "r");
        if (pipe == nullptr)
            return result;

        char buffer[4096];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0)
            result.output.append(buffer, count);

        const int status = pclose(pipe);
        result.exitedNormally = WIFEXITED(status);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    ScanResult runArdour() const
    {
        return run(shellQuoted(ardourScanner) + " -f -v " + shellQuoted(plugin));
    }

    ScanResult runQtractor() const
    {
        return run("echo " + shellQuoted("VST:" + plugin) + " | " + shellQuoted(qtractorScanner));
    }

    std::string home;
};

// Ardour writes what it found as an XML cache entry, and shows it with -v.
TEST_F(ScannerTest, ArdourFindsTheEffect)
{
    const auto result = runArdour();
    ASSERT_TRUE(result.exitedNormally);
    EXPECT_EQ(result.exitCode, 0) << result.output;

    std::smatch entry;
    ASSERT_TRUE(std::regex_search(result.output, entry, std::regex("<VST2Info [^>]*>")))
        << result.output;
    const std::string info = entry.str();

    for (const char* attribute :
         {"id=\"1450865207\"", "name=\"Stompix ZR7714\"", "creator=\"Velmor\"",
          "category=\"Effect\"", "n_inputs=\"2\"", "n_outputs=\"2\"", "is_instrument=\"0\"",
          "can_process_replace=\"1\"", "has_editor=\"1\""})
        EXPECT_NE(info.find(attribute), std::string::npos) << attribute << " in " << info;
}

// qtractor prints one line per plug-in: kind, name, audio ins:outs, MIDI ins:outs, parameters
// in:out, features, file, index, unique ID.
TEST_F(ScannerTest, QtractorFindsTheEffect)
{
    const auto result = runQtractor();
    ASSERT_TRUE(result.exitedNormally);
    EXPECT_EQ(result.exitCode, 0);

    std::smatch line;
    ASSERT_TRUE(std::regex_search(result.output, line,
                                  std::regex("VST\\|([^|]*)\\|([^|]*)\\|([^|]*)\\|([^|]*)\\|([^|]*)"
                                             "\\|([^|]*)\\|([^|]*)\\|(0x[0-9a-f]+)")))
        << result.output;
    EXPECT_EQ(line[1], "Stompix ZR7714");
    EXPECT_EQ(line[2], "2:2");
    EXPECT_EQ(line[3], "0:0");
    EXPECT_EQ(line[4], "10:0");
    EXPECT_NE(line[5].str().find("GUI"), std::string::npos) << line[5];
    EXPECT_EQ(line[6], plugin);
    EXPECT_EQ(line[8], "0x567a7237");
}

TEST_F(ScannerTest, NeitherScannerCrashesOverRepeatedRuns)
{
    const auto firstListing = runQtractor().output;

    for (int attempt = 0; attempt < runs; ++attempt)
    {
        const auto ardour = runArdour();
        ASSERT_TRUE(ardour.exitedNormally) << "ardour run " << attempt << " died";
        EXPECT_EQ(ardour.exitCode, 0) << "ardour run " << attempt;

        const auto qtractor = runQtractor();
        ASSERT_TRUE(qtractor.exitedNormally) << "qtractor run " << attempt << " died";
        EXPECT_EQ(qtractor.exitCode, 0) << "qtractor run " << attempt;
        EXPECT_EQ(qtractor.output, firstListing) << "qtractor run " << attempt;
    }
}
} // namespace
