#pragma once

#include <juce_graphics/juce_graphics.h>

// The X server side of real windows: what JUCE needs of a server that runs no window manager
// (Xvfb in the tests), and a look at what the server shows.
namespace BareXServer
{

// JUCE looks a few window-manager atoms up without creating them. Without a window manager they
// do not exist, and JUCE's first window then sends a request with atom 0, which the server
// answers with an error that ends the process. Interning them first, before JUCE opens its
// connection, makes every JUCE window work there. False when there is no display to connect to.
bool internWindowManagerAtoms();

// The screen's content in an area (a screenshot of the root window), or a null image when there
// is no display.
juce::Image grabScreen(juce::Rectangle<int> area);

// How many top-level windows are on show (a pop-up menu is one).
int countViewableWindows();

} // namespace BareXServer
