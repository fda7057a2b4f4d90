#pragma once

#include <string>
#include <sys/types.h>

// A private X server for the test process: Xvfb on a free display number, which DISPLAY then
// names, with the window manager's atoms a desktop has. Stopped again on destruction.
class XvfbDisplay
{
public:
    XvfbDisplay();
    ~XvfbDisplay();

    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool isRunning() const { return !name.empty(); }
    const std::string& getName() const { return name; }

private:
    pid_t server = -1;
    std::string name;
};
