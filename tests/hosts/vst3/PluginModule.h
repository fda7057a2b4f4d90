#pragma once

#include <pluginterfaces/base/ipluginbase.h>

#include <string>

namespace vst3host
{

// The shared object inside a VST3 bundle folder, where a Linux host looks for it:
// Contents/<machine>-linux/<bundle name>.so.
std::string moduleInBundle(const std::string& bundlePath);

// A VST3 module loaded as a Linux host loads it: dlopen, ModuleEntry with the library's handle,
// then the factory. ModuleExit and dlclose when it goes.
class PluginModule
{
public:
    explicit PluginModule(const std::string& path);
    ~PluginModule();

    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool isLoaded() const { return factory != nullptr; }
    const std::string& getError() const { return error; }
    Steinberg::IPluginFactory* getFactory() const { return factory; }

    // The class id of the first class of the category (kVstAudioEffectClass, ...), or false.
    bool findClass(const char* category, Steinberg::TUID cid) const;

private:
    void* handle = nullptr;
    bool entered = false;
    Steinberg::IPluginFactory* factory = nullptr;
    std::string error;
};

} // namespace vst3host
