#pragma once

#include "CommonBase.h"

#include <cstdint>

// Output gain with a linear ramp over the crossfade length; the ramp lands exactly on its target.
class SmoothVolume final : public CommonBase
{
public:
    SmoothVolume();
    ~SmoothVolume() override;

    // Also picks the ramp length for the rate.
    void setSampleRate(float newSampleRate) override;
    void reset() override;
    void process(double& sample) override;
    void process(double& left, double& right) override;

    void setValue(float gain);
    // The first calc after a reset jumps to the target; later ones start a ramp towards it.
    void calc();
    void resetCoeffs();
    void resetBuffer();

    // Advances the ramp by one sample and returns the gain for that sample.
    double nextGain()
    {
        if (counter < rampLength)
        {
            counter = static_cast<std::int16_t>(counter + 1);
            current = step + current;
            if (counter == rampLength)
                current = target;
        }
        return current;
    }

    double getCurrent() const { return current; }
    double getTarget() const { return target; }

private:
    double current = 0.0;
    double target = 0.0;
    double step = 0.0;
    std::int16_t counter = 0;
    bool firstCalc = true;
    int rampLength = 2048;
    double rampLengthD = 2048.0;
};
