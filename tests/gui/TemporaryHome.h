#pragma once

#include <juce_core/juce_core.h>

// HOME points at a fresh temporary folder for the whole GUI test binary, from before the first
// test on, so that the user's Music folder of every test lies inside that folder.
juce::File temporaryHome();

// The preset folder below the temporary Music folder (not created).
juce::File presetFolderInTemporaryHome();
