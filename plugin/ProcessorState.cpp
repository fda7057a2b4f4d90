#include "StompixZR7714AudioProcessor.h"

#include "PluginIdentity.h"
#include "PresetValueCodec.h"
#include "StateChunk.h"

#include <cmath>

namespace
{
constexpr float compareTolerance = 0.00001f;

// The children of an element that are elements themselves, in document order.
template <typename Function>
void forEachChildElement(const juce::XmlElement& parent, Function&& function)
{
    for (auto* child = parent.getFirstChildElement(); child != nullptr;
         child = child->getNextElement())
        if (!child->isTextElement())
            if (!function(*child))
                return;
}

// A chain of "Value" elements from `first` on, as (parameter index, decoded and sanitised
// value); elements with another key or a value that is not finite are skipped.
template <typename Function>
void forEachValueElement(const juce::XmlElement* first, Function&& function)
{
    for (auto* element = first; element != nullptr; element = element->getNextElement())
    {
        const int index = ParameterTable::indexOfKey(element->getAttributeValue(0));

        if (index < 0)
            continue;

        float value = PresetValueCodec::decode(index, element->getAllSubText());

        if (ParameterTable::sanitise(value))
            function(index, value);
    }
}

int channelFromText(const juce::String& text)
{
    return text.getIntValue() == 1 ? 1 : 0;
}

juce::XmlElement createDocument()
{
    juce::XmlElement root("velmorPatch");
    root.setAttribute("version", PluginIdentity::documentVersion);
    root.createNewChildElement("DeviceName")->addTextElement(PluginIdentity::productName);
    return root;
}

juce::XmlElement* addProperties(juce::XmlElement& root)
{
    auto* properties = root.createNewChildElement("Properties");
    properties->setAttribute("deviceProductID", PluginIdentity::productIdentifier);
    properties->setAttribute("deviceVersion", PluginIdentity::versionString);
    properties->setAttribute("presetVersion", PluginIdentity::presetVersion);
    return properties;
}
} // namespace

//==============================================================================
void StompixZR7714AudioProcessor::getStateInformation(juce::MemoryBlock& destData)
{
    StateChunk::write(writePreset(false), destData);
}

void StompixZR7714AudioProcessor::getCurrentProgramStateInformation(juce::MemoryBlock& destData)
{
    StateChunk::write(writeCurrentProgram(), destData);
}

void StompixZR7714AudioProcessor::setStateInformation(const void* data, int sizeInBytes)
{
    if (auto document = StateChunk::read(data, sizeInBytes))
    {
        readPreset(std::move(document), false);
        liveValuesUnannounced = true;
    }
}

void StompixZR7714AudioProcessor::setCurrentProgramStateInformation(const void* data,
                                                                    int sizeInBytes)
{
    if (auto document = StateChunk::read(data, sizeInBytes))
        if (readCurrentProgram(std::move(document)))
            liveValuesUnannounced = true;
}

//==============================================================================
void StompixZR7714AudioProcessor::addValueElements(juce::XmlElement& parent,
                                                   const ProgramSlot::Values& values) const
{
    for (int k = 0; k < kNumParameters; ++k)
        parent.addChildElement(
            PresetValueCodec::createValueElement(k, values[(size_t)k]).release());
}

void StompixZR7714AudioProcessor::addChannelElements(juce::XmlElement& parent,
                                                     const ProgramSlot& slot) const
{
    for (int channel = 0; channel < ProgramSlot::numChannels; ++channel)
    {
        auto* channelElement = parent.createNewChildElement("Channel");
        channelElement->setAttribute("channel", channel);
        channelElement->setAttribute("presetPath", slot.presetPath[(size_t)channel]);
        addValueElements(*channelElement, slot.values[(size_t)channel]);
    }
}

juce::XmlElement StompixZR7714AudioProcessor::writePreset(bool presetFile) const
{
    auto root = createDocument();
    auto* properties = addProperties(root);
    const auto& current = programSlots[(size_t)currentProgram];

    if (presetFile)
    {
        addValueElements(*properties, current.activeValues());
        return root;
    }

    properties->setAttribute("activePreset", currentProgram);

    for (int program = 0; program < numPrograms; ++program)
    {
        const auto& slot = programSlots[(size_t)program];
        auto* programElement = properties->createNewChildElement("Preset");
        programElement->setAttribute("preset", program);
        programElement->setAttribute("activeChannel", slot.activeChannelIndex());
        addChannelElements(*programElement, slot);
    }

    return root;
}

juce::XmlElement StompixZR7714AudioProcessor::writeCurrentProgram() const
{
    auto root = createDocument();
    auto* properties = addProperties(root);
    const auto& current = programSlots[(size_t)currentProgram];

    properties->setAttribute("activeChannel", current.activeChannelIndex());
    addChannelElements(*properties, current);
    return root;
}

