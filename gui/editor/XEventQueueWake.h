#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Keeps X events from waiting unseen in Xlib's queue while a component is on screen.
//
// The framework dispatches X events when its connection's socket becomes readable (a host's
// run loop or the framework's own polls it). In a few places, though, it reads the socket
// itself (while it waits for a finished shared-memory paint, asks where the pointer is or
// gathers expose events), and that moves any events that arrived meanwhile, a click for
// instance, into Xlib's queue. The socket is then empty, and those events wait until the server
// sends something else: a click that arrives during a paint opens a menu only when the mouse
// moves again, and a dialog's focus change waits for the first key, which then reaches the
// component focused before. Every few milliseconds this looks at the queue; when events wait
// there, it has the framework's callback for the connection dispatch them in order. (A message
// to the window, to make the socket readable, is not enough: Xlib reads the connection whenever
// it flushes its output, which the framework does on every paint, so the message itself can land
// in the queue with the rest.)
class XEventQueueWake final : private juce::Timer
{
public:
    explicit XEventQueueWake(juce::Component& onScreen);
    ~XEventQueueWake() override;

    XEventQueueWake(const XEventQueueWake&) = delete;
    XEventQueueWake& operator=(const XEventQueueWake&) = delete;

    static constexpr int intervalMs = 20;

private:
    void timerCallback() override;

    juce::Component& component;
};
