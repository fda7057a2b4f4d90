#include "OnePole.h"

#include <cmath>

// Coefficients and states are set by resetCoeffs and resetBuffer, which every owner runs
// through its reset before use; they start neutral here so that nothing is ever undefined.
OnePole::OnePole() : frequency(0.0f), b0(1.0), a1(0.0), stateLeft(0.0), stateRight(0.0) {}

void OnePole::setFrequency(float f)
{
    frequency = f;
    const double a =
        std::exp(static_cast<double>(f) * (-6.283185307179586) / static_cast<double>(sampleRate));
    b0 = 1.0 - a;
    a1 = -0.0 - a;
}

void OnePole::resetCoeffs()
{
    frequency = 0.0f;
    b0 = 1.0;
    a1 = 0.0;
}

void OnePole::resetBuffer()
{
    stateLeft = 0.0;
    stateRight = 0.0;
}

void OnePole::process(double& sample)
{
    sample = step(sample, stateLeft, b0, a1);
}

void OnePole::process(double& left, double& right)
{
    left = step(left, stateLeft, b0, a1);
    right = step(right, stateRight, b0, a1);
}

void OnePole::process(float& sample)
{
    sample = static_cast<float>(step(static_cast<double>(sample), stateLeft, b0, a1));
}

void OnePole::process(float& left, float& right)
{
    left = static_cast<float>(step(static_cast<double>(left), stateLeft, b0, a1));
    right = static_cast<float>(step(static_cast<double>(right), stateRight, b0, a1));
}
