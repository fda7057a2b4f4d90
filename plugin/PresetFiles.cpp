#include "PresetFiles.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PresetFiles
{
bool isRegularFile(const juce::File& file)
{
    struct stat status = {};
    return ::stat(file.getFullPathName().toRawUTF8(), &status) == 0 && S_ISREG(status.st_mode);
}

bool namesAnEntry(const juce::File& file)
{
    struct stat status = {};
    return ::lstat(file.getFullPathName().toRawUTF8(), &status) == 0;
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

} // namespace PresetFiles
