#pragma once

#include <cstddef>
#include <cstdint>

// The record a VST2 host holds for one plug-in instance and calls through. Its layout is a
// binary contract with every host: 192 bytes, little-endian, natural alignment on 64-bit.

struct AEffect;

using HostCallback = std::int64_t (*)(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                      std::int64_t value, void* ptr, float opt);
using DispatcherEntry = std::int64_t (*)(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                         std::int64_t value, void* ptr, float opt);
using ProcessEntry = void (*)(AEffect* effect, float** inputs, float** outputs,
                              std::int32_t frames);
using ProcessDoubleEntry = void (*)(AEffect* effect, double** inputs, double** outputs,
                                    std::int32_t frames);
using SetParameterEntry = void (*)(AEffect* effect, std::int32_t index, float value);
using GetParameterEntry = float (*)(AEffect* effect, std::int32_t index);

struct AEffect
{
    std::int32_t magic;
    std::int32_t padding1;
    DispatcherEntry dispatcher;
    ProcessEntry process; // accumulating process, deprecated
    SetParameterEntry setParameter;
    GetParameterEntry getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    std::int32_t padding2;
    std::intptr_t reserved1;
    std::intptr_t reserved2;
    std::int32_t initialDelay;
    std::int32_t realtimeQualities; // deprecated
    std::int32_t offlineQualities;  // deprecated
    float ioRatio;                  // deprecated
    void* object;                   // the AudioEffect that owns this record
    void* user;                     // free for the host's own use
    std::int32_t uniqueID;
    std::int32_t version;
    ProcessEntry processReplacing;
    ProcessDoubleEntry processDoubleReplacing;
    char future[56];
};

static_assert(sizeof(AEffect) == 192);
static_assert(offsetof(AEffect, magic) == 0);
static_assert(offsetof(AEffect, padding1) == 4);
static_assert(offsetof(AEffect, dispatcher) == 8);
static_assert(offsetof(AEffect, process) == 16);
static_assert(offsetof(AEffect, setParameter) == 24);
static_assert(offsetof(AEffect, getParameter) == 32);
static_assert(offsetof(AEffect, numPrograms) == 40);
static_assert(offsetof(AEffect, numParams) == 44);
static_assert(offsetof(AEffect, numInputs) == 48);
static_assert(offsetof(AEffect, numOutputs) == 52);
static_assert(offsetof(AEffect, flags) == 56);
static_assert(offsetof(AEffect, padding2) == 60);
static_assert(offsetof(AEffect, reserved1) == 64);
static_assert(offsetof(AEffect, reserved2) == 72);
static_assert(offsetof(AEffect, initialDelay) == 80);
static_assert(offsetof(AEffect, realtimeQualities) == 84);
static_assert(offsetof(AEffect, offlineQualities) == 88);
static_assert(offsetof(AEffect, ioRatio) == 92);
static_assert(offsetof(AEffect, object) == 96);
static_assert(offsetof(AEffect, user) == 104);
static_assert(offsetof(AEffect, uniqueID) == 112);
static_assert(offsetof(AEffect, version) == 116);
static_assert(offsetof(AEffect, processReplacing) == 120);
static_assert(offsetof(AEffect, processDoubleReplacing) == 128);
static_assert(offsetof(AEffect, future) == 136);

// 'VstP' read as a big-endian four-character code.
inline constexpr std::int32_t effectMagic = 0x56737450;

// Bits of AEffect::flags.
namespace EffectFlags
{
inline constexpr std::int32_t hasEditor = 0x1;
inline constexpr std::int32_t hasClip = 0x2; // deprecated
inline constexpr std::int32_t hasVu = 0x4;   // deprecated
inline constexpr std::int32_t canMono = 0x8; // deprecated
inline constexpr std::int32_t canReplacing = 0x10;
inline constexpr std::int32_t programChunks = 0x20;
inline constexpr std::int32_t isSynth = 0x100;
inline constexpr std::int32_t noTail = 0x200;
inline constexpr std::int32_t wantsAsync = 0x400;        // deprecated
inline constexpr std::int32_t hasExternalBuffer = 0x800; // deprecated
inline constexpr std::int32_t canDoubleReplacing = 0x1000;
} // namespace EffectFlags
