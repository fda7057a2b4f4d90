#pragma once

#include <unistd.h>

// An open file descriptor, closed when this goes.
class FileDescriptor final
{
public:
    explicit FileDescriptor(int descriptorToOwn = -1) noexcept : descriptor(descriptorToOwn) {}
    ~FileDescriptor() { close(); }

    FileDescriptor(FileDescriptor&& other) noexcept : descriptor(other.descriptor)
    {
        other.descriptor = -1;
    }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other)
        {
            close();
            descriptor = other.descriptor;
            other.descriptor = -1;
        }
        return *this;
    }
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
