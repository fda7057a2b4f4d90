#pragma once

#include "DspBase.h"

// Base of whole effects; it only names the object.
class FxModuleBase : public DspBase
{
public:
    FxModuleBase();
};
