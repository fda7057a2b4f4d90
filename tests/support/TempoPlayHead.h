#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace testsupport
{

// A playing transport at a tempo, which a test may change (to one that is not a number, too):
// the play head of a processor run in the test itself.
class TempoPlayHead final : public juce::AudioPlayHead
{
public:
    explicit TempoPlayHead(double beatsPerMinute = 120.0) : bpm(beatsPerMinute) {}

    juce::Optional<PositionInfo> getPosition() const override;

    double bpm;
};

} // namespace testsupport
