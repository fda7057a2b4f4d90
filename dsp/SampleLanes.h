#pragma once

// The models run the same per-sample chain on one channel or on both at once. A stereo sample
// is a pair of doubles (left, right) whose lanes are computed with exactly the operations of
// the mono chain, so each lane gives the bits of the scalar code.
using SamplePair = double __attribute__((vector_size(16)));
// Two 32-bit values (left, right), for the per-channel coefficient arithmetic.
using FloatPair = float __attribute__((vector_size(8)));

struct MonoLanes
{
    using Sample = double;

    static Sample read(const double& left, const double&) { return left; }
    static void write(Sample value, double& left, double&) { left = value; }
    static Sample splat(double value) { return value; }
    static Sample load(const float* left, const float*, int index) { return left[index]; }
    static void store(Sample value, float* left, float*, int index)
    {
        left[index] = static_cast<float>(value);
    }
};

struct StereoLanes
{
    using Sample = SamplePair;

    static Sample read(const double& left, const double& right) { return Sample{left, right}; }
    static void write(Sample value, double& left, double& right)
    {
        left = value[0];
        right = value[1];
    }
    static Sample splat(double value) { return Sample{value, value}; }
    static Sample load(const float* left, const float* right, int index)
    {
        return Sample{left[index], right[index]};
    }
    static void store(Sample value, float* left, float* right, int index)
    {
        left[index] = static_cast<float>(value[0]);
        right[index] = static_cast<float>(value[1]);
    }
};
