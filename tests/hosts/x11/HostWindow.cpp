#include "HostWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

HostWindow::~HostWindow()
{
    if (display == nullptr)
        return;
    if (window != 0)
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

    XSync(asDisplay(display), False);
    Window root = 0, parent = 0;
    Window* list = nullptr;
    unsigned int count = 0;
    if (XQueryTree(asDisplay(display), window, &root, &parent, &list, &count) == 0)
        return found;

    for (unsigned int i = 0; i < count; ++i)
    {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(asDisplay(display), list[i], &attributes) != 0)
            found.push_back(
                {list[i], attributes.map_state == IsViewable, attributes.width, attributes.height});
    }

    if (list != nullptr)
        XFree(list);
    return found;
}

std::vector<std::uint32_t> HostWindow::pixels() const
{
    std::vector<std::uint32_t> result;
    if (window == 0)
        return result;

    XSync(asDisplay(display), False);
    XImage* image = XGetImage(asDisplay(display), window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return result;

    result.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            result.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));

    XDestroyImage(image);
    return result;
}
