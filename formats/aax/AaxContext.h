#pragma once

#include "AAX_Enums.h"

#include <cstdint>

class AaxEffectParameters;

// The fields of the context record the host hands the process callback, by index. The data
// model fills the two private fields when the host resets them: the instance, and whether its
// processor is ready to run.
namespace AaxContext
{
enum Field : AAX_CFieldIndex
{
    inputChannels = 0,  // float* const*: one buffer per input channel
    outputChannels = 1, // float* const*: one buffer per output channel
    bufferLength = 2,   // int32_t*: the block's number of samples
    bypass = 3,         // int32_t*: the master bypass, posted as a packet on this data port
    instance = 4,       // AaxEffectParameters**: the instance's data model
    prepared = 5        // int32_t*: 1 when the processor is prepared
};

inline constexpr int32_t instanceFieldSize = 8;
inline constexpr int32_t preparedFieldSize = 4;
static_assert(sizeof(AaxEffectParameters*) == instanceFieldSize);

// The native process callback: runs each instance's block.
void Process(void* const instancesBegin[], const void* instancesEnd);
} // namespace AaxContext
