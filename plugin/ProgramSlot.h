#pragma once

#include "ParameterId.h"
#include "RelaxedAtomic.h"

#include <juce_core/juce_core.h>

#include <array>

// One of the twelve programs: two settings channels, A (0) and B (1), each with its own preset
// path and ten parameter values. A host's automation writes the active channel's values from the
// audio thread while the message thread reads and writes them and switches the channel: values and
// channel are shared whole-value atomics. The preset paths belong to the message thread alone.
struct ProgramSlot
{
    static constexpr int numChannels = 2;
    using Values = std::array<RelaxedAtomic<float>, kNumParameters>;

    RelaxedAtomic<int> activeChannel{0};
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
