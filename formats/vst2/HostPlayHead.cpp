#include "HostPlayHead.h"

#include "HostRecordLayouts.h"

#include <AudioEffectX.h>

#include <cmath>

namespace
{
constexpr std::int32_t wantedFields = TimeInfoFlags::ppqPosValid | TimeInfoFlags::tempoValid |
                                      TimeInfoFlags::barsValid | TimeInfoFlags::cyclePosValid |
                                      TimeInfoFlags::timeSigValid;

bool has(const HostTimeInfo& info, std::int32_t flag)
{
    return (info.flags & flag) != 0;
}

// A position that a 64-bit sample count can hold; anything else (not a number included) is no
// position at all, and converting it would be undefined.
bool isSampleCount(double samples)
{
    constexpr double limit = 9223372036854775808.0; // 2^63
    return samples >= -limit && samples < limit;
}

juce::AudioPlayHead::PositionInfo positionFrom(const HostTimeInfo& info)
{
    juce::AudioPlayHead::PositionInfo position;

    if (isSampleCount(info.samplePos))
    {
        position.setTimeInSamples(static_cast<juce::int64>(info.samplePos));

        if (info.sampleRate > 0.0 && std::isfinite(info.sampleRate))
            position.setTimeInSeconds(info.samplePos / info.sampleRate);
    }

    // A tempo the host does not vouch for is no tempo: the processor keeps the last one.
    if (has(info, TimeInfoFlags::tempoValid) && std::isfinite(info.tempo) && info.tempo > 0.0)
        position.setBpm(info.tempo);

    if (has(info, TimeInfoFlags::ppqPosValid) && std::isfinite(info.ppqPos))
        position.setPpqPosition(info.ppqPos);

    if (has(info, TimeInfoFlags::barsValid) && std::isfinite(info.barStartPos))
        position.setPpqPositionOfLastBarStart(info.barStartPos);

    if (has(info, TimeInfoFlags::timeSigValid) && info.timeSigNumerator > 0 &&
        info.timeSigDenominator > 0)
        position.setTimeSignature(
            juce::AudioPlayHead::TimeSignature{info.timeSigNumerator, info.timeSigDenominator});

    if (has(info, TimeInfoFlags::cyclePosValid))
        position.setLoopPoints(
            juce::AudioPlayHead::LoopPoints{info.cycleStartPos, info.cycleEndPos});

    position.setIsPlaying(has(info, TimeInfoFlags::transportPlaying));
    position.setIsRecording(has(info, TimeInfoFlags::transportRecording));
    position.setIsLooping(has(info, TimeInfoFlags::transportCycleActive));
    return position;
}
} // namespace

juce::Optional<juce::AudioPlayHead::PositionInfo> HostPlayHead::getPosition() const
{
    const HostTimeInfo* info = effect.getTimeInfo(wantedFields);

    if (info == nullptr)
        return {};

    return positionFrom(*info);
}
