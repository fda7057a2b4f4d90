// First: the framework's X11 declarations (Xlib's macros follow every other header).
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "XEventQueueWake.h"

// The framework's run-loop entry for a watched socket, which its VST3 wrapper calls for a
// host's run loop.
#include <juce_events/native/juce_linux_EventLoopInternal.h>

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
    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        if (x11.xEventsQueued(display, QueuedAlready) == 0)
            return;
    }

    // The framework's own callback for its connection, as when the socket is readable: it
    // dispatches the queue in order.
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(x11.xConnectionNumber(display));
}
