#include "FileSystemLimits.h"

#include "ChildProcess.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &savedAction);
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto limited = saved;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::sigaction(SIGXFSZ, &savedAction, nullptr);
}

namespace privatefolder
{
namespace
{
bool writeProcessFile(const char* path, const std::string& text)
{
    const int file = ::open(path, O_WRONLY | O_CLOEXEC);
    if (file < 0)
        return false;
    const bool written = ::write(file, text.data(), text.size()) == (ssize_t)text.size();
    return ::close(file) == 0 && written;
}

// A user namespace maps this user to its root, which may then mount; as root a mount namespace
// alone does. Mounts made afterwards stay in this process's namespace.
bool enterOwnNamespace()
{
    const auto user = std::to_string(::getuid());
    const auto group = std::to_string(::getgid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0)
    {
        if (!writeProcessFile("/proc/self/setgroups", "deny") ||
            !writeProcessFile("/proc/self/uid_map", "0 " + user + " 1") ||
            !writeProcessFile("/proc/self/gid_map", "0 " + group + " 1"))
            return false;
    }
    else if (::unshare(CLONE_NEWNS) != 0)
    {
        return false;
    }
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}
} // namespace

int run(const juce::File& folder, std::size_t sizeBytes, const std::function<int()>& body)
{
    const auto path = folder.getFullPathName().toStdString();
    const auto options = "size=" + std::to_string(sizeBytes);

    const auto ending = childprocess::run(
        [&]
        {
            const bool mounted = enterOwnNamespace() && ::mount("stompix-test", path.c_str(),
                                                                "tmpfs", 0, options.c_str()) == 0;
            return mounted ? body() : unavailable;
        });
    return childprocess::statusOf(ending);
}

bool makeReadOnly(const juce::File& folder)
{
    return ::mount(nullptr, folder.getFullPathName().toRawUTF8(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}

bool fillUp(const juce::File& file)
{
    const int out =
        ::open(file.getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0)
        return false;
    const std::string block(4096, 'x');
    while (::write(out, block.data(), block.size()) > 0)
    {
    }
    const bool full = errno == ENOSPC;
    ::close(out);
    return full;
}
} // namespace privatefolder
