#pragma once

#include "ACF/acfbasetypes.h"

// The root of every interface of the host's component framework. The host calls these three
// operations by their position in the interface table, so their order is fixed. Objects are
// destroyed through Release, never through a pointer to an interface.
class IACFUnknown
{
public:
    virtual ACFRESULT QueryInterface(const acfIID& iid, void** ppOut) = 0;
    virtual acfUInt32 AddRef() = 0;
    virtual acfUInt32 Release() = 0;

protected:
    ~IACFUnknown() = default;
};
