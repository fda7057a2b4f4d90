#pragma once

#include "FixedTempoPlayHead.h"
#include "HostOptions.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// A plug-in loaded from its bundle as a DAW loads it, with the few things the host tool does.
class HostedPlugin final
{
public:
    // nullptr and a message when the bundle holds no loadable plug-in.
    static std::unique_ptr<HostedPlugin> load(const juce::File& bundle, double sampleRate,
                                              int blockSize, juce::String& error);

    juce::AudioPluginInstance& getInstance() noexcept { return *instance; }

    bool setChannels(int numInputs, int numOutputs, juce::String& error);

    // The host parameter with this name, or nullptr.
    juce::AudioProcessorParameter* findParameter(const juce::String& name) const;

    // One line per parameter (id, name, default, current text), then one per program.
    juce::String describe() const;

    bool loadState(const juce::File& file, juce::String& error);
    bool saveState(const juce::File& file, juce::String& error);

    // Renders `input` block by block, as fast as it can, as an offline bounce does; changes at a
    // time apply from the first block that starts at or after it.
    juce::AudioBuffer<float> render(const juce::AudioBuffer<float>& input, int numOutputs,
                                    double sampleRate, int blockSize, double tempo,
                                    const std::vector<ParameterChange>& changes);

private:
    explicit HostedPlugin(std::unique_ptr<juce::AudioPluginInstance> loaded)
        : instance(std::move(loaded))
    {
    }

    std::unique_ptr<juce::AudioPluginInstance> instance;
};
