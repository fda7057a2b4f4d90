#pragma once

#include <juce_core/juce_core.h>

// Preset files on the disk. A preset folder may hold anything a user or another program put
// there (a named pipe blocks its reader for ever, a link to a device never ends): presets are
// read only from regular files, within a size bound.
namespace PresetFiles
{
// True when file is a regular file once every link is followed.
bool isRegularFile(const juce::File& file);

// The whole contents of a regular file of at most maxSize bytes, into contents. False, without
// blocking, for anything else: a missing or unreadable file, a pipe, a device, a socket, a file
// larger than maxSize (also one that grows beyond it while it is read).
bool readRegularFile(const juce::File& file, juce::int64 maxSize, juce::MemoryBlock& contents);
} // namespace PresetFiles
