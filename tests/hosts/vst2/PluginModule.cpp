#include "PluginModule.h"

#include <dlfcn.h>

PluginModule::PluginModule(const std::string& path, const char* entryName)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);

    if (handle == nullptr)
    {
        error = dlerror();
        return;
    }

    entry = reinterpret_cast<PluginEntry>(dlsym(handle, entryName));

    if (entry == nullptr)
        error = std::string("no entry point ") + entryName;
}

PluginModule::~PluginModule()
{
    if (handle != nullptr)
        dlclose(handle);
}

void* PluginModule::findSymbol(const char* name) const
{
    return handle != nullptr ? dlsym(handle, name) : nullptr;
}
