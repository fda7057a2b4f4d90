#pragma once

#include "OscBaseClass.h"
#include "TriangleWavetable.h"

// Triangle LFO with log-bent slopes read from a 1024-point table (used by the two- and four-stage
// phasers); a second table holds the same cycle half a period later for the right channel.
class WavetableMXRPhaserTriOsc final : public OscBaseClass
{
public:
    WavetableMXRPhaserTriOsc();

    void resetCoeffs() override;
    void calc() override;
    float getOscSignal() override;

    void getOscSignal(float& out) { fill(&out, 1); }
    void getOscSignal(float& outA, float& outB) { fill(&outA, &outB, 1); }

    // The next count samples of table A (and of table B at the same positions).
    void fill(float* outA, int count)
    {
        run(position, count,
            [&](int i, float at) { outA[i] = TriangleWavetable::read(tableA, at); });
    }
    void fill(float* outA, float* outB, int count)
    {
        run(position, count,
            [&](int i, float at)
            {
                outA[i] = TriangleWavetable::read(tableA, at);
                outB[i] = TriangleWavetable::read(tableB, at);
            });
    }

    float getTableA(int index) const { return tableA[index]; }
    float getTableB(int index) const { return tableB[index]; }
    float getPosition() const { return position; }

private:
    float tableA[TriangleWavetable::size];
    float tableB[TriangleWavetable::size];
    float position = 0.0f;
};
