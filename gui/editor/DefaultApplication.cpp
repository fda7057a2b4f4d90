#include "DefaultApplication.h"

#if JUCE_LINUX || JUCE_BSD
#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
juce::File findOnPath(const juce::String& program)
{
    const auto folders = juce::StringArray::fromTokens(
        juce::SystemStats::getEnvironmentVariable("PATH", {}), ":", {});

    for (const auto& folder : folders)
    {
        if (!juce::File::isAbsolutePath(folder))
            continue;

        const auto candidate = juce::File(folder).getChildFile(program);
        if (candidate.existsAsFile() &&
            ::access(candidate.getFullPathName().toRawUTF8(), X_OK) == 0)
            return candidate;
    }
    return {};
}
} // namespace

bool openWithDefaultApplication(const juce::String& fileOrAddress)
{
    const auto opener = findOnPath("xdg-open");
    if (opener == juce::File() || fileOrAddress.isEmpty())
        return false;

    // Everything the children need is made before fork: between fork and exec a child of a
    // threaded host may only make async-signal-safe calls.
    const std::string program = opener.getFullPathName().toStdString();
    const std::string target = fileOrAddress.toStdString();
    std::string name = "xdg-open";
    char* const arguments[] = {name.data(), const_cast<char*>(target.c_str()), nullptr};
    const long maxDescriptor = ::sysconf(_SC_OPEN_MAX);

    // The child starts the opener in a session of its own and exits at once, so the host reaps
    // it here and the opener, adopted by init, never lingers as the host's zombie.
    const pid_t child = ::fork();
    if (child < 0)
        return false;

    if (child == 0)
    {
        ::setsid();
        const pid_t opening = ::fork();
        if (opening == 0)
        {
            for (long descriptor = 3; descriptor < maxDescriptor; ++descriptor)
                ::close((int)descriptor);
            ::execve(program.c_str(), arguments, environ);
            ::_exit(127);
        }
        ::_exit(opening < 0 ? 1 : 0);
    }

    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;

    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#else

bool openWithDefaultApplication(const juce::String& fileOrAddress)
{
    return juce::Process::openDocument(fileOrAddress, {});
}

#endif
