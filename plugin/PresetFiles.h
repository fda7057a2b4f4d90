#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>

// Preset files on the disk. A preset folder may hold anything a user or another program put
// there (a named pipe blocks its reader for ever, a link to a device never ends), and a file
// system may take fewer bytes than it is given (a process's file-size limit, some network file
// systems): presets are read only from regular files, within a size bound, and written whole or
// not at all. A preset a user may not write stays as it is, even in a folder the user may write.
namespace PresetFiles
{
// True when file is a regular file once every link is followed.
bool isRegularFile(const juce::File& file);

// The whole contents of a regular file of at most maxSize bytes, into contents. False, without
// blocking, for anything else: a missing or unreadable file, a pipe, a device, a socket, a file
// larger than maxSize (also one that grows beyond it while it is read).
bool readRegularFile(const juce::File& file, juce::int64 maxSize, juce::MemoryBlock& contents);

// True when an entry of file's name exists, whatever it is: a link to nothing included.
bool namesAnEntry(const juce::File& file);

// How replaceWhole ended.
enum class Replacement
{
    replaced,
    failed,            // the file system refused a step: target is as it was
    linkTargetMissing, // target is a link to nothing
    notARegularFile,   // target is (or links to) a pipe, a device or a socket
    writeProtected     // this user may not write target
};

// Replaces target's contents with the numBytes at data: they go into a new temporary file in the
// folder of the file replaced, which takes that file's place only when every byte reached it.
// Anything but replaced leaves target as it was, and the temporary file is gone. A link is
// followed to the file it leads to, which is replaced while the link stays; a replaced file keeps
// its permission bits (and its group, where the file system lets this user keep it).
Replacement replaceWhole(const juce::File& target, const void* data, std::size_t numBytes);
} // namespace PresetFiles
