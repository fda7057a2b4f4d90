#include "AudioTestSupport.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

// Every heap allocation of this test binary goes through these replacements; they count the
// ones made while `counting` is set and note the largest. A request above a gigabyte made then
// fails, as on a machine without that much memory to spare.
namespace
{
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
std::atomic<std::size_t> largest{0};
constexpr std::size_t refusedAbove = std::size_t{1} << 30;

void* allocate(std::size_t size)
{
    if (counting.load())
    {
        ++allocations;
        largest = std::max(largest.load(), size);

        if (size > refusedAbove)
            throw std::bad_alloc();
    }

    if (auto* memory = std::malloc(size == 0 ? 1 : size))
        return memory;

    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try
    {
        return allocate(size);
    }
    catch (...)
    {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace
{
// Counts the allocations of processBlock calls only, after preparation, while the processor
// goes through everything it does in steady state: parameter and tempo changes, a model
// crossfade, the bypass fade both ways and the pass-through.
TEST(Allocation, NoneInsideProcessBlockAfterPreparation)
{
    StompixZR7714AudioProcessor processor;
    TempoPlayHead playHead;
    processor.setPlayHead(&playHead);
    processor.setParameter(kSync, 1.0f);
    processor.prepareToPlay(48000.0, 512);

    auto buffer = noise(2, 512);
    juce::MidiBuffer midi;

    const auto process = [&](int blocks)
    {
        for (int i = 0; i < blocks; ++i)
        {
            counting = true;
            processor.processBlock(buffer, midi);
            counting = false;
        }
    };

    // The counter sees allocations at all.
    counting = true;
    auto probe = std::make_unique<int>(1);
    counting = false;
    ASSERT_EQ(allocations.load(), 1);

    process(4);
    allocations = 0;

    processor.setParameter(kRate, 0.7f);
    processor.setParameter(kStereo, 1.0f);
    playHead.bpm = 133.0;
    process(2);

    // The model switch, primed on the audio thread once the debounce has run out, and its
    // crossfade.
    processor.setParameter(kPhaserType, 1.0f);
    process(10);

    processor.setParameter(kOnBypass, 0.0f);
    process(6);
    processor.setParameter(kOnBypass, 1.0f);
    process(6);

    // A block longer than the scratch buffers.
    juce::AudioBuffer<float> longBlock = noise(2, 20000);
    counting = true;
    processor.processBlock(longBlock, midi);
    counting = false;

    EXPECT_EQ(allocations.load(), 0);
    processor.setPlayHead(nullptr);
}

// A host may announce any block size. The scratch space has a ceiling (longer blocks go through
// in pieces), so the largest size there is neither claims gigabytes nor leaves the processor
// unprepared: it runs the models as one prepared for an ordinary block size does.
TEST(Allocation, AnOutlandishBlockSizeClaimsNoMoreThanTheScratchCeiling)
{
    StompixZR7714AudioProcessor processor;
    largest = 0;
    counting = true;
    processor.prepareToPlay(48000.0, std::numeric_limits<int>::max());
    counting = false;
    EXPECT_LE(largest.load(), sizeof(float) * StompixZR7714AudioProcessor::maxScratchLength);

    StompixZR7714AudioProcessor ordinary;
    ordinary.prepareToPlay(48000.0, 512);
    const auto input = noise(2, 4096);
    const auto output = runProcessor(processor, input, 4096);
    EXPECT_TRUE(sameSamples(output, runProcessor(ordinary, input, 4096)));
    EXPECT_FALSE(sameSamples(output, input));
}
} // namespace
