#pragma once

#include "PluginModule.h"

// The built bundle's module, loaded once for the whole binary as a host loads it.
const vst3host::PluginModule& vst3Module();
