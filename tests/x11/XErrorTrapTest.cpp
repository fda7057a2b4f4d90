// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include "XConnection.h"
#include "XErrorTrap.h"

#include <vector>

namespace
{
// Stands for the handler a framework in the process has installed: it records whose errors it
// was given.
std::vector<Display*> handedToFramework;

int frameworkHandler(Display* display, XErrorEvent*)
{
    handedToFramework.push_back(display);
    return 0;
}

// Two clients of the server and a window id that no longer names a window.
class XErrorTrapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!own.isOpen())
            GTEST_SKIP() << "no Xvfb";
        ASSERT_TRUE(other.isOpen());
        gone = other.createWindow(other.root(), 10, 10, true);
        other.destroyWindow(gone);
        handedToFramework.clear();
        handlerBefore = XSetErrorHandler(&frameworkHandler);
    }

    void TearDown() override
    {
        if (own.isOpen())
            XSetErrorHandler(handlerBefore);
    }

    XConnection own;
    XConnection other;
    Window gone = 0;
    XErrorHandler handlerBefore = nullptr;
};

// A request with a reply fails at once; one without fails when the trap syncs.
TEST_F(XErrorTrapTest, CatchesTheErrorsOfItsConnection)
{
    XErrorTrap trap(own.get());
    XWindowAttributes attributes;
    EXPECT_EQ(XGetWindowAttributes(own.get(), gone, &attributes), 0);
    EXPECT_FALSE(trap.sync());
    EXPECT_TRUE(trap.sync());

    XMapWindow(own.get(), gone);
    EXPECT_FALSE(trap.sync());
    EXPECT_TRUE(trap.sync());
    EXPECT_TRUE(handedToFramework.empty());
}

// Errors of another connection, and those of requests sent before the trap was set, go to the
// handler that was there before; once the trap has gone, that handler is back in place.
TEST_F(XErrorTrapTest, LeavesOtherErrorsToTheHandlerBefore)
{
    XMapWindow(own.get(), gone);
    {
        XErrorTrap trap(own.get());
        XMapWindow(other.get(), gone);
        XSync(other.get(), False);
        EXPECT_TRUE(trap.sync());
    }
    EXPECT_EQ(handedToFramework, (std::vector<Display*>{own.get(), other.get()}));
    EXPECT_EQ(XSetErrorHandler(&frameworkHandler), &frameworkHandler);
}

// Nested traps on two connections each catch their own connection's errors.
TEST_F(XErrorTrapTest, NestedTrapsCatchTheirOwnConnectionsErrors)
{
    XErrorTrap outer(own.get());
    {
        XErrorTrap inner(other.get());
        XMapWindow(own.get(), gone);
        EXPECT_FALSE(outer.sync());
        EXPECT_TRUE(inner.sync());
        XMapWindow(other.get(), gone);
        EXPECT_FALSE(inner.sync());
    }
    EXPECT_TRUE(outer.sync());
    EXPECT_TRUE(handedToFramework.empty());
}
} // namespace