//==============================================================================
void StompixZR7714AudioProcessor::readPresetElement(const juce::XmlElement* firstValue)
{
    forEachValueElement(firstValue,
                        [this](int index, float value)
                        {
                            JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
                            setParameterNotifyingHost(index, value);
                            JUCE_END_IGNORE_WARNINGS_GCC_LIKE
                        });
}

void StompixZR7714AudioProcessor::storePresetElement(const juce::XmlElement* firstValue,
                                                     int program, int channel)
{
    if (!juce::isPositiveAndBelow(program, numPrograms) ||
        !juce::isPositiveAndBelow(channel, ProgramSlot::numChannels))
        return;

    auto& values = programSlots[(size_t)program].values[(size_t)channel];
    forEachValueElement(firstValue,
                        [&values](int index, float value) { values[(size_t)index] = value; });
}

int StompixZR7714AudioProcessor::readPreset(std::unique_ptr<juce::XmlElement> document,
                                            bool presetFile)
{
    if (document == nullptr)
        return 0;

    if (!presetFile)
    {
        if (document->hasTagName("velmorPatch"))
            readWholeState(*document);

        return 5;
    }

    if (!document->hasTagName("velmorPatch"))
        return 0;

    const auto* properties = document->getChildByName("Properties");

    if (properties == nullptr)
        return 0;

    if (properties->getAttributeValue(0) != PluginIdentity::productIdentifier)
        return 2;

    readPresetElement(properties->getFirstChildElement());
    return properties->getAttributeValue(2).getDoubleValue() > 1.0 ? 4 : 1;
}

int StompixZR7714AudioProcessor::readChannels(const juce::XmlElement& parent, int program)
{
    int channel = 0;

    forEachChildElement(parent,
                        [&](const juce::XmlElement& channelElement)
                        {
                            if (channel >= ProgramSlot::numChannels)
                                return false;

                            programSlots[(size_t)program].presetPath[(size_t)channel] =
                                channelElement.getAttributeValue(1);
                            storePresetElement(channelElement.getFirstChildElement(), program,
                                               channel);
                            ++channel;
                            return true;
                        });

    return channel;
}

void StompixZR7714AudioProcessor::readWholeState(const juce::XmlElement& root)
{
    // A document with nothing to read leaves the program in use and its channel as they are.
    if (root.getChildByName("Properties") == nullptr)
        return;

    int activeProgram = -1;
    int activeChannel = 0;

    for (auto* properties : root.getChildWithTagNameIterator("Properties"))
    {
        const int wantedProgram = properties->getAttributeValue(3).getIntValue();
        int program = 0;

        forEachChildElement(
            *properties,
            [&](const juce::XmlElement& programElement)
            {
                if (program >= numPrograms)
                    return false;

                auto& slot = programSlots[(size_t)program];
                slot.activeChannel = channelFromText(programElement.getAttributeValue(1));
                const int numChannelsRead = readChannels(programElement, program);

                if (program == wantedProgram && slot.activeChannel < numChannelsRead)
                {
                    activeProgram = program;
                    activeChannel = slot.activeChannel;
                }

                ++program;
                return true;
            });
    }

    if (activeProgram < 0)
    {
        activeProgram = 0;
        activeChannel = 0;
    }

    currentProgram = activeProgram;
    programSlots[(size_t)activeProgram].activeChannel = activeChannel;
    setCurrentProgram(activeProgram);
}

bool StompixZR7714AudioProcessor::readCurrentProgram(std::unique_ptr<juce::XmlElement> document)
{
    if (document == nullptr || !document->hasTagName("velmorPatch"))
        return false;

    for (auto* properties : document->getChildWithTagNameIterator("Properties"))
    {
        getCurrentProgramSlot().activeChannel = channelFromText(properties->getAttributeValue(3));
        readChannels(*properties, currentProgram);
        setCurrentProgram(currentProgram);
    }

    return true;
}

bool StompixZR7714AudioProcessor::comparePreset(std::unique_ptr<juce::XmlElement> document)
{
    if (document == nullptr || !document->hasTagName("velmorPatch"))
        return false;

    for (auto* properties : document->getChildWithTagNameIterator("Properties"))
    {
        bool differs = false;

        // Compared with what loading the preset would store, so that a preset with a value out
        // of range does not show as changed right after it was loaded. A stepped parameter is
        // stored as its step: it matches while it plays the same step (the tempo knob's steps of
        // 1/18.1 lie far from the note values' k/18).
        forEachValueElement(properties->getFirstChildElement(),
                            [&](int index, float stored)
                            {
                                float current = getParameter(index);

                                if (ParameterTable::isStepped(index))
                                {
                                    if (PresetValueCodec::playedStep(index, current) !=
                                        PresetValueCodec::playedStep(index, stored))
                                        differs = true;

                                    return;
                                }

                                if (ParameterTable::isSwitch(index))
                                    current = current > 0.0f ? 1.0f : 0.0f;

                                if (std::abs(current - stored) >= compareTolerance)
                                    differs = true;
                            });

        if (differs)
            return true;
    }

    return false;
}
