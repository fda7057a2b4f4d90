#include "AAX_Init.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_GuardedCall.h"
#include "AAX_VCollection.h"
#include "ACF/CACFUnknown.h"
#include "ACF/IACFPluginDefinition.h"
#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

ACFRESULT AAXRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** outPluginDefinition)
{
    if (outPluginDefinition == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_VCollection collection(host);
    // Without the host's collection there is nothing to describe the plug-in in, and no plug-in
    // definition to hand back.
    if (collection.GetIUnknown() == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    if (const AAX_Result result = GetEffectDescriptions(&collection); result != AAX_SUCCESS)
        return result;

    *outPluginDefinition = nullptr;
    void* definition = nullptr;
    if (collection.GetIUnknown()->QueryInterface(IID_IACFPluginDefinition, &definition) != ACF_OK)
        return AAX_ERROR_NULL_OBJECT;
    *outPluginDefinition = static_cast<IACFPluginDefinition*>(definition);
    return AAX_SUCCESS;
}

ACFRESULT AAXRegisterComponent(IACFUnknown*, acfUInt32, IACFComponentDefinition** outDefinition)
{
    if (outDefinition != nullptr)
        *outDefinition = nullptr;
    return AAX_SUCCESS;
}

ACFRESULT AAXGetClassFactory(IACFUnknown*, const acfCLSID&, const acfIID&, void** outFactory)
{
    if (outFactory != nullptr)
        *outFactory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

ACFRESULT AAXCanUnloadNow(IACFUnknown*)
{
    return static_cast<ACFRESULT>(CACFUnknown::GetActiveObjectCount());
}

ACFRESULT AAXStartup(IACFUnknown* host)
{
    AAX_CHostServices::Set(host);
    return AAX_SUCCESS;
}

ACFRESULT AAXShutdown(IACFUnknown*)
{
    AAX_CHostServices::Set(nullptr);
    return AAX_SUCCESS;
}

ACFRESULT AAXGetSDKVersion(uint64_t* outVersion)
{
    if (outVersion == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outVersion = cAAXSDKVersion;
    return AAX_SUCCESS;
}

ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** outPluginDefinition)
{
    return AAX_GuardedCall([&] { return AAXRegisterPlugin(host, outPluginDefinition); });
}

ACFRESULT ACFRegisterComponent(IACFUnknown* host, acfUInt32 index,
                               IACFComponentDefinition** outComponentDefinition)
{
    return AAX_GuardedCall([&]
                           { return AAXRegisterComponent(host, index, outComponentDefinition); });
}

ACFRESULT ACFGetClassFactory(IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid,
                             void** outFactory)
{
    return AAX_GuardedCall([&] { return AAXGetClassFactory(host, clsid, iid, outFactory); });
}

ACFRESULT ACFCanUnloadNow(IACFUnknown* host)
{
    return AAX_GuardedCall([&] { return AAXCanUnloadNow(host); });
}

ACFRESULT ACFStartup(IACFUnknown* host)
{
    return AAX_GuardedCall([&] { return AAXStartup(host); });
}

ACFRESULT ACFShutdown(IACFUnknown* host)
{
    return AAX_GuardedCall([&] { return AAXShutdown(host); });
}

ACFRESULT ACFGetSDKVersion(uint64_t* outVersion)
{
    return AAX_GuardedCall([&] { return AAXGetSDKVersion(outVersion); });
}
