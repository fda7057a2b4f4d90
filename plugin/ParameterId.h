#pragma once

#include <array>
#include <cmath>

// The ten host parameters by index. The index is the parameter's identity towards hosts (a VST3
// host sees it as the parameter ID) and must never change once shipped.
enum ParameterId
{
    kOnBypass = 0,
    kPhaserType,
    kRate,
    kRateSync,
    kDepth,
    kFeedback,
    kMix,
    kLevel,
    kStereo,
    kSync,
    kNumParameters
};

// Each key is at once the parameter's name for hosts and its key in the state and preset XML.
inline constexpr const char* c_bypass = "onBypass";
inline constexpr const char* c_type = "phaserType";
inline constexpr const char* c_rate = "rate";
inline constexpr const char* c_rateSync = "rateSync";
inline constexpr const char* c_depth = "depth";
inline constexpr const char* c_feedback = "feedback";
inline constexpr const char* c_mix = "mix";
inline constexpr const char* c_level = "level";
inline constexpr const char* c_stereoSpread = "stereo";
inline constexpr const char* c_sync = "sync";

namespace ParameterTable
{
inline constexpr std::array<const char*, kNumParameters> keys{
    c_bypass,   c_type, c_rate,  c_rateSync,     c_depth,
    c_feedback, c_mix,  c_level, c_stereoSpread, c_sync};

inline constexpr std::array<float, kNumParameters> defaults{1.0f, 0.0f, 0.5f, 0.5f, 0.5f,
                                                            0.5f, 0.5f, 0.5f, 0.0f, 0.0f};

constexpr bool isValidIndex(int index) noexcept
{
    return index >= 0 && index < kNumParameters;
}

// The on/off parameters: shown as "On"/"Off" and stored as "true"/"false".
constexpr bool isSwitch(int index) noexcept
{
    return index == kOnBypass || index == kStereo || index == kSync;
}

// The parameters that play in steps (phaserType's models, rateSync's note values): stored as the
// step, a whole number.
constexpr bool isStepped(int index) noexcept
{
    return index == kPhaserType || index == kRateSync;
}

// Hosts, chunks and presets are not trusted: a value that is not finite is refused (false, the
// old value stays); any other is clamped to 0..1 (and a negative zero made positive).
inline bool sanitise(float& value) noexcept
{
    if (!std::isfinite(value))
        return false;

    value = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);

    if (value == 0.0f)
        value = 0.0f;

    return true;
}

// The index whose key equals `key` exactly (case included), or -1.
template <typename StringLike> int indexOfKey(const StringLike& key)
{
    for (int i = 0; i < kNumParameters; ++i)
        if (key == keys[(size_t)i])
            return i;

    return -1;
}
} // namespace ParameterTable
