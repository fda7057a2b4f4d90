#include "HostRun.h"
#include "NamingCases.h"
#include "ScopedTemporaryHome.h"
#include "WindowManager.h"
#include "XvfbDisplay.h"

#include <juce_graphics/juce_graphics.h>

#include <StompixZR7714BinImg.h>

#include <gtest/gtest.h>

#include <optional>

namespace
{
float brightness(juce::Colour colour)
{
    return colour.getPerceivedBrightness();
}

// stompix-host's options for a typing case.
juce::StringArray hostArgumentsFor(const NamingCase& tried)
{
    juce::StringArray arguments{tried.folder ? "--editor-new-folder" : "--editor-save-as",
                                tried.typed()};
    if (!tried.gestures.clickIntoField)
        arguments.add("--editor-no-field-clicks");
    if (tried.gestures.holdMilliseconds > 0)
        arguments.addArray({"--editor-click-hold", juce::String(tried.gestures.holdMilliseconds)});
    return arguments;
}
} // namespace

// The built VST3 in the host's own window on a real X server (Xvfb, no window manager): real
// mouse events drag the depth knob, press the footswitch and open the file menu, and the
// screenshot shows the editor as the server draws it.
TEST(EditorWindow, TheVst3EditorAnswersRealMouseEventsInARealWindow)
{
    // The editor reads the preset folder below the Music folder.
    const testsupport::ScopedTemporaryHome home("stompix-editor-e2e");
    ASSERT_NE(home.folder(), juce::File());
    const auto png = home.folder().getChildFile("editor.png");

    // A private server of its own: xvfb-run -a can hand two jobs that start together the same
    // display, and another job's window over the editor would take the clicks.
    const juce::String displayBefore = juce::SystemStats::getEnvironmentVariable("DISPLAY", {});
    HostRun run;
    {
        const XvfbDisplay server;
        ASSERT_TRUE(server.isRunning()) << "Xvfb could not be started";
        run = runHost({"--editor-snapshot", png.getFullPathName()});
    }
    ::setenv("DISPLAY", displayBefore.toRawUTF8(), 1);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.output.contains("editor\t325x454")) << run.output;
    EXPECT_TRUE(run.output.contains("onBypass\t1.000 -> 0.000")) << run.output;
    EXPECT_TRUE(run.output.contains("fileMenu\topened")) << run.output;
    const auto depth = run.output.fromFirstOccurrenceOf("depth\t", false, false)
                           .upToFirstOccurrenceOf("\n", false, false);
    EXPECT_GT(depth.fromFirstOccurrenceOf("-> ", false, false).getFloatValue(),
              depth.upToFirstOccurrenceOf(" ->", false, false).getFloatValue())
        << run.output;

    const auto shot = juce::ImageFileFormat::loadFrom(png);
    ASSERT_EQ(shot.getBounds(), juce::Rectangle<int>(0, 0, 325, 454));
    const auto background = juce::ImageFileFormat::loadFrom(
        StompixZR7714BinImg::bg_phaser_png, (size_t)StompixZR7714BinImg::bg_phaser_pngSize);

    // The product logo lies under an invisible hot spot: there the screen shows the panel.
    EXPECT_EQ(shot.getPixelAt(70, 410), background.getPixelAt(70, 410).withAlpha((juce::uint8)255));
    // Below the file button the open menu covers the dark panel with its light background.
    EXPECT_LT(brightness(background.getPixelAt(150, 45)), 0.3f);
    EXPECT_GT(brightness(shot.getPixelAt(150, 45)), 0.8f);
}

// The built VST3 in the host's own window: a name typed with real keys into the save-as browser
// and into the new-folder prompt makes the preset or the folder, on a bare X server and under a
// window manager that gives the focus to the host's window on every click before the editor
// sees the click.
TEST(EditorWindow, ANameTypedIntoTheVst3EditorsDialogsMakesThePresetOrTheFolder)
{
    const juce::String displayBefore = juce::SystemStats::getEnvironmentVariable("DISPLAY", {});
    for (const NamingCase& tried : namingCases)
    {
        SCOPED_TRACE(tried.what);
        const testsupport::ScopedTemporaryHome home("stompix-vst3-typing");
        ASSERT_NE(home.folder(), juce::File());
        const auto made = home.presetFolder().getChildFile(tried.made());
        HostRun run;
        {
            const XvfbDisplay server;
            ASSERT_TRUE(server.isRunning()) << "Xvfb could not be started";
            std::optional<WindowManager> windowManager;
            if (tried.windowManager)
            {
                windowManager.emplace();
                ASSERT_TRUE(windowManager->isRunning()) << windowManager->failure();
            }
            run = runHost(hostArgumentsFor(tried));
        }
        ::setenv("DISPLAY", displayBefore.toRawUTF8(), 1);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_TRUE(tried.folder ? made.isDirectory() : made.existsAsFile())
            << "nothing made at " << made.getFullPathName() << "\n"
            << run.output;
    }
}
