#pragma once

#include <X11/Xlib.h>

// Keeps the errors of one connection's requests from ending the process while the trap lives.
// Another client may destroy its window between any two requests about it, and Xlib's default
// error handler exits on the error that follows. The trap waits for the server to answer what was
// sent before it (those errors still go where they went), catches its connection's errors until
// it goes, and then waits for the answers again before it hands the handler back.
//
// Xlib has one error handler for the whole process, which a framework in the same process may
// have set: errors of other connections (the framework's) go on to the handler that was installed
// before the trap. Traps on different threads take turns; on one thread they nest.
class XErrorTrap final
{
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();

    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has answered every request sent so far; true when none of them
    // failed since the trap was set or since the last call.
    bool sync();

private:
    static int handleError(Display* connection, XErrorEvent* error);

    Display* const display;
    XErrorTrap* const outer;
    XErrorHandler previous = nullptr;
    bool failed = false;
};
