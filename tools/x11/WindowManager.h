#pragma once

#include <string>
#include <sys/types.h>

// openbox on the test's display (DISPLAY), as a user's desktop runs a window manager: it frames
// the host's windows and gives the focus to the window clicked, as openbox-rc.xml has it (not
// the machine's configuration). Ready once it has announced itself on the root window; stopped
// again on destruction (killed when it does not stop within seconds), and with the process that
// started it.
class WindowManager
{
public:
    WindowManager();
    ~WindowManager();

    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool isRunning() const { return problem.empty(); }
    // Whether a window manager, this one or another, has announced itself on the display.
    static bool runsOnDisplay();
    // Why it is not running: no openbox, or it never announced itself.
    const std::string& failure() const { return problem; }

private:
    pid_t process = -1;
    std::string problem;
};
