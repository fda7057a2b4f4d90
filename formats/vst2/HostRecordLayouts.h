#pragma once

#include <cstddef>
#include <cstdint>

// The host records the adapter reads or fills, in the binary layout Linux VST2 hosts use
// (x86-64, natural alignment). They complete the declarations of the base classes.

// What the host answers to its time-info call: the transport, with flags telling which fields
// hold valid values.
struct HostTimeInfo
{
    double samplePos;
    double sampleRate;
    double nanoSeconds;
    double ppqPos;
    double tempo;
    double barStartPos;
    double cycleStartPos;
    double cycleEndPos;
    std::int32_t timeSigNumerator;
    std::int32_t timeSigDenominator;
    std::int32_t smpteOffset;
    std::int32_t smpteFrameRate;
    std::int32_t samplesToNextClock;
    std::int32_t flags;
};

static_assert(sizeof(HostTimeInfo) == 88);
static_assert(offsetof(HostTimeInfo, ppqPos) == 24);
static_assert(offsetof(HostTimeInfo, tempo) == 32);
static_assert(offsetof(HostTimeInfo, barStartPos) == 40);
static_assert(offsetof(HostTimeInfo, cycleStartPos) == 48);
static_assert(offsetof(HostTimeInfo, cycleEndPos) == 56);
static_assert(offsetof(HostTimeInfo, timeSigNumerator) == 64);
static_assert(offsetof(HostTimeInfo, timeSigDenominator) == 68);
static_assert(offsetof(HostTimeInfo, samplesToNextClock) == 80);
static_assert(offsetof(HostTimeInfo, flags) == 84);

// Bits of HostTimeInfo::flags; the same bits, passed to the time-info call, ask for the fields.
namespace TimeInfoFlags
{
inline constexpr std::int32_t transportChanged = 1 << 0;
inline constexpr std::int32_t transportPlaying = 1 << 1;
inline constexpr std::int32_t transportCycleActive = 1 << 2;
inline constexpr std::int32_t transportRecording = 1 << 3;
inline constexpr std::int32_t nanosValid = 1 << 8;
inline constexpr std::int32_t ppqPosValid = 1 << 9;
inline constexpr std::int32_t tempoValid = 1 << 10;
inline constexpr std::int32_t barsValid = 1 << 11;
inline constexpr std::int32_t cyclePosValid = 1 << 12;
inline constexpr std::int32_t timeSigValid = 1 << 13;
} // namespace TimeInfoFlags

// The editor's rectangle in pixels, answered through opcode 13.
struct EditorRect
{
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

static_assert(sizeof(EditorRect) == 8);
static_assert(offsetof(EditorRect, bottom) == 4);

// What the host learns about one input or output pin (opcodes 33 and 34).
struct VstPinProperties
{
    char label[64];
    std::int32_t flags;
    std::int32_t arrangementType;
    char shortLabel[8];
    char future[48];
};

static_assert(sizeof(VstPinProperties) == 128);
static_assert(offsetof(VstPinProperties, flags) == 64);
static_assert(offsetof(VstPinProperties, arrangementType) == 68);
static_assert(offsetof(VstPinProperties, shortLabel) == 72);
static_assert(offsetof(VstPinProperties, future) == 80);

namespace PinFlags
{
inline constexpr std::int32_t isActive = 1 << 0;
inline constexpr std::int32_t isStereo = 1 << 1; // the first pin of a stereo pair
inline constexpr std::int32_t useSpeaker = 1 << 2;
} // namespace PinFlags

// Speaker and arrangement types of VstSpeakerArrangement and VstSpeakerProperties.
namespace SpeakerTypes
{
inline constexpr std::int32_t arrangementMono = 0;
inline constexpr std::int32_t arrangementStereo = 1;
inline constexpr std::int32_t mono = 0;
inline constexpr std::int32_t left = 1;
inline constexpr std::int32_t right = 2;
} // namespace SpeakerTypes

// Text buffer sizes hosts give, terminator included.
namespace HostTextSizes
{
inline constexpr std::size_t programName = 24;
inline constexpr std::size_t parameterLabel = 8;
inline constexpr std::size_t parameterDisplay = 8;
inline constexpr std::size_t parameterName = 16;
inline constexpr std::size_t effectName = 32;
inline constexpr std::size_t vendorString = 64;
inline constexpr std::size_t productString = 64;
inline constexpr std::size_t pinLabel = 64;
inline constexpr std::size_t pinShortLabel = 8;
// A text the host hands in (a program name, a parameter value) is read up to this length.
inline constexpr std::size_t incomingText = 256;
} // namespace HostTextSizes
