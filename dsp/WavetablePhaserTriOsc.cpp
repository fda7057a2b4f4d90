#include "WavetablePhaserTriOsc.h"

WavetablePhaserTriOsc::WavetablePhaserTriOsc()
{
    TriangleWavetable::fill(tableA, tableB, 4.445f, logf(5.445f));
}

void WavetablePhaserTriOsc::resetCoeffs()
{
    position = 0.0f;
}

void WavetablePhaserTriOsc::calc()
{
    targetIncrement = frequency * 1024.0f / sampleRate;
}

float WavetablePhaserTriOsc::getOscSignal()
{
    float out = 0.0f;
    getOscSignal(out);
    return out;
}
