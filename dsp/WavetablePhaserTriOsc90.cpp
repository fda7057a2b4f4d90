#include "WavetablePhaserTriOsc90.h"

#include <cmath>

WavetablePhaserTriOsc90::WavetablePhaserTriOsc90()
    : TriangleWavetableOsc(1.2313356f, logf(2.2313356f))
{
}
