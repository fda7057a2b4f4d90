#include "HostedPlugin.h"

#include <algorithm>

std::unique_ptr<HostedPlugin> HostedPlugin::load(const juce::File& bundle, double sampleRate,
                                                 int blockSize, juce::String& error)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> descriptions;
    format.findAllTypesForFile(descriptions, bundle.getFullPathName());

    if (descriptions.isEmpty())
    {
        error = "no VST3 plug-in found in " + bundle.getFullPathName();
        return {};
    }

    auto instance = format.createInstanceFromDescription(*descriptions.getFirst(), sampleRate,
                                                         blockSize, error);

    if (instance == nullptr)
    {
        if (error.isEmpty())
            error = "could not create the plug-in";

        return {};
    }

    return std::unique_ptr<HostedPlugin>(new HostedPlugin(std::move(instance)));
}

bool HostedPlugin::setChannels(int numInputs, int numOutputs, juce::String& error)
{
    const auto setFor = [](int count)
    {
        return count == 1 ? juce::AudioChannelSet::mono()
                          : (count == 2 ? juce::AudioChannelSet::stereo()
                                        : juce::AudioChannelSet::discreteChannels(count));
    };

    auto layout = instance->getBusesLayout();

    if (layout.inputBuses.isEmpty() || layout.outputBuses.isEmpty())
    {
        error = "the plug-in has no main input and output bus";
        return false;
    }

    layout.inputBuses.getReference(0) = setFor(numInputs);
    layout.outputBuses.getReference(0) = setFor(numOutputs);

    if (!instance->setBusesLayout(layout))
    {
        error = "the plug-in refuses " + juce::String(numInputs) + " inputs and " +
                juce::String(numOutputs) + " outputs";
        return false;
    }

    return true;
}

juce::AudioProcessorParameter* HostedPlugin::findParameter(const juce::String& name) const
{
    for (auto* parameter : instance->getParameters())
        if (parameter->getName(1024) == name)
            return parameter;

    return nullptr;
}

juce::String HostedPlugin::describe() const
{
    juce::String text;
    const auto& parameters = instance->getParameters();
    text << "parameters\t" << parameters.size() << "\n";

    for (auto* parameter : parameters)
    {
        const auto* hosted = dynamic_cast<const juce::HostedAudioProcessorParameter*>(parameter);
        text << "parameter\t"
             << (hosted != nullptr ? hosted->getParameterID()
                                   : juce::String(parameter->getParameterIndex()))
             << "\t" << parameter->getName(1024) << "\t"
             << juce::String(parameter->getDefaultValue()) << "\t"
             << parameter->getCurrentValueAsText() << "\n";
    }

    text << "programs\t" << instance->getNumPrograms() << "\n";

    for (int i = 0; i < instance->getNumPrograms(); ++i)
        text << "program\t" << i << "\t" << instance->getProgramName(i) << "\n";

    return text;
}

bool HostedPlugin::loadState(const juce::File& file, juce::String& error)
{
    juce::MemoryBlock data;

    if (!file.loadFileAsData(data))
    {
        error = "cannot read " + file.getFullPathName();
        return false;
    }

    instance->setStateInformation(data.getData(), (int)data.getSize());
    return true;
}

bool HostedPlugin::saveState(const juce::File& file, juce::String& error)
{
    juce::MemoryBlock data;
    instance->getStateInformation(data);

    if (!file.replaceWithData(data.getData(), data.getSize()))
    {
        error = "cannot write " + file.getFullPathName();
        return false;
    }

    return true;
}

juce::AudioBuffer<float> HostedPlugin::render(const juce::AudioBuffer<float>& input, int numOutputs,
                                              double sampleRate, int blockSize, double tempo,
                                              const std::vector<ParameterChange>& changes)
{
    const int numSamples = input.getNumSamples();
    const int numInputs = input.getNumChannels();
    juce::AudioBuffer<float> output(numOutputs, numSamples);
    juce::AudioBuffer<float> block(std::max(numInputs, numOutputs), blockSize);
    juce::MidiBuffer midi;
    FixedTempoPlayHead playHead(tempo, sampleRate);

    std::vector<ParameterChange> timed;
    std::copy_if(changes.begin(), changes.end(), std::back_inserter(timed),
                 [](const ParameterChange& change) { return change.atSeconds >= 0.0; });
    std::stable_sort(timed.begin(), timed.end(),
                     [](const auto& a, const auto& b) { return a.atSeconds < b.atSeconds; });
    size_t nextChange = 0;

    instance->setPlayHead(&playHead);
    instance->prepareToPlay(sampleRate, blockSize);

    for (int start = 0; start < numSamples; start += blockSize)
    {
        const int length = std::min(blockSize, numSamples - start);

        while (nextChange < timed.size() &&
               (juce::int64)(timed[nextChange].atSeconds * sampleRate) <= start)
        {
            if (auto* parameter = findParameter(timed[nextChange].name))
                parameter->setValueNotifyingHost(timed[nextChange].value);

            ++nextChange;
        }

        block.setSize(block.getNumChannels(), length, false, false, true);
        block.clear();

        for (int channel = 0; channel < numInputs; ++channel)
            block.copyFrom(channel, 0, input, channel, start, length);

        playHead.setSamplePosition(start);
        instance->processBlock(block, midi);
        midi.clear();

        for (int channel = 0; channel < numOutputs; ++channel)
            output.copyFrom(channel, start, block, channel, 0, length);
    }

    instance->releaseResources();
    instance->setPlayHead(nullptr);
    return output;
}
