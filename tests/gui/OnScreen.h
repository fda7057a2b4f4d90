#pragma once

// Real windows on the X server the suite runs under. The includer has the framework's X11
// declarations (JUCE_GUI_BASICS_INCLUDE_XHEADERS) before any other of its headers.
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace onscreen
{
// The framework's connection to the X server, or null when the suite runs headless.
::Display* frameworkDisplay();

// Runs the message loop (posted messages, timers and the sockets it watches) until the condition
// holds or the time is up; between its passes, whatever else the test does.
bool serveUntil(const std::function<bool()>& condition, int timeoutMs,
                const std::function<void()>& between = {});

// Runs the message loop for a while: windows map and paint, events arrive.
void serveFor(int timeoutMs);

// Another client (a window manager) makes requests on a connection of its own; they have reached
// the server when this returns.
void asAnotherClient(const std::function<void(::Display*)>& requests);
} // namespace onscreen
