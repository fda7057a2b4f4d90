#include "PresetFiles.h"

#include "FileDescriptor.h"
#include "SaveTemporaries.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PresetFiles
{
namespace
{
// The file a save replaces, once a link in its place is followed.
struct Destination
{
    std::string path;
    bool exists = false;
    struct stat status = {};
};

// A link is followed to the end of its chain: the file it leads to is replaced, so that the link
// and every other way to that file (a shared preset) see the new contents. A link to nothing is
// refused rather than followed or replaced: a file made where it points would land where the user
// never chose to save (a shared folder moved or not mounted), and a file in the link's place would
// cut the link from the file it was for.
// Nothing when the save may go on.
std::optional<Replacement> refusalFor(const juce::File& target, Destination& destination)
{
    destination.path = target.getFullPathName().toStdString();
    if (::lstat(destination.path.c_str(), &destination.status) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(Replacement::failed);

    if (S_ISLNK(destination.status.st_mode))
    {
        const std::unique_ptr<char, decltype(&std::free)> resolved(
            ::realpath(destination.path.c_str(), nullptr), &std::free);
        if (resolved == nullptr)
            return errno == ENOENT || errno == ENOTDIR || errno == ELOOP
                       ? Replacement::linkTargetMissing
                       : Replacement::failed;
        destination.path = resolved.get();
        if (::lstat(destination.path.c_str(), &destination.status) != 0)
            return errno == ENOENT ? Replacement::linkTargetMissing : Replacement::failed;
    }

    destination.exists = true;
    if (!S_ISREG(destination.status.st_mode))
        return Replacement::notARegularFile;

    // The folder's permissions would let the rename replace a file this user may not write.
    if (::faccessat(AT_FDCWD, destination.path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES || errno == EPERM || errno == EROFS ? Replacement::writeProtected
                                                                   : Replacement::failed;
    return std::nullopt;
}

// Every byte into file, flushed to the disk; false when the file system kept fewer of them.
bool writeWhole(FileDescriptor& file, const void* data, std::size_t numBytes)
{
    // A write may take fewer bytes than it is given without failing: the rest follows, until
    // every byte is in or the file system refuses the next one (a full disk, a size limit).
    const auto* bytes = static_cast<const char*>(data);
    for (std::size_t done = 0; done < numBytes;)
    {
        const auto written = ::write(file.get(), bytes + done, numBytes - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }

    struct stat status = {};
    return ::fsync(file.get()) == 0 && ::fstat(file.get(), &status) == 0 &&
           status.st_size == static_cast<off_t>(numBytes) && file.close();
}

// The replaced file's permission bits, and its group where this user may give it (the owner
// stays whoever saves). Created private until then: no other user sees the new contents under
// wider permissions than the old ones had, even for a moment.
bool takeOverPermissions(const FileDescriptor& file, const struct stat& old)
{
    // A user outside the old group cannot give the file to it: it stays in the user's group then,
    // which is no reason to fail the save.
    [[maybe_unused]] const int groupKept = ::fchown(file.get(), static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(file.get(), old.st_mode & 0777) == 0;
}

// The rename is in the folder's entry, which reaches the disk on its own schedule: flushed, a
// crash right after the save cannot bring the old preset back. The file is replaced by then, so
// a folder that cannot be flushed (some file systems refuse) is no failure.
void flushFolder(const std::string& folder)
{
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.isOpen())
        ::fsync(directory.get());
}

// Removes a temporary file when this goes, unless it took its target's place.
class TemporaryName final
{
public:
    explicit TemporaryName(std::string pathToRemove) : path(std::move(pathToRemove)) {}
    ~TemporaryName()
    {
        if (!path.empty())
            ::unlink(path.c_str());
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    const std::string& get() const noexcept { return path; }
    void keep() noexcept { path.clear(); }

private:
    std::string path;
};
} // namespace

Replacement replaceWhole(const juce::File& target, const void* data, std::size_t numBytes)
{
    if (target == juce::File())
        return Replacement::failed;

    Destination destination;
    if (const auto refusal = refusalFor(target, destination))
        return *refusal;

    const auto folder =
        juce::File(destination.path).getParentDirectory().getFullPathName().toStdString();
    SaveTemporaries::removeLeftovers(folder);

    std::string temporaryPath;
    auto out = SaveTemporaries::create(folder, destination.exists ? 0600 : 0644, temporaryPath);
    if (!out.isOpen())
        return Replacement::failed;
    TemporaryName temporary(temporaryPath);

    if ((destination.exists && !takeOverPermissions(out, destination.status)) ||
        !writeWhole(out, data, numBytes))
        return Replacement::failed;

    // One step: the old contents until it is done, the new ones after.
    if (std::rename(temporary.get().c_str(), destination.path.c_str()) != 0)
        return Replacement::failed;
    temporary.keep();

    flushFolder(folder);
    return Replacement::replaced;
}
} // namespace PresetFiles
