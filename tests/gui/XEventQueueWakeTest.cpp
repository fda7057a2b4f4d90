// GoogleTest first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

// The framework's X11 declarations, for a look at its connection: before any other of its
// headers.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "OnScreen.h"
#include "XEventQueueWake.h"

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

// Another client (a window manager) asks the window to close.
void requestClose(::Window window)
{
    onscreen::asAnotherClient(
        [window](::Display* manager)
        {
            auto& x11 = *juce::X11Symbols::getInstance();
            XEvent request{};
            request.xclient.type = ClientMessage;
            request.xclient.window = window;
            request.xclient.message_type = x11.xInternAtom(manager, "WM_PROTOCOLS", False);
            request.xclient.format = 32;
            request.xclient.data.l[0] = (long)x11.xInternAtom(manager, "WM_DELETE_WINDOW", False);
            request.xclient.data.l[1] = CurrentTime;
            x11.xSendEvent(manager, window, False, NoEventMask, &request);
        });
}
} // namespace

// The framework reads its connection outside its event callback (as its paints and pointer
// queries do) just when an event arrives: the event lands in Xlib's queue and the socket is empty
// again. The wake has the event dispatched all the same, also when the connection is read again
// between the message loop's passes, as Xlib does on every flush of the framework's.
TEST(XEventQueueWake, EventsReadIntoXlibsQueueAreDispatched)
{
    ::Display* const display = onscreen::frameworkDisplay();
    if (display == nullptr)
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";
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
        onscreen::serveFor(300);

        requestClose((::Window)window.getPeer()->getNativeHandle());
        const auto deadline = juce::Time::getMillisecondCounter() + 2000;
        while (x11.xEventsQueued(display, QueuedAfterReading) == 0 &&
               juce::Time::getMillisecondCounter() < deadline)
            juce::Thread::sleep(1);
        ASSERT_GT(x11.xEventsQueued(display, QueuedAlready), 0);

        EXPECT_TRUE(onscreen::serveUntil([&] { return window.closeRequests > 0; }, 2000,
                                         readBetweenPasses
                                             ? std::function<void()>(readTheConnection)
                                             : std::function<void()>()));
        EXPECT_EQ(window.closeRequests, 1);
    }
}
