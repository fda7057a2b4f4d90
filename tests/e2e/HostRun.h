#pragma once

#include <juce_core/juce_core.h>

// The bundle folder "Stompix ZR7714.vst3" around the built shared object.
juce::File pluginBundle();

struct HostRun
{
    int exitCode = -1;
    juce::String output;
};

// Runs the built stompix-host on the built plug-in with the options, through a launcher
// command when one is given (xvfb-run, for a host run that opens windows).
HostRun runHost(const juce::StringArray& options, const juce::StringArray& launcher = {});
