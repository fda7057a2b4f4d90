#include "AaxProcessorFactory.h"

std::unique_ptr<juce::AudioProcessor> CreateAaxProcessor()
{
    juce::PluginHostType::jucePlugInClientCurrentWrapperType =
        juce::AudioProcessor::wrapperType_AAX;
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_AAX);
    std::unique_ptr<juce::AudioProcessor> processor(createPluginFilter());
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_Undefined);
    return processor;
}
