#pragma once

#include <X11/Xlib.h>

// A client of the test binary's private X server: a connection of its own, as another program
// on the desktop has.
class XConnection final
{
public:
    XConnection();
    ~XConnection();

    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool isOpen() const { return display != nullptr; }
    Display* get() const { return display; }
    Window root() const { return DefaultRootWindow(display); }

    // A window of this client inside the parent, mapped or not; the server has it on return.
    Window createWindow(Window parent, int width, int height, bool mapped);
    // Destroys any client's window; gone from the server on return.
    void destroyWindow(Window window);

private:
    Display* display = nullptr;
};
