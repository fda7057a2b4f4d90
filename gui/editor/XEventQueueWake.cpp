// First: the framework's X11 declarations (Xlib's macros follow every other header).
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "XEventQueueWake.h"

XEventQueueWake::XEventQueueWake(juce::Component& onScreen) : component(onScreen)
{
    startTimer(intervalMs);
}

XEventQueueWake::~XEventQueueWake()
{
    stopTimer();
}

void XEventQueueWake::timerCallback()
{
    auto* const peer = component.getPeer();
    auto* const windowing = juce::XWindowSystem::getInstanceWithoutCreating();
    if (peer == nullptr || windowing == nullptr || windowing->getDisplay() == nullptr)
        return;

    ::Display* const display = windowing->getDisplay();
    auto& x11 = *juce::X11Symbols::getInstance();
    juce::XWindowSystemUtilities::ScopedXLock lock;
    if (x11.xEventsQueued(display, QueuedAlready) == 0)
        return;

    // A client message of type None: the framework's handler ignores it.
    XEvent wake{};
    wake.xclient.type = ClientMessage;
    wake.xclient.window = (::Window)peer->getNativeHandle();
    wake.xclient.message_type = None;
    wake.xclient.format = 32;
    x11.xSendEvent(display, wake.xclient.window, False, NoEventMask, &wake);
    x11.xFlush(display);
}
