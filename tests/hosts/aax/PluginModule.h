#pragma once

#include "ACF/IACFPluginDefinition.h"
#include "ACF/acfunknown.h"

#include <string>

namespace aaxhost
{
// A built AAX plug-in module, loaded as a host loads it (dlopen) and entered only through its
// seven exported entry points. Unloaded when destroyed.
class PluginModule final
{
public:
    explicit PluginModule(const std::string& path);
    ~PluginModule();

    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // True when the module loaded and exports all seven entry points; else error() says why.
    bool loaded() const { return handle != nullptr && error().empty(); }
    const std::string& error() const { return loadError; }

    ACFRESULT registerPlugin(IACFUnknown* host, IACFPluginDefinition** outDefinition) const;
    ACFRESULT registerComponent(IACFUnknown* host, acfUInt32 index,
                                IACFComponentDefinition** outDefinition) const;
    ACFRESULT getClassFactory(IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid,
                              void** outFactory) const;
    ACFRESULT canUnloadNow(IACFUnknown* host) const;
    ACFRESULT startup(IACFUnknown* host) const;
    ACFRESULT shutdown(IACFUnknown* host) const;
    ACFRESULT getSDKVersion(uint64_t* outVersion) const;

private:
    template <typename Function> Function resolve(const char* name);

    void* handle = nullptr;
    std::string loadError;
    ACFRESULT (*registerPluginEntry)(IACFUnknown*, IACFPluginDefinition**) = nullptr;
    ACFRESULT(*registerComponentEntry)
    (IACFUnknown*, acfUInt32, IACFComponentDefinition**) = nullptr;
    ACFRESULT(*getClassFactoryEntry)
    (IACFUnknown*, const acfCLSID&, const acfIID&, void**) = nullptr;
    ACFRESULT (*canUnloadNowEntry)(IACFUnknown*) = nullptr;
    ACFRESULT (*startupEntry)(IACFUnknown*) = nullptr;
    ACFRESULT (*shutdownEntry)(IACFUnknown*) = nullptr;
    ACFRESULT (*getSDKVersionEntry)(uint64_t*) = nullptr;
};
} // namespace aaxhost
