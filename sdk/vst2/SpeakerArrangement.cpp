#include "AudioEffectX.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace
{
// The most channels whose block size still fits a signed 32-bit byte count.
constexpr std::int32_t maxArrangementChannels = static_cast<std::int32_t>(
    (std::numeric_limits<std::int32_t>::max() - sizeof(VstSpeakerArrangement)) /
    sizeof(VstSpeakerProperties));
} // namespace

bool AudioEffectX::allocateArrangement(VstSpeakerArrangement** arrangement, std::int32_t channels)
{
    if (arrangement == nullptr)
        return false;

    std::free(*arrangement);
    *arrangement = nullptr;
    if (channels < 0 || channels > maxArrangementChannels)
        return false;

    void* block =
        std::calloc(1, VstSpeakerArrangement::bytesFor(static_cast<std::size_t>(channels)));
    if (block == nullptr)
        return false;
    *arrangement = static_cast<VstSpeakerArrangement*>(block);
    (*arrangement)->numChannels = channels;
    return true;
}

bool AudioEffectX::deallocateArrangement(VstSpeakerArrangement** arrangement)
{
    if (arrangement == nullptr)
        return false;
    std::free(*arrangement);
    *arrangement = nullptr;
    return true;
}

bool AudioEffectX::copySpeaker(VstSpeakerProperties* to, const VstSpeakerProperties* from)
{
    if (to == nullptr || from == nullptr)
        return false;
    if (to == from)
        return true;

    std::memcpy(to->position, from->position, sizeof(to->position));
    // The source name may lack a terminator; read no more than 63 bytes of it.
    constexpr std::size_t maxNameLength = sizeof(to->name) - 1;
    const void* terminator = std::memchr(from->name, '\0', maxNameLength);
    const std::size_t length =
        terminator != nullptr
            ? static_cast<std::size_t>(static_cast<const char*>(terminator) - from->name)
            : maxNameLength;
    std::memset(to->name, 0, sizeof(to->name));
    std::memcpy(to->name, from->name, length);
    to->type = from->type;
    std::memcpy(to->reserved, from->reserved, sizeof(to->reserved));
    return true;
}

bool AudioEffectX::matchArrangement(VstSpeakerArrangement** to, const VstSpeakerArrangement* from)
{
    if (from == nullptr)
        return false;
    // Freeing the target first would free the source with it.
    if (to != nullptr && *to == from)
        return true;

    const std::int32_t channels = from->numChannels;
    if (!deallocateArrangement(to) || !allocateArrangement(to, channels) || *to == nullptr)
        return false;

    (*to)->type = from->type;
    for (std::int32_t i = 0; i < channels; ++i)
        if (!copySpeaker(&(*to)->speakers()[i], &from->speakers()[i]))
            return false;
    return true;
}
