#include "HostWindow.h"

#include "XErrorTrap.h"
#include "XWindowTree.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <set>

namespace
{
Display* asDisplay(void* display)
{
    return static_cast<Display*>(display);
}

} // namespace

HostWindow::HostWindow(int windowWidth, int windowHeight, int left)
    : width(windowWidth), height(windowHeight)
{
    Display* connection = XOpenDisplay(nullptr);
    if (connection == nullptr)
        return;
    display = connection;

    const int screen = DefaultScreen(connection);
    window = XCreateSimpleWindow(connection, RootWindow(connection, screen), left, 0,
                                 static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0,
                                 background);
    XMapWindow(connection, window);
    XSync(connection, False);
}

HostWindow::HostWindow(unsigned long existingWindow) : owned(false), width(0), height(0)
{
    Display* connection = XOpenDisplay(nullptr);
    if (connection == nullptr)
        return;
    display = connection;

    XWindowAttributes attributes{};
    XErrorTrap trap(connection);
    if (XGetWindowAttributes(connection, existingWindow, &attributes) != 0 && trap.sync())
    {
        window = existingWindow;
        width = attributes.width;
        height = attributes.height;
    }
}

HostWindow::~HostWindow()
{
    if (display == nullptr)
        return;
    if (window != 0 && owned)
        XDestroyWindow(asDisplay(display), window);
    XCloseDisplay(asDisplay(display));
}

void* HostWindow::handle() const
{
    return reinterpret_cast<void*>(window);
}

std::vector<HostWindow::Child> HostWindow::children() const
{
    std::vector<Child> found;
    if (window == 0)
        return found;

    // The plug-in's windows inside are another client's: they may go at any moment.
    for (const auto& child : XWindowTree::describeChildren(asDisplay(display), window))
        found.push_back({child.window, child.viewable, child.width, child.height});
    return found;
}

bool HostWindow::showsChildOfSize(int childWidth, int childHeight) const
{
    const auto inside = children();
    return std::any_of(inside.begin(), inside.end(),
                       [&](const Child& child) {
                           return child.viewable && child.width == childWidth &&
                                  child.height == childHeight;
                       });
}

int HostWindow::viewableWindowsOnScreen() const
{
    if (display == nullptr)
        return 0;
    return XWindowTree::countViewable(
        XWindowTree::describeChildren(asDisplay(display), DefaultRootWindow(asDisplay(display))));
}

bool HostWindow::isPainted() const
{
    const auto all = pixels();
    return !all.empty() &&
           std::none_of(all.begin(), all.end(),
                        [](std::uint32_t pixel) { return pixel == background; }) &&
           std::set<std::uint32_t>(all.begin(), all.end()).size() > 64;
}

HostWindow::Point HostWindow::originOnScreen() const
{
    Point origin{0, 0};
    Window child = None;
    if (window != 0)
        XTranslateCoordinates(asDisplay(display), window, DefaultRootWindow(asDisplay(display)), 0,
                              0, &origin.x, &origin.y, &child);
    return origin;
}

std::vector<std::uint32_t> HostWindow::pixels() const
{
    std::vector<std::uint32_t> result;
    if (window == 0)
        return result;

    // A window that is not on show yet (a window manager maps it when it likes), or not wholly
    // on the screen, has no pixels to read: the server answers with an error.
    XErrorTrap trap(asDisplay(display));
    XImage* image = XGetImage(asDisplay(display), window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!trap.sync() || image == nullptr)
    {
        if (image != nullptr)
            XDestroyImage(image);
        return result;
    }

    result.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            result.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));

    XDestroyImage(image);
    return result;
}
