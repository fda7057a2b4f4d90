#pragma once

#include "ACF/acfunknown.h"

// The host's component factory: creates a host component of a class and hands out one of its
// interfaces, with a reference added for the caller.
class IACFComponentFactory : public IACFUnknown
{
public:
    virtual ACFRESULT CreateComponent(const acfCLSID& clsid, IACFUnknown* pUnkOuter,
                                      const acfIID& iid, void** ppOut) = 0;

protected:
    ~IACFComponentFactory() = default;
};
