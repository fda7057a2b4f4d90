#pragma once

// One step of the first-order all-pass H(z) = (g - z^-1) / (1 - g z^-1) with its input and output
// memory; the order of the operations is part of the result.
template <typename Sample> inline Sample allpassStep(Sample x, Sample g, Sample& x1, Sample& y1)
{
    const Sample y = (g * x - x1) + g * y1;
    x1 = x;
    y1 = y;
    return y;
}

// An all-pass stage's memory held in registers for a block (one channel or both), written back
// to the filter at the end.
template <typename Lanes> struct AllpassState
{
    using Sample = typename Lanes::Sample;

    template <typename Filter>
    explicit AllpassState(const Filter& filter)
        : x1(Lanes::read(filter.x1Left, filter.x1Right)),
          y1(Lanes::read(filter.y1Left, filter.y1Right))
    {
    }

    template <typename Filter> void saveTo(Filter& filter) const
    {
        Lanes::write(x1, filter.x1Left, filter.x1Right);
        Lanes::write(y1, filter.y1Left, filter.y1Right);
    }

    Sample process(Sample x, Sample g) { return allpassStep(x, g, x1, y1); }

    Sample x1;
    Sample y1;
};
