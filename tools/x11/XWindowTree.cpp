#include "XWindowTree.h"

#include "XErrorTrap.h"

#include <algorithm>

namespace XWindowTree
{

std::vector<Window> childrenOf(Display* display, Window parent)
{
    const XErrorTrap trap(display);
    Window root = 0;
    Window parentOfParent = 0;
    Window* list = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOfParent, &list, &count) == 0)
        return {};

    std::vector<Window> children(list, list + count);
    if (list != nullptr)
        XFree(list);
    return children;
}

std::vector<WindowState> describe(Display* display, const std::vector<Window>& windows)
{
    const XErrorTrap trap(display);
    std::vector<WindowState> states;
    states.reserve(windows.size());
    for (const Window window : windows)
    {
        // A round trip: it fails, and returns 0, when the window has gone.
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes) != 0)
            states.push_back(
                {window, attributes.map_state == IsViewable, attributes.width, attributes.height});
    }
    return states;
}

std::vector<WindowState> describeChildren(Display* display, Window parent)
{
    return describe(display, childrenOf(display, parent));
}

int countViewable(const std::vector<WindowState>& windows)
{
    return static_cast<int>(std::count_if(windows.begin(), windows.end(),
                                          [](const WindowState& state) { return state.viewable; }));
}

} // namespace XWindowTree
