#pragma once

#include "FxBase.h"

#include <juce_events/juce_events.h>

// An effect that can sit in a routing view: channel usage, a place on the view and a flag that
// asks the view to redraw. Its broadcaster tells the view when the channel arrangement changes.
class ModuleModel : public FxBase, public juce::ActionBroadcaster
{
public:
    ModuleModel();
    ~ModuleModel() override;

    void process(float* buffer, int count) override;
    void process(float* left, float* right, int count) override;

    virtual void setInputsUsed(int inputs);
    virtual int getInputsUsed() const;
    virtual void setOutputsUsed(int outputs);
    virtual int getOutputsUsed() const;
    virtual bool isContainer() const;
    virtual void setFloorId(int newFloorId);
    virtual int getFloorId() const;
    virtual void setColumn(int newColumn);
    virtual int getColumn() const;
    virtual bool isUiNeedsUpdate() const;
    virtual void requestUiNeedsUpdate();
    virtual void clearUiNeedsUpdate();
    // Two inputs: stereo in place on in/out. One input: mono on in, then in is copied to out.
    virtual void processBlock(float* in, float* out, int count);

protected:
    bool uiNeedsUpdate = false;
    int floorId = 0;
    int column = 0;
    int inputsUsed = 1;
    int outputsUsed = 1;
};
