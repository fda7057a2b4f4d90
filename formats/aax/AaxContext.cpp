#include "AaxContext.h"

#include "AaxEffectParameters.h"

#include <cstring>

namespace AaxContext
{
namespace
{
template <typename T> T Read(void* const* fields, Field field)
{
    T value{};
    if (const void* data = fields[field])
        std::memcpy(&value, data, sizeof value);
    return value;
}
} // namespace

void Process(void* const instancesBegin[], const void* instancesEnd)
{
    for (void* const* context = instancesBegin; context != instancesEnd; ++context)
    {
        auto* const* fields = static_cast<void* const*>(*context);
        if (fields == nullptr)
            continue;
        auto* const effect = Read<AaxEffectParameters*>(fields, instance);
        if (effect == nullptr)
            continue;
        effect->RenderBlock(static_cast<const float* const*>(fields[inputChannels]),
                            static_cast<float* const*>(fields[outputChannels]),
                            Read<int32_t>(fields, bufferLength), Read<int32_t>(fields, bypass) != 0,
                            Read<int32_t>(fields, prepared) != 0);
    }
}
} // namespace AaxContext
