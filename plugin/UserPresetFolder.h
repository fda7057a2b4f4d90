#pragma once

#include <juce_core/juce_core.h>

// The user's preset folder: Music/Audio Music Apps/Velmor/Presets/StompixZR7714, below the Music
// folder of the user the program runs as (HOME). Not created here.
juce::File userPresetFolder();
