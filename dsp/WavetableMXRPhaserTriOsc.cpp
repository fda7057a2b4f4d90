#include "WavetableMXRPhaserTriOsc.h"

WavetableMXRPhaserTriOsc::WavetableMXRPhaserTriOsc()
{
    TriangleWavetable::fill(tableA, tableB, 4.445f, logf(5.445f));
}

void WavetableMXRPhaserTriOsc::resetCoeffs()
{
    position = 0.0f;
}

void WavetableMXRPhaserTriOsc::calc()
{
    targetIncrement = frequency * 1024.0f / sampleRate;
}

float WavetableMXRPhaserTriOsc::getOscSignal()
{
    float out = 0.0f;
    getOscSignal(out);
    return out;
}
