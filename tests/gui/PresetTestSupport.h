#pragma once

#include "GuardedXml.h"
#include "ParameterId.h"
#include "StompixZR7714AudioProcessor.h"

// The depth stored in a preset file, as a fresh processor reads it.
inline float depthInPreset(const juce::File& file)
{
    StompixZR7714AudioProcessor reader;
    reader.readPreset(GuardedXml::parse(file), true);
    return reader.getParameter(kDepth);
}

// The preset path of the current program slot's active channel.
inline juce::String& activePresetPath(StompixZR7714AudioProcessor& processor)
{
    auto& slot = processor.getCurrentProgramSlot();
    return slot.presetPath[static_cast<size_t>(slot.activeChannelIndex())];
}
