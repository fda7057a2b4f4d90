// stompix-host: loads a VST3 plug-in as a DAW does, lists its parameters and programs, renders a
// WAV file or a built-in test signal through it, saves and restores its state, and drives its
// editor in a real window.

#include "BareXServer.h"
#include "EditorNamingRun.h"
#include "EditorSnapshot.h"
#include "HostOptions.h"
#include "HostedPlugin.h"
#include "TestSignal.h"
#include "WavFiles.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
int fail(const juce::String& message)
{
    std::cerr << "stompix-host: " << message << std::endl;
    return 1;
}

int run(const HostOptions& options)
{
    juce::AudioBuffer<float> input;
    double sampleRate = options.sampleRate;
    juce::String error;

    if (options.input != juce::File())
    {
        double fileRate = 0.0;

        if (!WavFiles::read(options.input, input, fileRate, error))
            return fail(error);

        if (sampleRate <= 0.0)
            sampleRate = fileRate;
    }

    if (sampleRate <= 0.0)
        sampleRate = 48000.0;

    auto plugin = HostedPlugin::load(options.plugin, sampleRate, options.blockSize, error);

    if (plugin == nullptr || !plugin->setChannels(options.numInputs, options.numOutputs, error))
        return fail(error);

    if (options.loadState != juce::File() && !plugin->loadState(options.loadState, error))
        return fail(error);

    for (const auto& change : options.changes)
    {
        auto* parameter = plugin->findParameter(change.name);

        if (parameter == nullptr)
            return fail("the plug-in has no parameter " + change.name.quoted());

        if (change.atSeconds < 0.0)
            parameter->setValueNotifyingHost(change.value);
    }

    if (options.list)
        std::cout << plugin->describe();

    if (options.editorSnapshot != juce::File())
        if (const int result = runEditorSnapshot(*plugin, options.editorSnapshot); result != 0)
            return result;

    for (const auto& [kind, name] : {std::pair{EditorNamingKind::preset, options.editorSaveAs},
                                     std::pair{EditorNamingKind::folder, options.editorNewFolder}})
        if (name.isNotEmpty())
            if (const int result = runEditorNaming(
                    *plugin, kind, name,
                    {options.editorClicksIntoFields, options.editorClickHoldMilliseconds});
                result != 0)
                return result;

    if (options.output != juce::File())
    {
        if (input.getNumSamples() == 0)
            input = TestSignal::create(options.numInputs, (int)(options.seconds * sampleRate),
                                       sampleRate);

        juce::AudioBuffer<float> channels(options.numInputs, input.getNumSamples());

        for (int channel = 0; channel < options.numInputs; ++channel)
            channels.copyFrom(channel, 0, input, std::min(channel, input.getNumChannels() - 1), 0,
                              input.getNumSamples());

        const auto rendered = plugin->render(channels, options.numOutputs, sampleRate,
                                             options.blockSize, options.tempo, options.changes);

        if (!WavFiles::write(options.output, rendered, sampleRate, error))
            return fail(error);

        std::cout << "rendered\t" << options.output.getFullPathName() << std::endl;
    }

    if (options.saveState != juce::File() && !plugin->saveState(options.saveState, error))
        return fail(error);

    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    juce::StringArray arguments;

    for (int i = 1; i < argc; ++i)
        arguments.add(juce::String::fromUTF8(argv[i]));

    if (arguments.isEmpty() || arguments.contains("--help"))
    {
        std::cout << getHostUsage();
        return arguments.isEmpty() ? 1 : 0;
    }

    HostOptions options;
    juce::String error;

    if (!parseHostOptions(arguments, options, error))
    {
        std::cerr << "stompix-host: " << error << "\n" << getHostUsage();
        return 1;
    }

    // Before the framework opens its own connection to the X server.
    const bool opensEditor = options.editorSnapshot != juce::File() ||
                             options.editorSaveAs.isNotEmpty() ||
                             options.editorNewFolder.isNotEmpty();
    if (opensEditor && !BareXServer::internWindowManagerAtoms())
    {
        std::cerr << "stompix-host: the editor needs an X display (DISPLAY), for example "
                     "under xvfb-run"
                  << std::endl;
        return 1;
    }

    const juce::ScopedJuceInitialiser_GUI framework;
    return run(options);
}
