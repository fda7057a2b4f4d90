#pragma once

// Root of every DSP object: a sample rate, a name and the reset protocol.
class DspBase
{
public:
    DspBase();
    virtual ~DspBase();

    virtual void setSampleRate(float newSampleRate);
    virtual float getSampleRate() const;
    virtual const char* getName() const;
    // Clears the signal memory first, then returns the coefficients to neutral.
    virtual void reset();
    virtual void resetBuffer();
    virtual void resetCoeffs();
    virtual void calc();

protected:
    float sampleRate = 44100.0f;
    const char* name = "DspBase";
};
