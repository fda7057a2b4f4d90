#pragma once

#include <AEffect.h>

#include <string>

using PluginEntry = AEffect* (*)(HostCallback);

// A VST2 plug-in module loaded as a Linux host loads it: dlopen, then the entry point.
class PluginModule
{
public:
    explicit PluginModule(const std::string& path, const char* entryName = "VSTPluginMain");
    ~PluginModule();

    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool isLoaded() const { return entry != nullptr; }
    const std::string& getError() const { return error; }
    PluginEntry getEntry() const { return entry; }
    void* findSymbol(const char* name) const;

private:
    void* handle = nullptr;
    PluginEntry entry = nullptr;
    std::string error;
};
