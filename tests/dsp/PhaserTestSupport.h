#pragma once

#include "Phaser100.h"
#include "Phaser45.h"
#include "Phaser90.h"

#include <array>
#include <cstring>
#include <random>
#include <vector>

// Helpers shared by the model tests: the processor's preparation sequence, signals and
// bit-for-bit comparison.
namespace PhaserTest
{
using Parameters = std::array<float, 9>;

inline Parameters defaults()
{
    Parameters values{};
    for (int i = 0; i < 9; ++i)
        values[static_cast<size_t>(i)] = modelParameterDefault(i);
    return values;
}

template <typename Model>
void prepare(Model& model, float sampleRate, const Parameters& values, float tempo = 120.0f,
             int frames = 16384)
{
    model.setSampleRate(sampleRate);
    model.setExpectedSampleFrame(frames);
    model.reset();
    model.setParameter(0, values[0]);
    model.setBpm(tempo);
    for (int i = 1; i < 9; ++i)
        model.setParameter(i, values[static_cast<size_t>(i)]);
    model.forceCalcParams();
}

inline std::vector<float> noise(size_t samples, unsigned seed, float amplitude = 1.0f)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> uniform(-amplitude, amplitude);
    std::vector<float> signal(samples);
    for (float& sample : signal)
        sample = uniform(random);
    return signal;
}

inline bool sameBits(const std::vector<float>& a, const std::vector<float>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

inline size_t firstDifference(const std::vector<float>& a, const std::vector<float>& b)
{
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0)
            return i;
    return a.size() == b.size() ? a.size() : std::min(a.size(), b.size());
}

inline bool allFinite(const std::vector<float>& signal)
{
    for (float sample : signal)
        if (!std::isfinite(sample))
            return false;
    return true;
}
} // namespace PhaserTest
