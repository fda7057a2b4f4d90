#pragma once

#include "DspBase.h"

// A sample-by-sample processor working in place on 64-bit samples, mono or left/right.
class ModuleBase : public DspBase
{
public:
    ModuleBase();

    virtual void process(double& sample);
    virtual void process(double& left, double& right);
};
