#include "HostAudioThread.h"

#include "ParameterId.h"
#include "ParameterWrites.h"

#include <chrono>
#include <cmath>

namespace
{
constexpr int numChannels = 2;
constexpr int noiseLength = 8192;
constexpr int blocksPerTempo = 97;
// On average every fourth block brings automation, one to three points of it.
constexpr int blocksPerAutomation = 4;
constexpr int maxAutomationPoints = 3;

// The next block size: mostly small ones, as hosts with short buffers and split blocks (for
// automation points) give, now and then up to the prepared maximum.
int nextBlockSize(juce::Random& random)
{
    if (random.nextInt(4) != 0)
        return 1 + random.nextInt(64);

    return 1 + random.nextInt(HostAudioThread::maxBlockSize);
}
} // namespace

HostAudioThread::HostAudioThread(juce::AudioProcessor& processorToRun) : processor(processorToRun)
{
    processor.setPlayHead(&playHead);
    processor.setRateAndBufferSizeDetails(sampleRate, maxBlockSize);
    processor.prepareToPlay(sampleRate, maxBlockSize);
    thread = std::thread([this] { run(); });
}

HostAudioThread::~HostAudioThread()
{
    stop();
}

void HostAudioThread::stop()
{
    if (!thread.joinable())
        return;

    stopping = true;
    thread.join();
    processor.releaseResources();
    processor.setPlayHead(nullptr);
}

void HostAudioThread::run()
{
    juce::Random random(7714);

    juce::AudioBuffer<float> noise(numChannels, noiseLength);
    for (int channel = 0; channel < numChannels; ++channel)
        for (int i = 0; i < noiseLength; ++i)
            noise.setSample(channel, i, (random.nextFloat() - 0.5f) * 0.5f);

    juce::AudioBuffer<float> io(numChannels, maxBlockSize);
    juce::MidiBuffer midi;
    int readPosition = 0;

    while (!stopping.load())
    {
        const int size = nextBlockSize(random);

        if (readPosition + size > noiseLength)
            readPosition = 0;

        for (int channel = 0; channel < numChannels; ++channel)
            io.copyFrom(channel, 0, noise, channel, readPosition, size);

        readPosition += size;

        if (blocks.load(std::memory_order_relaxed) % blocksPerTempo == 0)
        {
            playHead.bpm = 60.0 + random.nextInt(140);
            ++tempos;
        }

        // A view of the first `size` samples: the block the host hands over, no allocation.
        juce::AudioBuffer<float> block(io.getArrayOfWritePointers(), numChannels, size);

        // The framework's VST3 wrapper hands the block's automation to the processor before it
        // takes the callback lock for the audio.
        if (random.nextInt(blocksPerAutomation) == 0)
            writeAutomation(random);

        {
            const juce::ScopedLock lock(processor.getCallbackLock());
            processor.processBlock(block, midi);
        }

        for (int channel = 0; channel < numChannels; ++channel)
            for (int i = 0; i < size; ++i)
                if (!std::isfinite(block.getSample(channel, i)))
                    finite = false;

        ++blocks;
        samples += size;

        // A device hands the next buffer a little later: the message thread gets the callback
        // lock in between, as it does in a host.
        std::this_thread::sleep_for(std::chrono::microseconds(random.nextInt(200)));
    }
}

void HostAudioThread::writeAutomation(juce::Random& random)
{
    const int points = 1 + random.nextInt(maxAutomationPoints);

    for (int point = 0; point < points; ++point)
    {
        const int index = ParameterWrites::randomAutomatedIndex(random);
        const float value = ParameterWrites::randomValue(random, index);

        // The wrapper's parameter reads the processor's value first and writes only a change;
        // both reach the index-based interface.
        JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
        if (processor.getParameter(index) == value)
            continue;

        processor.setParameter(index, value);
        JUCE_END_IGNORE_WARNINGS_GCC_LIKE

        ++writes;

        if (index == kPhaserType)
            ++typeChanges;
    }
}
