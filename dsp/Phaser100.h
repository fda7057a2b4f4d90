#pragma once

#include "AllpassFilter.h"
#include "ModulatingAllpassFilter.h"
#include "ModuleModel.h"
#include "OnePole.h"
#include "OnePoleHighpass.h"
#include "PhaserFrame.h"
#include "PhaserState.h"
#include "SmoothVolume.h"
#include "WavetablePhaserTriOsc90.h"

// A 33 Hz input highpass, two fixed all-pass stages, six swept stages and two more fixed
// stages around the point where the negative feedback is taken, with a gentler LFO bend.
class Phaser100 final : public ModuleModel
{
public:
    Phaser100();
    ~Phaser100() override;

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
    const WavetablePhaserTriOsc90& getOsc() const { return osc; }

private:
    friend struct PhaserFrame<Phaser100>;
    using Frame = PhaserFrame<Phaser100>;

    void calcDepth();
    void calcFixedFilters();
    // The signal memory that audio reaches: every filter of the chain and the feedback.
    void clearAudioMemory();
    template <typename Lanes, bool spread> void runChain(float* left, float* right, int count);

    OnePoleHighpass inputHighpass;
    WavetablePhaserTriOsc90 osc;
    OnePole lfoSmoother;
    AllpassFilter fixedAllpass1;
    AllpassFilter fixedAllpass2;
    ModulatingAllpassFilter stage1;
    ModulatingAllpassFilter stage2;
    ModulatingAllpassFilter stage3;
    ModulatingAllpassFilter stage4;
    ModulatingAllpassFilter stage5;
    ModulatingAllpassFilter stage6;
    AllpassFilter fixedAllpass3;
    AllpassFilter fixedAllpass4;
    SmoothVolume levelSmoother;
    OnePoleHighpass outputHighpass;
    PhaserState frame;
};
