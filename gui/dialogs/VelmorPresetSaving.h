#pragma once

#include <juce_core/juce_core.h>

class StompixZR7714AudioProcessor;
class VelmorPresetMenu;

namespace velmor
{

// Writes the processor's current settings to file through the preset menu and, only when that
// worked, makes the file the preset path of the current program slot's active channel. A failed
// result carries the text to show the user.
juce::Result saveCurrentPreset(StompixZR7714AudioProcessor& processor, VelmorPresetMenu& presetMenu,
                               const juce::File& file);

// The question asked before file, a preset below presetFolder, is written over.
juce::String overwriteQuestion(const juce::File& file, const juce::File& presetFolder);

} // namespace velmor
