#include "PresetFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PresetFiles
{
namespace
{
class FileDescriptor final
{
public:
    explicit FileDescriptor(int descriptorToOwn) noexcept : descriptor(descriptorToOwn) {}
    ~FileDescriptor() { close(); }

    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const noexcept { return descriptor >= 0; }
    int get() const noexcept { return descriptor; }

    // True when the file system reported no error on closing (some report late write errors
    // only here).
    bool close() noexcept
    {
        if (descriptor < 0)
            return true;
        const bool closed = ::close(descriptor) == 0;
        descriptor = -1;
        return closed;
    }

private:
    int descriptor;
};

// Every byte into a file that must not exist yet, flushed to the disk; false when the file
// system kept fewer of them.
bool writeNewFile(const juce::File& file, const void* data, std::size_t numBytes)
{
    FileDescriptor out(::open(file.getFullPathName().toRawUTF8(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0644));
    if (!out.isOpen())
        return false;

    // A write may take fewer bytes than it is given without failing: the rest follows, until
    // every byte is in or the file system refuses the next one (a full disk, a size limit).
    const auto* bytes = static_cast<const char*>(data);
    for (std::size_t done = 0; done < numBytes;)
    {
        const auto written = ::write(out.get(), bytes + done, numBytes - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }

    struct stat status = {};
    return ::fsync(out.get()) == 0 && ::fstat(out.get(), &status) == 0 &&
           status.st_size == static_cast<off_t>(numBytes) && out.close();
}
} // namespace

bool isRegularFile(const juce::File& file)
{
    struct stat status = {};
    return ::stat(file.getFullPathName().toRawUTF8(), &status) == 0 && S_ISREG(status.st_mode);
}

bool readRegularFile(const juce::File& file, juce::int64 maxSize, juce::MemoryBlock& contents)
{
    contents.reset();

    // Looked at before it is opened: opening a pipe waits for a writer, opening a device may do
    // something of its own.
    if (maxSize < 0 || !isRegularFile(file))
        return false;

    // And again once open, in case another entry took its place meanwhile.
    const FileDescriptor in(
        ::open(file.getFullPathName().toRawUTF8(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status = {};
    if (!in.isOpen() || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > maxSize)
        return false;

    // Room for one byte beyond the size it has now: a file that grows while it is read is read
    // on only until it passes the bound.
    const auto limit = static_cast<std::size_t>(maxSize);
    std::size_t used = 0;
    contents.setSize(static_cast<std::size_t>(status.st_size) + 1);

    for (;;)
    {
        if (used == contents.getSize())
            contents.setSize(std::min(used * 2, limit + 1));

        const auto got = ::read(in.get(), static_cast<char*>(contents.getData()) + used,
                                contents.getSize() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        if (got == 0)
        {
            contents.setSize(used);
            return true;
        }

        used += static_cast<std::size_t>(got);
        if (used > limit)
            break;
    }

    contents.reset();
    return false;
}

bool replaceWhole(const juce::File& target, const void* data, std::size_t numBytes)
{
    if (target == juce::File())
        return false;

    // A name beside the target that no file has yet; the temporary file is removed when this
    // goes, unless it has taken the target's place by then.
    const juce::TemporaryFile temporary(target);
    const auto& written = temporary.getFile();
    if (!writeNewFile(written, data, numBytes))
        return false;

    // One step: the old contents until it is done, the new ones after.
    return std::rename(written.getFullPathName().toRawUTF8(),
                       target.getFullPathName().toRawUTF8()) == 0;
}
} // namespace PresetFiles
