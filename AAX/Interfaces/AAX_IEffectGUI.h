#pragma once

#include "AAX_IACFEffectGUI.h"
#include "ACF/CACFUnknown.h"

// The host-facing GUI object on the reference-counted object base: it answers queries for its
// interface, and its public unknown operations go to the outer unknown.
class AAX_IEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    ACFRESULT QueryInterface(const acfIID& iid, void** ppOut) override
    {
        return GetOuterUnknown()->QueryInterface(iid, ppOut);
    }
    acfUInt32 AddRef() override { return GetOuterUnknown()->AddRef(); }
    acfUInt32 Release() override { return GetOuterUnknown()->Release(); }

    ACFRESULT InternalQueryInterface(const acfIID& iid, void** ppOut) override;
};
