#pragma once

#include "ModulatingAllpassFilter.h"
#include "ModuleModel.h"
#include "OnePole.h"
#include "OnePoleHighpass.h"
#include "PhaserFrame.h"
#include "PhaserState.h"
#include "SmoothVolume.h"
#include "WavetablePhaserTriOsc.h"

// Two swept first-order all-pass stages with positive feedback taken between them:
// the two-stage circuit, no input filter.
class Phaser45 final : public ModuleModel
{
public:
    Phaser45();
    ~Phaser45() override;

    void setSampleRate(float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;
    void process(float* buffer, int count) override;
    void process(float* left, float* right, int count) override;
    void setParameter(int index, float value) override;
    void calcParameter(int index) override;
    float getDefaultParameter(int index) const override;
    const char* getParameterName(int index) const override;
    void setExpectedSampleFrame(int frames) override;
    void forceCalcParams() override;
    void processBlock(float* in, float* out, int count) override;

    void calcOsc();
    // The signal chain alone, without the bypass fade.
    void processPhaser(float* buffer, int count);
    void processPhaser(float* left, float* right, int count);

    const PhaserState& getState() const { return frame; }
    const WavetablePhaserTriOsc& getOsc() const { return osc; }

private:
    friend struct PhaserFrame<Phaser45>;
    using Frame = PhaserFrame<Phaser45>;

    void calcDepth();
    void calcFixedFilters();
    // The signal memory that audio reaches: every filter of the chain and the feedback.
    void clearAudioMemory();
    template <typename Lanes, bool spread> void runChain(float* left, float* right, int count);

    WavetablePhaserTriOsc osc;
    OnePole lfoSmoother;
    ModulatingAllpassFilter stage1;
    ModulatingAllpassFilter stage2;
    OnePoleHighpass outputHighpass;
    SmoothVolume levelSmoother;
    PhaserState frame;
};
