#pragma once

#include <X11/Xlib.h>

#include <vector>

// The windows inside a window, read so that windows other clients destroy meanwhile do no harm:
// one that has gone is simply not there any more.
namespace XWindowTree
{

struct WindowState
{
    Window window;
    bool viewable; // mapped, and every window around it too
    int width;
    int height;
};

// The windows directly inside the parent, from the bottom to the top of the stack; none when
// the parent has gone.
std::vector<Window> childrenOf(Display* display, Window parent);

// How the windows are now, in the same order; those that have gone are left out.
std::vector<WindowState> describe(Display* display, const std::vector<Window>& windows);

// describe(childrenOf(parent)).
std::vector<WindowState> describeChildren(Display* display, Window parent);

int countViewable(const std::vector<WindowState>& windows);

} // namespace XWindowTree
