#pragma once

#include "OscBaseClass.h"
#include "TriangleWavetable.h"

// Triangle LFO with log-bent slopes read from a 1024-point table; a second table holds the same
// cycle half a period later for the right channel. The two phaser LFOs are this oscillator with
// a stronger and a gentler bend.
class TriangleWavetableOsc : public OscBaseClass
{
public:
    void resetCoeffs() override;
    void calc() override;
    float getOscSignal() override;

    void getOscSignal(float& out) { fill(&out, 1); }
    void getOscSignal(float& outA, float& outB) { fill(&outA, &outB, 1); }

    // The next count samples of table A (and of table B at the same positions).
    void fill(float* outA, int count)
    {
        generate<false>(count, [outA](int i, float a, float) { outA[i] = a; });
    }
    void fill(float* outA, float* outB, int count)
    {
        generate<true>(count,
                       [outA, outB](int i, float a, float b)
                       {
                           outA[i] = a;
                           outB[i] = b;
                       });
    }

    // Hands the next count samples to body(i, a, b), b from table B when both, else 0.
    // Inlined, so that the body's state stays in registers across the run.
    template <bool both, typename Body> [[gnu::always_inline]] void generate(int count, Body body)
    {
        generateFrom<both>(tableA, tableB, position, count, body);
    }

    float getTableA(int index) const { return tableA[index]; }
    float getTableB(int index) const { return tableB[index]; }
    float getPosition() const { return position; }

protected:
    // The bend k of the slopes and log(1 + k), as the table builder takes them.
    TriangleWavetableOsc(float bend, float logOfOnePlusBend);

private:
    float tableA[TriangleWavetable::size];
    float tableB[TriangleWavetable::size];
    float position = 0.0f;
};
