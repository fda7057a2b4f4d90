#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>

// Preset files on the disk. A preset folder may hold anything a user or another program put
// there (a named pipe blocks its reader for ever, a link to a device never ends), and a file
// system may take fewer bytes than it is given (a process's file-size limit, some network file
// systems): presets are read only from regular files, within a size bound, and written whole or
// not at all.
namespace PresetFiles
{
// True when file is a regular file once every link is followed.
bool isRegularFile(const juce::File& file);

// The whole contents of a regular file of at most maxSize bytes, into contents. False, without
// blocking, for anything else: a missing or unreadable file, a pipe, a device, a socket, a file
// larger than maxSize (also one that grows beyond it while it is read).
bool readRegularFile(const juce::File& file, juce::int64 maxSize, juce::MemoryBlock& contents);

// Replaces target's contents with the numBytes at data: they go into a new temporary file beside
// target, which takes target's place only when every byte reached it. False when anything failed;
// target is then as it was, and the temporary file is gone.
bool replaceWhole(const juce::File& target, const void* data, std::size_t numBytes);
} // namespace PresetFiles
