#pragma once

#include "TriangleWavetableOsc.h"

// The triangle LFO of the two- and four-stage phasers: the stronger bend.
class WavetablePhaserTriOsc final : public TriangleWavetableOsc
{
public:
    WavetablePhaserTriOsc();
};
