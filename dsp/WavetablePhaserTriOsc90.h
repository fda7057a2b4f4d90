#pragma once

#include "TriangleWavetableOsc.h"

// The triangle LFO of the six-stage phaser: a gentler bend.
class WavetablePhaserTriOsc90 final : public TriangleWavetableOsc
{
public:
    WavetablePhaserTriOsc90();
};
