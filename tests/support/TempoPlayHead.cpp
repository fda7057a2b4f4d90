#include "TempoPlayHead.h"

namespace testsupport
{

juce::Optional<juce::AudioPlayHead::PositionInfo> TempoPlayHead::getPosition() const
{
    PositionInfo info;
    info.setBpm(bpm);
    info.setIsPlaying(true);
    return info;
}

} // namespace testsupport
