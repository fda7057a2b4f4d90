// What the processor costs on top of the bare model it runs, per block, and whether a filter
// tail decaying into silence (denormal territory without flush-to-zero) costs more than noise.
//
//   bare/<model>/<block>       the model alone, prepared as the processor prepares it
//   processor/<model>/<block>  the processor playing that model, effect on, at rest
//   silence_after_impulse/<model>, noise/<model>   the processor, blocks of 512

#include "StompixZR7714AudioProcessor.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr double sampleRate = 48000.0;

void fillNoise(juce::AudioBuffer<float>& buffer)
{
    juce::uint32 seed = 12345;

    for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
        {
            seed = seed * 1664525u + 1013904223u;
            buffer.setSample(channel, i, ((float)(seed >> 8) / 16777216.0f - 0.5f) * 0.5f);
        }
}

// The three models by number, as the processor selects them.
float phaserTypeFor(int model)
{
    return (float)model * 0.5f;
}

template <typename Model>
void primeLikeTheProcessor(Model& model, int blockSize)
{
    model.setSampleRate((float)sampleRate);
    model.setExpectedSampleFrame(std::max(blockSize, StompixZR7714AudioProcessor::minScratchLength));
    model.reset();
    model.setParameter(0, 1.0f);

    for (int k = 1; k <= 6; ++k)
        model.setParameter(k, 0.5f);

    model.setParameter(7, 0.0f);
    model.setParameter(8, 0.0f);
    model.forceCalcParams();
}

template <typename Model>
void bare(benchmark::State& state)
{
    const int blockSize = (int)state.range(0);
    Model model;
    primeLikeTheProcessor(model, blockSize);

    juce::AudioBuffer<float> input(2, blockSize), buffer(2, blockSize);
    fillNoise(input);

    // The processor runs its models with flush-to-zero; so does the bare model here.
    const juce::ScopedNoDenormals noDenormals;

    for (auto _ : state)
    {
        buffer.makeCopyOf(input, true);
        model.process(buffer.getWritePointer(0), buffer.getWritePointer(1), blockSize);
        benchmark::DoNotOptimize(buffer.getReadPointer(0));
    }

    state.SetItemsProcessed(state.iterations() * blockSize);
}

std::unique_ptr<StompixZR7714AudioProcessor> preparedProcessor(int model, int blockSize)
{
    auto processor = std::make_unique<StompixZR7714AudioProcessor>();
    processor->setParameter(kPhaserType, phaserTypeFor(model));
    processor->prepareToPlay(sampleRate, blockSize);
    return processor;
}

void processor(benchmark::State& state)
{
    const int model = (int)state.range(0);
    const int blockSize = (int)state.range(1);
    auto plugin = preparedProcessor(model, blockSize);

    juce::AudioBuffer<float> input(2, blockSize), buffer(2, blockSize);
    juce::MidiBuffer midi;
    fillNoise(input);

    for (auto _ : state)
    {
        buffer.makeCopyOf(input, true);
        plugin->processBlock(buffer, midi);
        benchmark::DoNotOptimize(buffer.getReadPointer(0));
    }

    state.SetItemsProcessed(state.iterations() * blockSize);
}

// The cost per block of 512 once the tail of an impulse has decayed for ten seconds, next to
// the cost on noise.
void afterInput(benchmark::State& state, bool silence)
{
    const int model = (int)state.range(0);
    constexpr int blockSize = 512;
    auto plugin = preparedProcessor(model, blockSize);
    plugin->setParameter(kFeedback, 0.9f);

    juce::AudioBuffer<float> noiseBlock(2, blockSize), buffer(2, blockSize);
    juce::MidiBuffer midi;
    fillNoise(noiseBlock);

    buffer.clear();
    buffer.setSample(0, 0, 1.0f);
    buffer.setSample(1, 0, 1.0f);
    plugin->processBlock(buffer, midi);

    for (int i = 0; i < (int)(10.0 * sampleRate) / blockSize; ++i)
    {
        if (silence)
            buffer.clear();
        else
            buffer.makeCopyOf(noiseBlock, true);

        plugin->processBlock(buffer, midi);
    }

    for (auto _ : state)
    {
        if (silence)
            buffer.clear();
        else
            buffer.makeCopyOf(noiseBlock, true);

        plugin->processBlock(buffer, midi);
        benchmark::DoNotOptimize(buffer.getReadPointer(0));
    }

    state.SetItemsProcessed(state.iterations() * blockSize);
}
} // namespace

BENCHMARK_TEMPLATE(bare, Phaser45)->Name("bare/0")->Arg(64)->Arg(512);
BENCHMARK_TEMPLATE(bare, Phaser90)->Name("bare/1")->Arg(64)->Arg(512);
BENCHMARK_TEMPLATE(bare, Phaser100)->Name("bare/2")->Arg(64)->Arg(512);
BENCHMARK(processor)->Name("processor")->ArgsProduct({{0, 1, 2}, {64, 512}});
BENCHMARK_CAPTURE(afterInput, silence_after_impulse, true)->DenseRange(0, 2);
BENCHMARK_CAPTURE(afterInput, noise, false)->DenseRange(0, 2);

BENCHMARK_MAIN();
