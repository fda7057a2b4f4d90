#include "XvfbDisplay.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// A bare X server has none of the window manager's atoms, and the framework only looks some of
// them up without creating them; a host's desktop always has them.
void internWindowManagerAtoms(Display* display)
{
    const char* names[] = {"WM_PROTOCOLS",        "WM_TAKE_FOCUS",
                           "WM_DELETE_WINDOW",    "_NET_WM_PING",
                           "WM_CHANGE_STATE",     "WM_STATE",
                           "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL",
                           "_NET_WM_STATE",       "_NET_WM_STATE_HIDDEN",
                           "_NET_FRAME_EXTENTS",  "_NET_WORKAREA",
                           "_MOTIF_WM_HINTS",     "_NET_WM_ALLOWED_ACTIONS"};
    for (const char* name : names)
        XInternAtom(display, name, False);
}
} // namespace

XvfbDisplay::XvfbDisplay()
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;

    // Xvfb picks a free display and writes its number to the descriptor we hand it. Without
    // -noreset it would reset, atoms and all, whenever its last client leaves.
    const std::string descriptor = std::to_string(pipeEnds[1]);
    const char* arguments[] = {"Xvfb",     "-displayfd",  descriptor.c_str(), "-screen",
                               "0",        "1024x768x24", "-nolisten",        "tcp",
                               "-noreset", nullptr};

    server = fork();
    if (server == 0)
    {
        // The server goes with the test process, however that ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(pipeEnds[0]);
        execvp("Xvfb", const_cast<char**>(arguments));
        _exit(127);
    }
    close(pipeEnds[1]);

    std::string number;
    char c;
    while (server > 0 && read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(pipeEnds[0]);

    if (number.empty())
        return;

    name = ":" + number;
    setenv("DISPLAY", name.c_str(), 1);

    // Atoms live as long as the server: interned once, every later client finds them.
    if (Display* connection = XOpenDisplay(name.c_str()))
    {
        internWindowManagerAtoms(connection);
        XCloseDisplay(connection);
    }
}

XvfbDisplay::~XvfbDisplay()
{
    if (server <= 0)
        return;
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}
