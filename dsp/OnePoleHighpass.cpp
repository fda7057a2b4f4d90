#include "OnePoleHighpass.h"

#include <cmath>

// With zero coefficients the lowpass part stays at zero and the input passes unchanged.
OnePoleHighpass::OnePoleHighpass()
    : frequency(0.0f), g(0.0), norm(0.0), stateLeft(0.0), stateRight(0.0)
{
}

void OnePoleHighpass::setFrequency(float f)
{
    frequency = f;
    g = std::tan(static_cast<double>(f) * 3.141592653589793 / static_cast<double>(sampleRate));
    norm = 1.0 / (g + 1.0);
}

void OnePoleHighpass::resetCoeffs()
{
    frequency = 0.0f;
    g = 0.0;
    norm = 0.0;
}

void OnePoleHighpass::resetBuffer()
{
    stateLeft = 0.0;
    stateRight = 0.0;
}

void OnePoleHighpass::process(double& sample)
{
    sample = step(sample, stateLeft, g, norm);
}

void OnePoleHighpass::process(double& left, double& right)
{
    left = step(left, stateLeft, g, norm);
    right = step(right, stateRight, g, norm);
}
