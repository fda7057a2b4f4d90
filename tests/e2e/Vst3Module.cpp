#include "Vst3Module.h"

#include "HostRun.h"

const vst3host::PluginModule& vst3Module()
{
    static const vst3host::PluginModule module(
        vst3host::moduleInBundle(pluginBundle().getFullPathName().toStdString()));
    return module;
}
