#pragma once

#include "ParameterId.h"

#include <juce_core/juce_core.h>

#include <array>

// One of the twelve programs: two settings channels, A (0) and B (1), each with its own preset
// path and ten parameter values.
struct ProgramSlot
{
    static constexpr int numChannels = 2;
    using Values = std::array<float, kNumParameters>;

    int activeChannel = 0;
    std::array<juce::String, numChannels> presetPath;
    std::array<Values, numChannels> values{};

    // The channel in use; anything but 1 (which only a damaged document could bring in) is A.
    int activeChannelIndex() const noexcept { return activeChannel == 1 ? 1 : 0; }

    Values& activeValues() noexcept { return values[(size_t)activeChannelIndex()]; }
    const Values& activeValues() const noexcept { return values[(size_t)activeChannelIndex()]; }
    const juce::String& activePresetPath() const noexcept
    {
        return presetPath[(size_t)activeChannelIndex()];
    }
};
