#include "WavetablePhaserTriOsc.h"

#include <cmath>

WavetablePhaserTriOsc::WavetablePhaserTriOsc() : TriangleWavetableOsc(4.445f, logf(5.445f)) {}
