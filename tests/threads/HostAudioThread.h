#pragma once

#include "TempoPlayHead.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <cstdint>
#include <thread>

// A host's audio thread: the processor is prepared for blocks of up to maxBlockSize samples, then
// a thread of its own runs blocks of changing sizes through processBlock inside the processor's
// callback lock, as the framework's VST3 wrapper calls it, at a host tempo that moves now and
// then. Every few blocks it first hands over a few points of the host's automation, as a VST3
// host does on its audio thread (before the lock is taken, as that wrapper does). It runs from
// construction until stop() (or destruction), then releases the processor.
class HostAudioThread final
{
public:
    static constexpr int maxBlockSize = 512;
    static constexpr double sampleRate = 48000.0;

    explicit HostAudioThread(juce::AudioProcessor& processorToRun);
    ~HostAudioThread();

    void stop();

    std::int64_t blocksProcessed() const noexcept { return blocks.load(); }
    std::int64_t samplesProcessed() const noexcept { return samples.load(); }
    int tempoChanges() const noexcept { return tempos.load(); }
    // Automation points that changed a parameter, and those of them that changed the type.
    int parameterWrites() const noexcept { return writes.load(); }
    int typeWrites() const noexcept { return typeChanges.load(); }
    // False once any output sample was not a finite number.
    bool outputStayedFinite() const noexcept { return finite.load(); }

private:
    void run();
    void writeAutomation(juce::Random& random);

    juce::AudioProcessor& processor;
    // Read and changed on the audio thread only, as a host's transport is.
    testsupport::TempoPlayHead playHead;
    std::atomic<bool> stopping{false};
    std::atomic<std::int64_t> blocks{0};
    std::atomic<std::int64_t> samples{0};
    std::atomic<int> tempos{0};
    std::atomic<int> writes{0};
    std::atomic<int> typeChanges{0};
    std::atomic<bool> finite{true};
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE(HostAudioThread)
};
