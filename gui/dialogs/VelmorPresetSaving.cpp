#include "VelmorPresetSaving.h"

#include "StompixZR7714AudioProcessor.h"
#include "VelmorPresetMenu.h"

namespace velmor
{

juce::Result saveCurrentPreset(StompixZR7714AudioProcessor& processor, VelmorPresetMenu& presetMenu,
                               const juce::File& file)
{
    const auto result = presetMenu.writePreset(&processor, file.getFullPathName());
    if (result.wasOk())
    {
        auto& slot = processor.getCurrentProgramSlot();
        slot.presetPath[static_cast<size_t>(slot.activeChannelIndex())] =
            presetMenu.getSelectedFilePath();
    }
    return result;
}

juce::String overwriteQuestion(const juce::File& file, const juce::File& presetFolder)
{
    return "Are you sure you want to overwrite this preset?\n\n\"" +
           file.getRelativePathFrom(presetFolder) + "\"";
}

} // namespace velmor
