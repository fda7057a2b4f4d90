#include "AAX_IEffectGUI.h"

#include "AAX_UIDs.h"
#include "ACF/acfresult.h"

ACFRESULT AAX_IEffectGUI::InternalQueryInterface(const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_NULLPOINTER;

    if (iid == IID_IAAXEffectGUIV1)
    {
        *ppOut = static_cast<AAX_IACFEffectGUI*>(this);
        AddRef();
        return ACF_OK;
    }
    return CACFUnknown::InternalQueryInterface(iid, ppOut);
}
