#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

class AAX_ICollection;
class IACFComponentDefinition;
class IACFPluginDefinition;

// The describing function the plug-in supplies: fills the collection with the plug-in's
// effects; 0 on success.
AAX_Result GetEffectDescriptions(AAX_ICollection* collection);

// The SDK version the bundle reports.
constexpr uint64_t cAAXSDKVersion = 0x0000020200B45B38ull;

// What the seven entry points do; each entry point passes its arguments through.
ACFRESULT AAXRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** outPluginDefinition);
ACFRESULT AAXRegisterComponent(IACFUnknown* host, acfUInt32 index,
                               IACFComponentDefinition** outComponentDefinition);
ACFRESULT AAXGetClassFactory(IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid,
                             void** outFactory);
ACFRESULT AAXCanUnloadNow(IACFUnknown* host);
ACFRESULT AAXStartup(IACFUnknown* host);
ACFRESULT AAXShutdown(IACFUnknown* host);
ACFRESULT AAXGetSDKVersion(uint64_t* outVersion);

// The entry points, exported under their plain names. Each turns any exception into
// ACF_E_UNEXPECTED.
#define AAX_ENTRY_POINT extern "C" __attribute__((visibility("default")))

AAX_ENTRY_POINT ACFRESULT ACFRegisterPlugin(IACFUnknown* host,
                                            IACFPluginDefinition** outPluginDefinition);
AAX_ENTRY_POINT ACFRESULT ACFRegisterComponent(IACFUnknown* host, acfUInt32 index,
                                               IACFComponentDefinition** outComponentDefinition);
AAX_ENTRY_POINT ACFRESULT ACFGetClassFactory(IACFUnknown* host, const acfCLSID& clsid,
                                             const acfIID& iid, void** outFactory);
AAX_ENTRY_POINT ACFRESULT ACFCanUnloadNow(IACFUnknown* host);
AAX_ENTRY_POINT ACFRESULT ACFStartup(IACFUnknown* host);
AAX_ENTRY_POINT ACFRESULT ACFShutdown(IACFUnknown* host);
AAX_ENTRY_POINT ACFRESULT ACFGetSDKVersion(uint64_t* outVersion);
