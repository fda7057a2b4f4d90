#pragma once

#include "AAX_IACFEffectParameters.h"
#include "ACF/CACFUnknown.h"

// The host-facing data model on the reference-counted object base: it answers queries for the
// three versions of the interface, and its public unknown operations go to the outer unknown.
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V3, public CACFUnknown
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
