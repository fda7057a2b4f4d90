#include "PluginModule.h"

#include "ACF/acfresult.h"

#include <cstring>
#include <dlfcn.h>

namespace aaxhost
{
PluginModule::PluginModule(const std::string& path)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
    {
        const char* reason = dlerror();
        loadError = reason != nullptr ? reason : "dlopen failed";
        return;
    }

    registerPluginEntry = resolve<decltype(registerPluginEntry)>("ACFRegisterPlugin");
    registerComponentEntry = resolve<decltype(registerComponentEntry)>("ACFRegisterComponent");
    getClassFactoryEntry = resolve<decltype(getClassFactoryEntry)>("ACFGetClassFactory");
    canUnloadNowEntry = resolve<decltype(canUnloadNowEntry)>("ACFCanUnloadNow");
    startupEntry = resolve<decltype(startupEntry)>("ACFStartup");
    shutdownEntry = resolve<decltype(shutdownEntry)>("ACFShutdown");
    getSDKVersionEntry = resolve<decltype(getSDKVersionEntry)>("ACFGetSDKVersion");
}

PluginModule::~PluginModule()
{
    if (handle != nullptr)
        dlclose(handle);
}

template <typename Function> Function PluginModule::resolve(const char* name)
{
    void* const symbol = dlsym(handle, name);
    Function function = nullptr;
    if (symbol == nullptr)
        loadError += std::string(loadError.empty() ? "" : ", ") + "no " + name;
    else
        std::memcpy(&function, &symbol, sizeof function);
    return function;
}

ACFRESULT PluginModule::registerPlugin(IACFUnknown* host,
                                       IACFPluginDefinition** outDefinition) const
{
    return registerPluginEntry != nullptr ? registerPluginEntry(host, outDefinition)
                                          : ACF_E_UNEXPECTED;
}

ACFRESULT PluginModule::registerComponent(IACFUnknown* host, acfUInt32 index,
                                          IACFComponentDefinition** outDefinition) const
{
    return registerComponentEntry != nullptr ? registerComponentEntry(host, index, outDefinition)
                                             : ACF_E_UNEXPECTED;
}

ACFRESULT PluginModule::getClassFactory(IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid,
                                        void** outFactory) const
{
    return getClassFactoryEntry != nullptr ? getClassFactoryEntry(host, clsid, iid, outFactory)
                                           : ACF_E_UNEXPECTED;
}

ACFRESULT PluginModule::canUnloadNow(IACFUnknown* host) const
{
    return canUnloadNowEntry != nullptr ? canUnloadNowEntry(host) : ACF_E_UNEXPECTED;
}

ACFRESULT PluginModule::startup(IACFUnknown* host) const
{
    return startupEntry != nullptr ? startupEntry(host) : ACF_E_UNEXPECTED;
}

ACFRESULT PluginModule::shutdown(IACFUnknown* host) const
{
    return shutdownEntry != nullptr ? shutdownEntry(host) : ACF_E_UNEXPECTED;
}

ACFRESULT PluginModule::getSDKVersion(uint64_t* outVersion) const
{
    return getSDKVersionEntry != nullptr ? getSDKVersionEntry(outVersion) : ACF_E_UNEXPECTED;
}
} // namespace aaxhost
