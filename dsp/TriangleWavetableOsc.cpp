#include "TriangleWavetableOsc.h"

TriangleWavetableOsc::TriangleWavetableOsc(float bend, float logOfOnePlusBend)
{
    TriangleWavetable::fill(tableA, tableB, bend, logOfOnePlusBend);
}

void TriangleWavetableOsc::resetCoeffs()
{
    position = 0.0f;
}

void TriangleWavetableOsc::calc()
{
    targetIncrement = frequency * 1024.0f / sampleRate;
}

float TriangleWavetableOsc::getOscSignal()
{
    float out = 0.0f;
    getOscSignal(out);
    return out;
}
