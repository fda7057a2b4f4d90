#include "TemporaryHome.h"

#include "BareXServer.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace
{
juce::File home;

class TemporaryHomeEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override
    {
        char pattern[] = "/tmp/stompix-gui-home-XXXXXX";
        const char* folder = ::mkdtemp(pattern);
        ASSERT_NE(folder, nullptr);
        home = juce::File(folder);

        // The Music folder is read from $HOME/.config/user-dirs.dirs; nothing outside may leak in.
        ::setenv("HOME", folder, 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_MUSIC_DIR");
        ASSERT_TRUE(
            juce::File::getSpecialLocation(juce::File::userMusicDirectory).isAChildOf(home));

        // Without a display given the framework would try ":0", which may be somebody else's
        // server: the suite then runs headless, with a display number no server can have.
        if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
            ::setenv("DISPLAY", ":-1", 1);
        // Under Xvfb (the Debug run): real windows on a server without a window manager.
        BareXServer::internWindowManagerAtoms();
        juceGui = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
    }

    void TearDown() override
    {
        juceGui.reset();
        home.deleteRecursively(false);
    }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juceGui;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new TemporaryHomeEnvironment);
} // namespace

juce::File temporaryHome()
{
    return home;
}

juce::File presetFolderInTemporaryHome()
{
    return juce::File::getSpecialLocation(juce::File::userMusicDirectory)
        .getChildFile("Audio Music Apps")
        .getChildFile("Velmor/Presets/StompixZR7714");
}
