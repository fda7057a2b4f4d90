#include "StompixZR7714AudioProcessor.h"

#include "PluginIdentity.h"
#include "StompixZR7714AudioProcessorEditor.h"

#include <cmath>
#include <limits>

StompixZR7714AudioProcessor::StompixZR7714AudioProcessor()
    : juce::AudioProcessor(BusesProperties()
                               .withInput("Input", juce::AudioChannelSet::stereo(), true)
                               .withOutput("Output", juce::AudioChannelSet::stereo(), true)),
      lastBpm(std::numeric_limits<float>::quiet_NaN())
{
    initDefaultPreset();

    // Until the first prepareToPlay sets them from the sample rate and the live values, the
    // audio-path values describe a resting processor at the lowest crossfade length.
    effectOn = currentValues[kOnBypass].load() > 0.0f;
    bypassGain = bypassTarget = effectOn ? 1.0f : 0.0f;
    playingModel = selectedModel = modelNumberFor(currentValues[kPhaserType].load());
}

StompixZR7714AudioProcessor::~StompixZR7714AudioProcessor() = default;

const juce::String StompixZR7714AudioProcessor::getName() const
{
    return PluginIdentity::productName;
}

bool StompixZR7714AudioProcessor::silenceInProducesSilenceOut() const
{
    return false;
}

double StompixZR7714AudioProcessor::getTailLengthSeconds() const
{
    return 0.0;
}

bool StompixZR7714AudioProcessor::acceptsMidi() const
{
    return false;
}

bool StompixZR7714AudioProcessor::producesMidi() const
{
    return false;
}

juce::AudioProcessorEditor* StompixZR7714AudioProcessor::createEditor()
{
    return new StompixZR7714AudioProcessorEditor(this);
}

bool StompixZR7714AudioProcessor::hasEditor() const
{
    return true;
}

const juce::String StompixZR7714AudioProcessor::getInputChannelName(int channelIndex) const
{
    return juce::String(channelIndex + 1);
}

const juce::String StompixZR7714AudioProcessor::getOutputChannelName(int channelIndex) const
{
    return juce::String(channelIndex + 1);
}

bool StompixZR7714AudioProcessor::isInputChannelStereoPair(int) const
{
    return true;
}

bool StompixZR7714AudioProcessor::isOutputChannelStereoPair(int) const
{
    return true;
}

bool StompixZR7714AudioProcessor::isBusesLayoutSupported(const BusesLayout& layouts) const
{
    if (layouts.inputBuses.size() != 1 || layouts.outputBuses.size() != 1)
        return false;

    const auto ins = layouts.getMainInputChannels();
    const auto outs = layouts.getMainOutputChannels();

    return (ins == 2 && outs == 2) || (ins == 1 && outs == 2) || (ins == 1 && outs == 1);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new StompixZR7714AudioProcessor();
}
