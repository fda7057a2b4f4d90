#include "XErrorTrap.h"

#include <atomic>
#include <mutex>

namespace
{
// Held from a trap's start to its end, so that two threads never swap the handler in turn.
std::recursive_mutex& handlerLock()
{
    static std::recursive_mutex lock;
    return lock;
}

// Xlib calls the handler on the thread whose call read the error: a trap's own errors arrive on
// the thread that set it, and another thread never looks at this thread's traps.
thread_local XErrorTrap* innermost = nullptr;

// Where errors that are no trap's go: the handler in place before the outermost trap.
std::atomic<XErrorHandler> handlerBeforeTraps{nullptr};
} // namespace

XErrorTrap::XErrorTrap(Display* connection) : display(connection), outer(innermost)
{
    handlerLock().lock();
    XSync(display, False);
    previous = XSetErrorHandler(&XErrorTrap::handleError);
    if (outer == nullptr)
        handlerBeforeTraps = previous;
    innermost = this;
}

XErrorTrap::~XErrorTrap()
{
    XSync(display, False);
    innermost = outer;
    // A framework that set a handler of its own meanwhile (on another thread) keeps it.
    const XErrorHandler current = XSetErrorHandler(previous);
    if (current != &XErrorTrap::handleError)
        XSetErrorHandler(current);
    handlerLock().unlock();
}

bool XErrorTrap::sync()
{
    XSync(display, False);
    const bool clean = !failed;
    failed = false;
    return clean;
}

int XErrorTrap::handleError(Display* connection, XErrorEvent* error)
{
    for (XErrorTrap* trap = innermost; trap != nullptr; trap = trap->outer)
        if (trap->display == connection)
        {
            trap->failed = true;
            return 0;
        }

    const XErrorHandler next = handlerBeforeTraps;
    return next != nullptr ? next(connection, error) : 0;
}
