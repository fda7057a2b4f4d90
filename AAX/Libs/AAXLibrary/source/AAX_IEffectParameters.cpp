#include "AAX_IEffectParameters.h"

#include "AAX_UIDs.h"
#include "ACF/acfresult.h"

ACFRESULT AAX_IEffectParameters::InternalQueryInterface(const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_NULLPOINTER;

    if (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 ||
        iid == IID_IAAXEffectParametersV3)
    {
        *ppOut = static_cast<AAX_IACFEffectParameters_V3*>(this);
        AddRef();
        return ACF_OK;
    }
    return CACFUnknown::InternalQueryInterface(iid, ppOut);
}
