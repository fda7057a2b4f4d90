#include "AaxPlayHead.h"

#include "AAX_CEffectParameters.h"
#include "AAX_Errors.h"
#include "AAX_ITransport.h"

namespace
{
// The host counts positions in ticks of this many to the quarter note.
constexpr double ticksPerQuarterNote = 960000.0;
} // namespace

juce::Optional<juce::AudioPlayHead::PositionInfo> AaxPlayHead::getPosition() const
{
    const AAX_ITransport* transport = effect.Transport();
    if (transport == nullptr)
        return {};

    PositionInfo position;
    double tempo = 0.0;
    if (transport->GetCurrentTempo(&tempo) == AAX_SUCCESS)
        position.setBpm(tempo);

    int32_t numerator = 0;
    int32_t denominator = 0;
    if (transport->GetCurrentMeter(&numerator, &denominator) == AAX_SUCCESS)
        position.setTimeSignature(TimeSignature{numerator, denominator});

    bool playing = false;
    if (transport->IsTransportPlaying(&playing) == AAX_SUCCESS)
        position.setIsPlaying(playing);

    int64_t sampleLocation = 0;
    if (transport->GetCurrentNativeSampleLocation(&sampleLocation) == AAX_SUCCESS)
    {
        position.setTimeInSamples(sampleLocation);
        if (sampleRate > 0.0)
            position.setTimeInSeconds(static_cast<double>(sampleLocation) / sampleRate);
    }

    int64_t ticks = 0;
    if (transport->GetCurrentTickPosition(&ticks) == AAX_SUCCESS)
        position.setPpqPosition(static_cast<double>(ticks) / ticksPerQuarterNote);

    bool looping = false;
    int64_t loopStart = 0;
    int64_t loopEnd = 0;
    if (transport->GetCurrentLoopPosition(&looping, &loopStart, &loopEnd) == AAX_SUCCESS)
    {
        position.setIsLooping(looping);
        position.setLoopPoints(LoopPoints{static_cast<double>(loopStart) / ticksPerQuarterNote,
                                          static_cast<double>(loopEnd) / ticksPerQuarterNote});
    }
    return position;
}
