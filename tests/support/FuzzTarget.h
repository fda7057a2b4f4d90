#pragma once

#include <cstdlib>

// What every fuzz target shares: a failed check ends the run as a crash (libFuzzer keeps the
// input), and the framework, in the target or in a module it loads, must never reach an X
// server: without DISPLAY it would connect to ":0.0", whatever runs there.
namespace fuzztarget
{
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Call before the framework starts.
inline void runHeadless()
{
    setenv("DISPLAY", ":no-display-for-fuzzers", 1);
}
} // namespace fuzztarget
