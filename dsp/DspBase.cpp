#include "DspBase.h"

DspBase::DspBase()
{
    name = "DspBase";
}

DspBase::~DspBase() = default;

void DspBase::setSampleRate(float newSampleRate)
{
    sampleRate = newSampleRate;
}

float DspBase::getSampleRate() const
{
    return sampleRate;
}

const char* DspBase::getName() const
{
    return name != nullptr ? name : "";
}

void DspBase::reset()
{
    resetBuffer();
    resetCoeffs();
}

void DspBase::resetBuffer() {}

void DspBase::resetCoeffs() {}

void DspBase::calc() {}
