// GoogleTest and the framework before Xlib, whose macros (None, Bool) clash with their names.
#include <gtest/gtest.h>

#include "BareXServer.h"

#include "WindowChurn.h"
#include "XConnection.h"

namespace
{
// The screen's top-level windows are counted while another client opens and closes one over and
// over (as the framework does with an editor or a menu): every count survives and sees the
// windows that stay, and at most the one that comes and goes.
TEST(BareXServer, CountsTheScreensWindowsWhileOthersVanish)
{
    XConnection client;
    if (!client.isOpen())
        GTEST_SKIP() << "no Xvfb";
    const Window shown = client.createWindow(client.root(), 10, 10, true);
    const Window hidden = client.createWindow(client.root(), 10, 10, false);
    const int before = BareXServer::countViewableWindows();
    EXPECT_GE(before, 1);

    int outOfRange = 0;
    {
        const WindowChurn churn(client.root());
        for (int count = 0; count < 300; ++count)
        {
            const int viewable = BareXServer::countViewableWindows();
            if (viewable < before || viewable > before + 1)
                ++outOfRange;
        }
    }

    EXPECT_EQ(outOfRange, 0);
    EXPECT_EQ(BareXServer::countViewableWindows(), before);
    client.destroyWindow(shown);
    client.destroyWindow(hidden);
    EXPECT_EQ(BareXServer::countViewableWindows(), before - 1);
}

// A screenshot of an area that reaches beyond the screen is no picture, and no X error that ends
// the program.
TEST(BareXServer, GrabsNoAreaBeyondTheScreen)
{
    XConnection client;
    if (!client.isOpen())
        GTEST_SKIP() << "no Xvfb";
    const int width = DisplayWidth(client.get(), DefaultScreen(client.get()));
    const int height = DisplayHeight(client.get(), DefaultScreen(client.get()));

    EXPECT_FALSE(BareXServer::grabScreen({width - 50, height - 50, 100, 100}).isValid());
    EXPECT_TRUE(BareXServer::grabScreen({width - 100, height - 100, 100, 100}).isValid());
}
} // namespace
