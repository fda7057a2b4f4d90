#pragma once

#include "ACF/acfunknown.h"

// Host-side definitions handed back by registration. The plug-in only passes them on and
// calls nothing on them beyond the three operations of IACFUnknown.
class IACFPluginDefinition : public IACFUnknown
{
protected:
    ~IACFPluginDefinition() = default;
};

class IACFComponentDefinition : public IACFUnknown
{
protected:
    ~IACFComponentDefinition() = default;
};
