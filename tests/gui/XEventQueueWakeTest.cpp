// GoogleTest first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

// The framework's X11 declarations, for a look at its connection: before any other of its
// headers.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "FrameworkEnvironment.h"
#include "XEventQueueWake.h"

#include <functional>

namespace
{
// A window on the desktop that counts the requests to close it, which a window manager sends as
// a client message.
class ClosableWindow final : public juce::Component
{
public:
    ClosableWindow()
    {
        setSize(100, 100);
        addToDesktop(juce::ComponentPeer::windowHasCloseButton);
        setVisible(true);
    }

    ~ClosableWindow() override { removeFromDesktop(); }

    void userTriedToCloseWindow() override { ++closeRequests; }

    int closeRequests = 0;
};

// Runs the message loop (posted messages, timers and the sockets it watches) until the
// condition holds or the time is up; between its passes, whatever else the program does.
template <typename Condition>
bool serveUntil(Condition condition, int timeoutMs, const std::function<void()>& between = {})
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition() && juce::Time::getMillisecondCounter() < deadline)
    {
        testsupport::dispatchPendingMessages();
        juce::Thread::sleep(1);
        if (between)
            between();
    }
    return condition();
}

// Another client (a window manager) asks the window to close.
void requestClose(::Window window)
{
    auto& x11 = *juce::X11Symbols::getInstance();
    ::Display* const manager = x11.xOpenDisplay(nullptr);
    ASSERT_NE(manager, nullptr);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = x11.xInternAtom(manager, "WM_PROTOCOLS", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = (long)x11.xInternAtom(manager, "WM_DELETE_WINDOW", False);
    request.xclient.data.l[1] = CurrentTime;
    x11.xSendEvent(manager, window, False, NoEventMask, &request);
    x11.xSync(manager, False);
    x11.xCloseDisplay(manager);
}
} // namespace

// The framework reads its connection outside its event callback (as its paints and pointer
// queries do) just when an event arrives: the event lands in Xlib's queue and the socket is empty
// again. The wake has the event dispatched all the same, also when the connection is read again
// between the message loop's passes, as Xlib does on every flush of the framework's.
TEST(XEventQueueWake, EventsReadIntoXlibsQueueAreDispatched)
{
    auto* const windowing = juce::XWindowSystem::getInstance();
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty() ||
        windowing->getDisplay() == nullptr)
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";
    ::Display* const display = windowing->getDisplay();
    auto& x11 = *juce::X11Symbols::getInstance();
    // A flush: Xlib reads what has arrived into its queue.
    const auto readTheConnection = [&]
    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        x11.xFlush(display);
    };

    for (const bool readBetweenPasses : {false, true})
    {
        SCOPED_TRACE(readBetweenPasses ? "the connection read between the loop's passes"
                                       : "nothing else reads the connection");
        ClosableWindow window;
        const XEventQueueWake wake(window);
        ASSERT_NE(window.getPeer(), nullptr);
        // The window maps and paints; then the connection is quiet.
        serveUntil([] { return false; }, 300);

        requestClose((::Window)window.getPeer()->getNativeHandle());
        const auto deadline = juce::Time::getMillisecondCounter() + 2000;
        while (x11.xEventsQueued(display, QueuedAfterReading) == 0 &&
               juce::Time::getMillisecondCounter() < deadline)
            juce::Thread::sleep(1);
        ASSERT_GT(x11.xEventsQueued(display, QueuedAlready), 0);

        EXPECT_TRUE(serveUntil([&] { return window.closeRequests > 0; }, 2000,
                               readBetweenPasses ? std::function<void()>(readTheConnection)
                                                 : std::function<void()>()));
        EXPECT_EQ(window.closeRequests, 1);
    }
}
