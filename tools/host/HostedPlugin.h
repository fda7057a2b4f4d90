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

    // Renders `input` block by block; changes at a time apply from the first block that starts
    // at or after it. After a block in which a change arrived, the message loops of host and
    // plug-in are given `settleMs` milliseconds, so that work the plug-in does on its message
    // thread (a model switch) is done before the next block.
    juce::AudioBuffer<float> render(const juce::AudioBuffer<float>& input, int numOutputs,
                                    double sampleRate, int blockSize, double tempo,
                                    const std::vector<ParameterChange>& changes,
                                    int settleMs = 200);

private:
    explicit HostedPlugin(std::unique_ptr<juce::AudioPluginInstance> loaded)
        : instance(std::move(loaded))
    {
    }

    std::unique_ptr<juce::AudioPluginInstance> instance;
};
