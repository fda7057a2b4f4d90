#include "WavetablePhaserTriOsc90.h"

WavetablePhaserTriOsc90::WavetablePhaserTriOsc90()
{
    TriangleWavetable::fill(tableA, tableB, 1.2313356f, logf(2.2313356f));
}

void WavetablePhaserTriOsc90::resetCoeffs()
{
    position = 0.0f;
}

void WavetablePhaserTriOsc90::calc()
{
    targetIncrement = frequency * 1024.0f / sampleRate;
}

float WavetablePhaserTriOsc90::getOscSignal()
{
    float out = 0.0f;
    getOscSignal(out);
    return out;
}
