#pragma once

#include <cstddef>
#include <cstdint>

// One speaker of a speaker arrangement, in the host's 112-byte layout.
struct VstSpeakerProperties
{
    float position[4];
    char name[64];
    std::int32_t type;
    char reserved[28];
};

static_assert(sizeof(VstSpeakerProperties) == 112);
static_assert(offsetof(VstSpeakerProperties, position) == 0);
static_assert(offsetof(VstSpeakerProperties, name) == 16);
static_assert(offsetof(VstSpeakerProperties, type) == 80);
static_assert(offsetof(VstSpeakerProperties, reserved) == 84);

// A speaker arrangement: an 8-byte header followed directly by numChannels speaker records, so
// a block for n channels is 8 + 112 n bytes.
struct VstSpeakerArrangement
{
    std::int32_t type;
    std::int32_t numChannels;

    VstSpeakerProperties* speakers() { return reinterpret_cast<VstSpeakerProperties*>(this + 1); }
    const VstSpeakerProperties* speakers() const
    {
        return reinterpret_cast<const VstSpeakerProperties*>(this + 1);
    }

    static constexpr std::size_t bytesFor(std::size_t channels)
    {
        return sizeof(VstSpeakerArrangement) + channels * sizeof(VstSpeakerProperties);
    }
};

static_assert(sizeof(VstSpeakerArrangement) == 8);
static_assert(offsetof(VstSpeakerArrangement, numChannels) == 4);
