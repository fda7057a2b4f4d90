// Cost per frame of the three phaser models at 48 kHz in blocks of 512: on white noise, and on
// silence after an impulse with flush-to-zero and denormals-are-zero set, as the processor runs
// them. The frame counter reads as time per stereo (or mono) frame.
#include "Phaser100.h"
#include "Phaser45.h"
#include "Phaser90.h"

#include <benchmark/benchmark.h>
#include <xmmintrin.h>

#include <algorithm>
#include <random>
#include <vector>

namespace
{
constexpr int blockSize = 512;
constexpr int noiseBlocks = 64;

// Sets flush-to-zero and denormals-are-zero for the scope, as the processor's audio thread does.
class ScopedFlushToZero
{
public:
    ScopedFlushToZero() : saved(_mm_getcsr()) { _mm_setcsr(saved | 0x8040u); }
    ~ScopedFlushToZero() { _mm_setcsr(saved); }
    ScopedFlushToZero(const ScopedFlushToZero&) = delete;
    ScopedFlushToZero& operator=(const ScopedFlushToZero&) = delete;

private:
    unsigned int saved;
};

template <typename Model> void prepare(Model& model)
{
    model.setSampleRate(48000.0f);
    model.setExpectedSampleFrame(16384);
    model.reset();
    model.setParameter(0, 1.0f);
    for (int i = 1; i < 9; ++i)
        model.setParameter(i, model.getDefaultParameter(i));
    model.forceCalcParams();
}

std::vector<float> whiteNoise(int samples, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    std::vector<float> noise(static_cast<size_t>(samples));
    for (float& sample : noise)
        sample = uniform(random);
    return noise;
}

enum class Input
{
    noise,
    impulseThenSilence
};

template <typename Model, bool stereo, Input input> void runModel(benchmark::State& state)
{
    const ScopedFlushToZero flushToZero;
    Model model;
    prepare(model);
    const auto noiseLeft = whiteNoise(blockSize * noiseBlocks, 1);
    const auto noiseRight = whiteNoise(blockSize * noiseBlocks, 2);
    std::vector<float> left(blockSize), right(blockSize);

    if (input == Input::impulseThenSilence)
    {
        left[0] = right[0] = 1.0f;
        if (stereo)
            model.process(left.data(), right.data(), blockSize);
        else
            model.process(left.data(), blockSize);
    }

    size_t block = 0;
    for (auto _ : state)
    {
        if (input == Input::noise)
        {
            const auto offset = static_cast<std::ptrdiff_t>(block * blockSize);
            std::copy_n(noiseLeft.begin() + offset, blockSize, left.begin());
            std::copy_n(noiseRight.begin() + offset, blockSize, right.begin());
            block = (block + 1) % noiseBlocks;
        }
        else
        {
            std::fill(left.begin(), left.end(), 0.0f);
            std::fill(right.begin(), right.end(), 0.0f);
        }
        if (stereo)
            model.process(left.data(), right.data(), blockSize);
        else
            model.process(left.data(), blockSize);
        benchmark::DoNotOptimize(left.data());
        benchmark::DoNotOptimize(right.data());
        benchmark::ClobberMemory();
    }
    state.counters["frame"] = benchmark::Counter(static_cast<double>(blockSize),
                                                 benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}
} // namespace

#define STOMPIX_MODEL_BENCHMARKS(Model)                                                            \
    BENCHMARK_TEMPLATE(runModel, Model, true, Input::noise)->Name(#Model "/stereo/noise");         \
    BENCHMARK_TEMPLATE(runModel, Model, false, Input::noise)->Name(#Model "/mono/noise");          \
    BENCHMARK_TEMPLATE(runModel, Model, true, Input::impulseThenSilence)                           \
        ->Name(#Model "/stereo/silence-after-impulse");                                            \
    BENCHMARK_TEMPLATE(runModel, Model, false, Input::impulseThenSilence)                          \
        ->Name(#Model "/mono/silence-after-impulse")

STOMPIX_MODEL_BENCHMARKS(Phaser45);
STOMPIX_MODEL_BENCHMARKS(Phaser90);
STOMPIX_MODEL_BENCHMARKS(Phaser100);

BENCHMARK_MAIN();
