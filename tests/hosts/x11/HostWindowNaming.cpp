#include "HostWindowNaming.h"

#include "NamingCases.h"
#include "ScopedTemporaryHome.h"
#include "WindowManager.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
constexpr int editorWidth = 325;
constexpr int editorHeight = 454;
} // namespace

void expectTypedNamesMakeTheirFiles(const char* homePrefix, const NamingHost& host)
{
    for (const NamingCase& tried : namingCases)
    {
        SCOPED_TRACE(tried.what);
        const testsupport::ScopedTemporaryHome home(homePrefix);
        ASSERT_NE(home.folder(), juce::File());
        std::optional<WindowManager> windowManager;
        if (tried.windowManager)
        {
            windowManager.emplace();
            ASSERT_TRUE(windowManager->isRunning()) << windowManager->failure();
        }

        HostWindow hostWindow(editorWidth, editorHeight);
        ASSERT_TRUE(host.openEditor(hostWindow));
        EditorNaming user(hostWindow, tried.windowManager, tried.gestures, host.idle);
        ASSERT_TRUE(user.idleUntil([&] { return hostWindow.isPainted(); }));

        const auto made = home.presetFolder().getChildFile(tried.made());
        tried.typeInto(user);
        EXPECT_TRUE(
            user.idleUntil([&] { return tried.folder ? made.isDirectory() : made.existsAsFile(); }))
            << "nothing made at " << made.getFullPathName() << "\n"
            << user.notes();

        host.closeEditor();
        EXPECT_TRUE(user.idleUntil([&] { return hostWindow.children().empty(); }));
    }
}
