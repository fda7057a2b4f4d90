#include "SmoothVolume.h"

#include "CrossfadeLength.h"

SmoothVolume::SmoothVolume() = default;

SmoothVolume::~SmoothVolume() = default;

void SmoothVolume::setSampleRate(float newSampleRate)
{
    sampleRate = newSampleRate;
    rampLength = crossfadeLengthFor(newSampleRate);
    rampLengthD = static_cast<double>(rampLength);
}

void SmoothVolume::setValue(float gain)
{
    target = static_cast<double>(gain);
}

void SmoothVolume::calc()
{
    if (firstCalc)
    {
        current = target;
        firstCalc = false;
    }
    step = (target - current) * (1.0 / rampLengthD);
    counter = 0;
}

void SmoothVolume::reset()
{
    resetCoeffs();
}

void SmoothVolume::resetCoeffs()
{
    firstCalc = true;
    counter = 0;
    current = 0.0;
    step = 0.0;
}

void SmoothVolume::resetBuffer() {}

void SmoothVolume::process(double& sample)
{
    const double gain = nextGain();
    sample = gain * sample;
}

void SmoothVolume::process(double& left, double& right)
{
    const double gain = nextGain();
    left = gain * left;
    right = gain * right;
}
