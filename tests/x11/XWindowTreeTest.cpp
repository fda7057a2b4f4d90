// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include "WindowChurn.h"
#include "XConnection.h"
#include "XWindowTree.h"

#include <algorithm>
#include <vector>

namespace
{
// The walk's own connection, and another client's that destroys windows under it, on a mapped
// window of their own (the screen's other windows stay out of the counts).
class XWindowTreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!walker.isOpen())
            GTEST_SKIP() << "no Xvfb";
        ASSERT_TRUE(other.isOpen());
        parent = walker.createWindow(walker.root(), 200, 200, true);
    }

    void TearDown() override
    {
        if (walker.isOpen())
            walker.destroyWindow(parent);
    }

    XConnection walker;
    XConnection other;
    Window parent = 0;
};

TEST_F(XWindowTreeTest, DescribesTheChildrenInStackingOrder)
{
    const Window shown = walker.createWindow(parent, 10, 20, true);
    const Window hidden = other.createWindow(parent, 30, 40, false);

    const auto states = XWindowTree::describeChildren(walker.get(), parent);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0].window, shown);
    EXPECT_TRUE(states[0].viewable);
    EXPECT_EQ(states[0].width, 10);
    EXPECT_EQ(states[0].height, 20);
    EXPECT_EQ(states[1].window, hidden);
    EXPECT_FALSE(states[1].viewable);
    EXPECT_EQ(states[1].width, 30);
    EXPECT_EQ(states[1].height, 40);
    EXPECT_EQ(XWindowTree::countViewable(states), 1);
}

// Another client destroys windows after the walk listed them and before it asks about them: the
// walk goes on without them (Xlib's default error handler would end the process).
TEST_F(XWindowTreeTest, WindowsGoneBetweenListingAndQueryAreLeftOut)
{
    struct Case
    {
        const char* what;
        std::vector<std::size_t> gone; // of: this client's shown, another's shown and hidden
        int viewableLeft;
    };
    const Case cases[] = {{"another client's shown window", {1}, 1},
                          {"another client's hidden window", {2}, 2},
                          {"this client's own window", {0}, 1},
                          {"every window", {0, 1, 2}, 0}};

    for (const Case& tried : cases)
    {
        const std::vector<Window> created = {walker.createWindow(parent, 10, 10, true),
                                             other.createWindow(parent, 10, 10, true),
                                             other.createWindow(parent, 10, 10, false)};
        const auto listed = XWindowTree::childrenOf(walker.get(), parent);
        ASSERT_EQ(listed, created) << tried.what;

        std::vector<Window> left = created;
        for (const std::size_t index : tried.gone)
        {
            other.destroyWindow(created[index]);
            left.erase(std::find(left.begin(), left.end(), created[index]));
        }

        const auto states = XWindowTree::describe(walker.get(), listed);
        std::vector<Window> described;
        for (const auto& state : states)
            described.push_back(state.window);
        EXPECT_EQ(described, left) << tried.what;
        EXPECT_EQ(XWindowTree::countViewable(states), tried.viewableLeft) << tried.what;

        for (const Window window : left)
            walker.destroyWindow(window);
    }
}

TEST_F(XWindowTreeTest, AParentThatHasGoneHasNoChildren)
{
    const Window gone = other.createWindow(parent, 50, 50, true);
    other.createWindow(gone, 10, 10, true);
    other.destroyWindow(gone);

    EXPECT_TRUE(XWindowTree::childrenOf(walker.get(), gone).empty());
    EXPECT_TRUE(XWindowTree::describeChildren(walker.get(), gone).empty());
}

// Another client opens and closes windows as fast as it can while the walk runs again and
// again: every walk sees the windows that stay, and at most the one that comes and goes.
TEST_F(XWindowTreeTest, WalksSurviveWindowsVanishingWhileTheyRun)
{
    walker.createWindow(parent, 10, 10, true);
    other.createWindow(parent, 10, 10, true);

    int outOfRange = 0;
    {
        const WindowChurn churn(parent);
        for (int walk = 0; walk < 2000; ++walk)
        {
            const auto states = XWindowTree::describeChildren(walker.get(), parent);
            const int viewable = XWindowTree::countViewable(states);
            if (viewable < 2 || viewable > 3)
                ++outOfRange;
        }
    }

    EXPECT_EQ(outOfRange, 0);
    EXPECT_EQ(XWindowTree::countViewable(XWindowTree::describeChildren(walker.get(), parent)), 2);
}
} // namespace
