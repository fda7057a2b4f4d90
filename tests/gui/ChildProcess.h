#pragma once

#include <functional>

// A child process of the test binary: body runs in a copy of this process as it was at the fork
// (only what was made before the fork may be used there), and the child ends with body's result
// without running the parent's exit handlers.
namespace childprocess
{
struct Ending
{
    enum Kind
    {
        exited,   // code: the exit status
        killed,   // code: the signal that ended it
        timedOut, // still running after a minute, then killed
        notStarted
    };
    Kind kind = notStarted;
    int code = 0;
};

Ending run(const std::function<int()>& body);

// The child's exit status, or one of these for a child that did not exit.
constexpr int crashed = 78;
constexpr int timedOut = 79;
int statusOf(const Ending& ending);
} // namespace childprocess
