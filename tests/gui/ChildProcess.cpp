#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace childprocess
{
Ending run(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return {};
    if (child == 0)
        ::_exit(body());

    // A safety net for a child that hangs, not a measure of anything: the parent never waits for
    // a time to pass otherwise.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    for (;;)
    {
        int status = 0;
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child)
            return WIFEXITED(status) ? Ending{Ending::exited, WEXITSTATUS(status)}
                                     : Ending{Ending::killed, WTERMSIG(status)};
        if (ended < 0)
            return {};
        if (std::chrono::steady_clock::now() > deadline)
        {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return {Ending::timedOut, 0};
        }
        std::this_thread::sleep_for(5ms);
    }
}

int statusOf(const Ending& ending)
{
    switch (ending.kind)
    {
    case Ending::exited:
        return ending.code;
    case Ending::timedOut:
        return timedOut;
    case Ending::killed:
    case Ending::notStarted:
        break;
    }
    return crashed;
}
} // namespace childprocess
