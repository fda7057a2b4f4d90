#pragma once

#include "ChildProcess.h"

#include <juce_core/juce_core.h>

#include <sys/resource.h>

#include <csignal>
#include <cstddef>
#include <functional>

// File systems that take fewer bytes than they are given, for the tests of saving.

// While the object lives, this process may write files up to `bytes` long only, and a write
// beyond that fails with an error instead of ending the process (SIGXFSZ is ignored), as with
// a size limit set by a shell. A write that crosses the limit writes the bytes up to it.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

private:
    rlimit saved{};
    struct sigaction savedAction = {};

    JUCE_DECLARE_NON_COPYABLE(FileSizeLimit)
};

// Runs body in a child process with a mount namespace of its own, in which a fresh tmpfs of
// sizeBytes lies over folder (the parent's folder stays as it is), and answers the child's exit
// status: body's result, or one of the codes below.
namespace privatefolder
{
constexpr int unavailable = 77; // the system gives this process no mount namespace
constexpr int crashed = childprocess::crashed;
constexpr int timedOut = childprocess::timedOut;

int run(const juce::File& folder, std::size_t sizeBytes, const std::function<int()>& body);

// Inside body: the tmpfs over folder becomes read-only.
bool makeReadOnly(const juce::File& folder);

// Inside body: a new file grows until the file system it lies on is full; false when the file
// system stopped it for another reason.
bool fillUp(const juce::File& file);
} // namespace privatefolder
