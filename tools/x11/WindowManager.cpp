#include "WindowManager.h"

#include "XErrorTrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <optional>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
constexpr auto announceTimeout = std::chrono::seconds(10);
constexpr auto stopTimeout = std::chrono::seconds(5);

std::optional<Window> supportingWindowOf(Display* display, Window window, Atom check)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<Window> found;
    if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &remaining, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        found = *reinterpret_cast<Window*>(data);
    if (data != nullptr)
        XFree(data);
    return found;
}

// The manager has announced itself: the root's _NET_SUPPORTING_WM_CHECK names a window whose
// own _NET_SUPPORTING_WM_CHECK names itself (a window left by a manager that has gone fails).
bool hasAnnouncedItself(Display* display)
{
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const auto fromRoot = supportingWindowOf(display, DefaultRootWindow(display), check);
    if (!fromRoot.has_value())
        return false;
    // The window named is another client's, which may be gone.
    XErrorTrap trap(display);
    const auto fromItself = supportingWindowOf(display, *fromRoot, check);
    return trap.sync() && fromItself == fromRoot;
}
} // namespace

WindowManager::WindowManager()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
    {
        problem = "no display to run openbox on";
        return;
    }

    const pid_t parent = getpid();
    process = fork();
    if (process < 0)
    {
        problem = "openbox could not be started";
        XCloseDisplay(display);
        return;
    }
    if (process == 0)
    {
        // It goes with the test; a test that ended before the request took effect has left it
        // to another parent already.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
        const char* arguments[] = {"openbox", "--sm-disable", "--config-file",
                                   STOMPIX_OPENBOX_CONFIG, nullptr};
        execvp("openbox", const_cast<char**>(arguments));
        _exit(127);
    }

    const auto deadline = std::chrono::steady_clock::now() + announceTimeout;
    problem = "openbox did not announce itself on the root window";
    while (process > 0 && std::chrono::steady_clock::now() < deadline)
    {
        if (hasAnnouncedItself(display))
        {
            problem.clear();
            break;
        }
        int status = 0;
        if (waitpid(process, &status, WNOHANG) == process)
        {
            process = -1;
            problem = WIFEXITED(status) && WEXITSTATUS(status) == 127
                          ? "openbox is not installed (scripts/setup.sh installs it)"
                          : "openbox stopped before it announced itself";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    XCloseDisplay(display);
}

bool WindowManager::runsOnDisplay()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    const bool announced = hasAnnouncedItself(display);
    XCloseDisplay(display);
    return announced;
}

WindowManager::~WindowManager()
{
    if (process <= 0)
        return;
    kill(process, SIGTERM);
    // One that does not stop in time is killed.
    const auto deadline = std::chrono::steady_clock::now() + stopTimeout;
    for (;;)
    {
        const pid_t stopped = waitpid(process, nullptr, WNOHANG);
        if (stopped == process || (stopped < 0 && errno != EINTR))
            return;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(process, SIGKILL);
    while (waitpid(process, nullptr, 0) < 0 && errno == EINTR)
    {
    }
}
