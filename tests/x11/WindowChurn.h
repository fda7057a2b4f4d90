#pragma once

#include <X11/Xlib.h>

#include <atomic>
#include <thread>

// Another client that opens a mapped window inside the parent and closes it again, over and
// over, on a thread of its own, until it is destroyed: a window that may vanish at any moment.
class WindowChurn final
{
public:
    explicit WindowChurn(Window parent);
    ~WindowChurn();

    WindowChurn(const WindowChurn&) = delete;
    WindowChurn& operator=(const WindowChurn&) = delete;

private:
    std::atomic<bool> running{true};
    std::thread thread;
};
