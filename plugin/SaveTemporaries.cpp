#include "SaveTemporaries.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>

namespace SaveTemporaries
{
namespace
{
constexpr char prefix[] = ".vzrp-saving.";
constexpr std::size_t prefixLength = sizeof(prefix) - 1;
constexpr std::size_t hexDigits = 16;
constexpr std::time_t staleAfterSeconds = 60 * 60;
constexpr int attempts = 100;

std::uint64_t randomNumber()
{
    std::uint64_t number = 0;
    if (::getrandom(&number, sizeof(number), GRND_NONBLOCK) == static_cast<ssize_t>(sizeof(number)))
        return number;

    // Without the kernel's pool (early in boot) a clock reading still varies between tries; the
    // exclusive create settles any clash.
    static std::uint64_t counter = 0;
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           (++counter * 0x9e3779b97f4a7c15ULL);
}

std::string nameFor(pid_t process, std::uint64_t number)
{
    char name[prefixLength + 24 + hexDigits] = {};
    std::snprintf(name, sizeof(name), "%s%ld.%016llx", prefix, static_cast<long>(process),
                  static_cast<unsigned long long>(number));
    return name;
}

bool isDecimalDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

bool isLowerHexDigit(char c) noexcept
{
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f');
}

// The process a name of the scheme names; false for any other name.
bool processNamedBy(const std::string& name, pid_t& process)
{
    if (name.compare(0, prefixLength, prefix) != 0)
        return false;

    std::size_t at = prefixLength;
    long long number = 0;
    for (; at < name.size() && isDecimalDigit(name[at]); ++at)
    {
        number = number * 10 + (name[at] - '0');
        if (number > 0x7fffffffLL)
            return false;
    }
    if (at == prefixLength || number <= 0 || at >= name.size() || name[at] != '.')
        return false;

    const auto digits = name.substr(at + 1);
    if (digits.size() != hexDigits)
        return false;
    for (const char c : digits)
        if (!isLowerHexDigit(c))
            return false;

    process = static_cast<pid_t>(number);
    return true;
}

bool hasEnded(pid_t process)
{
    return ::kill(process, 0) != 0 && errno == ESRCH;
}

struct FolderCloser final
{
    void operator()(DIR* folder) const noexcept { ::closedir(folder); }
};
} // namespace

FileDescriptor create(const std::string& folder, mode_t mode, std::string& path)
{
    for (int attempt = 0; attempt < attempts; ++attempt)
    {
        const auto candidate = folder + "/" + nameFor(::getpid(), randomNumber());
        FileDescriptor file(::open(candidate.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC,
                                   mode));
        if (file.isOpen())
        {
            path = candidate;
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    return FileDescriptor();
}

void removeLeftovers(const std::string& folder)
{
    const std::unique_ptr<DIR, FolderCloser> listing(::opendir(folder.c_str()));
    if (listing == nullptr)
        return;

    const int folderDescriptor = ::dirfd(listing.get());
    const auto now = std::time(nullptr);
    const auto user = ::geteuid();

    while (const dirent* const entry = ::readdir(listing.get()))
    {
        const std::string name = entry->d_name;
        pid_t process = 0;
        struct stat status = {};
        if (!processNamedBy(name, process) ||
            ::fstatat(folderDescriptor, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != user)
            continue;

        if (hasEnded(process) || now - status.st_mtime > staleAfterSeconds)
            ::unlinkat(folderDescriptor, name.c_str(), 0);
    }
}
} // namespace SaveTemporaries
