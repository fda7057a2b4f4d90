#pragma once

#include "ChildProcess.h"

#include <juce_core/juce_core.h>

#include <functional>

// Runs body as a user who, unlike root, may not write every file: in this process when it is not
// root's; as root in a child process that has become "nobody" (user and group 65534), for which
// folder's tree is made that user's own, and every folder on the way to it passable, while the
// child runs. Answers body's result, or one of the codes below.
namespace unprivileged
{
constexpr int crashed = childprocess::crashed;
constexpr int timedOut = childprocess::timedOut;
constexpr int userNotTaken = 80; // the child could not become that user

int run(const juce::File& folder, const std::function<int()>& body);
} // namespace unprivileged
