#include "PluginModule.h"

#include <cstring>
#include <dlfcn.h>
#include <sys/utsname.h>

namespace vst3host
{
namespace
{
using ModuleEntryFunction = bool (*)(void*);
using ModuleExitFunction = bool (*)();
using GetFactoryFunction = Steinberg::IPluginFactory* (*)();

template <typename Function> Function symbolIn(void* handle, const char* name)
{
    return reinterpret_cast<Function>(dlsym(handle, name));
}
} // namespace

std::string moduleInBundle(const std::string& bundlePath)
{
    utsname machine{};
    uname(&machine);

    const auto nameStart = bundlePath.find_last_of('/') + 1;
    const auto nameEnd = bundlePath.rfind(".vst3");
    const auto name = bundlePath.substr(nameStart, nameEnd - nameStart);
    return bundlePath + "/Contents/" + machine.machine + "-linux/" + name + ".so";
}

PluginModule::PluginModule(const std::string& path)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);

    if (handle == nullptr)
    {
        error = dlerror();
        return;
    }

    if (auto entry = symbolIn<ModuleEntryFunction>(handle, "ModuleEntry"))
    {
        if (!entry(handle))
        {
            error = "ModuleEntry failed";
            return;
        }

        entered = true;
    }

    if (auto getFactory = symbolIn<GetFactoryFunction>(handle, "GetPluginFactory"))
        factory = getFactory();

    if (factory == nullptr)
        error = "no plug-in factory";
}

PluginModule::~PluginModule()
{
    if (factory != nullptr)
        factory->release();

    if (entered)
        if (auto exit = symbolIn<ModuleExitFunction>(handle, "ModuleExit"))
            exit();

    if (handle != nullptr)
        dlclose(handle);
}

bool PluginModule::findClass(const char* category, Steinberg::TUID cid) const
{
    if (factory == nullptr)
        return false;

    for (Steinberg::int32 i = 0; i < factory->countClasses(); ++i)
    {
        Steinberg::PClassInfo info{};

        if (factory->getClassInfo(i, &info) == Steinberg::kResultOk &&
            std::strncmp(info.category, category, sizeof(info.category)) == 0)
        {
            std::memcpy(cid, info.cid, sizeof(Steinberg::TUID));
            return true;
        }
    }

    return false;
}

} // namespace vst3host
