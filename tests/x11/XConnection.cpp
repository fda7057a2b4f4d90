#include "XConnection.h"

#include "XvfbEnvironment.h"

XConnection::XConnection()
{
    if (const XvfbDisplay* server = XvfbEnvironment::display())
        display = XOpenDisplay(server->getName().c_str());
}

XConnection::~XConnection()
{
    if (display != nullptr)
        XCloseDisplay(display);
}

Window XConnection::createWindow(Window parent, int width, int height, bool mapped)
{
    const Window window = XCreateSimpleWindow(display, parent, 0, 0, static_cast<unsigned>(width),
                                              static_cast<unsigned>(height), 0, 0, 0);
    if (mapped)
        XMapWindow(display, window);
    XSync(display, False);
    return window;
}

void XConnection::destroyWindow(Window window)
{
    XDestroyWindow(display, window);
    XSync(display, False);
}
