#include "OscBaseClass.h"

#include "CrossfadeLength.h"

OscBaseClass::OscBaseClass() = default;

void OscBaseClass::setSampleRate(float newSampleRate)
{
    sampleRate = newSampleRate;
    rampLength = crossfadeLengthFor(newSampleRate);
    rampLengthInv = 1.0f / static_cast<float>(rampLength);
}

void OscBaseClass::resetBuffer()
{
    phase = 0.0f;
    targetIncrement = 0.0f;
    rampStep = 0.0f;
    increment = 0.0f;
    lastTargetIncrement = 0.0f;
}

void OscBaseClass::setFrequency(float hz)
{
    frequency = hz;
}

float OscBaseClass::getFreq() const
{
    return frequency;
}

void OscBaseClass::setPhase(float newPhase)
{
    phase = newPhase;
}

float OscBaseClass::getPhase() const
{
    return phase;
}

void OscBaseClass::setAmplitude(float newAmplitude)
{
    amplitude = newAmplitude;
}

float OscBaseClass::getAmplitude() const
{
    return amplitude;
}

void OscBaseClass::forceCalcParams()
{
    increment = targetIncrement;
    lastTargetIncrement = targetIncrement;
    rampStep = 0.0f;
    rampCounter = rampLength;
}
