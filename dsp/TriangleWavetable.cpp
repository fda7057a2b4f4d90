#include "TriangleWavetable.h"

void TriangleWavetable::fill(float* tableA, float* tableB, float shape, float divisor)
{
    for (int i = 0; i < size; ++i)
    {
        const float t = static_cast<float>(i) * 0.0009765625f;
        const float tri = t < 0.5f ? t + t : (t - 0.5f) * (-2.0f) + 1.0f;
        tableA[i] = (logf(tri * shape + 1.0f) / divisor) * 2.0f - 1.0f;
        tableB[i] = (logf((1.0f - tri) * shape + 1.0f) / divisor) * 2.0f - 1.0f;
    }
}
