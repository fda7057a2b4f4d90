#pragma once

// Root of the helpers that are not modules: a sample rate and in-place sample processing.
class CommonBase
{
public:
    CommonBase();
    virtual ~CommonBase();

    virtual void setSampleRate(float newSampleRate);
    virtual void reset();
    virtual void process(double& sample) = 0;
    virtual void process(double& left, double& right) = 0;

protected:
    float sampleRate = 44100.0f;
};
