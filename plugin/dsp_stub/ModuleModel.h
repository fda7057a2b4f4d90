#pragma once
// TEMPORARY stand-in until the DSP core lands; never part of a finished commit.
class ModuleModel
{
public:
    virtual ~ModuleModel() = default;
    virtual void setSampleRate (float fs) { sampleRate = fs; }
    virtual void reset() { state = 0.0; }
    virtual void setParameter (int index, float value) { if (index >= 0 && index < 9) parameters[index] = value; }
    virtual void calcParameter (int) { gain = parameters[6] * 2.0f; }
    virtual void forceCalcParams() { gain = parameters[6] * 2.0f; }
    virtual void setExpectedSampleFrame (int frames) { expected = frames; }
    virtual void setBpm (float newBpm) { bpm = newBpm; }
    virtual void process (float* buffer, int count) { for (int i = 0; i < count; ++i) buffer[i] = step (buffer[i]); }
    virtual void process (float* left, float* right, int count) { for (int i = 0; i < count; ++i) { left[i] = step (left[i]); right[i] = -left[i]; } }
    virtual float getParameter (int index) { return parameters[index]; }
    float step (float x) { state = 0.9 * state + 0.1 * x + 0.01 * id; return (float) state * gain; }
    float parameters[9] { 1, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0 };
    float sampleRate = 44100, gain = 1, bpm = 120; double state = 0; int expected = 0; int id = 0;
};
