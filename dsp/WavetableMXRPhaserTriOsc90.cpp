#include "WavetableMXRPhaserTriOsc90.h"

WavetableMXRPhaserTriOsc90::WavetableMXRPhaserTriOsc90()
{
    TriangleWavetable::fill(tableA, tableB, 1.2313356f, logf(2.2313356f));
}

void WavetableMXRPhaserTriOsc90::resetCoeffs()
{
    position = 0.0f;
}

void WavetableMXRPhaserTriOsc90::calc()
{
    targetIncrement = frequency * 1024.0f / sampleRate;
}

float WavetableMXRPhaserTriOsc90::getOscSignal()
{
    float out = 0.0f;
    getOscSignal(out);
    return out;
}
