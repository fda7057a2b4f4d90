#pragma once

#include <juce_core/juce_core.h>

// Opens a document or a web address with the desktop's default application, without waiting
// for it. On Linux that is xdg-open, found on PATH and started directly with the target as its
// only argument: no shell reads the target, and a document is never run as a program even when
// its file is executable. False when nothing could be started.
bool openWithDefaultApplication(const juce::String& fileOrAddress);
