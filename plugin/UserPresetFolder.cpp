#include "UserPresetFolder.h"

juce::File userPresetFolder()
{
    return juce::File::getSpecialLocation(juce::File::userMusicDirectory)
        .getChildFile("Audio Music Apps")
        .getChildFile("Velmor/Presets/StompixZR7714");
}
