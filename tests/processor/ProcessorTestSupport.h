#pragma once

#include "StompixZR7714AudioProcessor.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>
#include <vector>

// Records what the processor tells the host about parameter changes, in order.
class HostNotifications final : public juce::AudioProcessorListener
{
public:
    explicit HostNotifications(juce::AudioProcessor& processorToWatch) : processor(processorToWatch)
    {
        processor.addListener(this);
    }

    ~HostNotifications() override { processor.removeListener(this); }

    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value) override
    {
        changes.emplace_back(index, value);
    }

    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}

    std::vector<std::pair<int, float>> changes;

private:
    juce::AudioProcessor& processor;
};

inline void clearFlags(StompixZR7714AudioProcessor& processor)
{
    processor.presetLoaded = 0;
    processor.parametersChanged = 0;
    processor.activeChannelChanged = 0;
}

// A chunk as the framework frames XML: "VC2!", the text length, the text, a zero byte.
inline juce::MemoryBlock chunkOf(const juce::String& xml)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out(block, false);
    out.writeInt(0x21324356);
    out.writeInt((int)xml.getNumBytesAsUTF8());
    out.write(xml.toRawUTF8(), xml.getNumBytesAsUTF8());
    out.writeByte(0);
    return block;
}

inline juce::MemoryBlock stateOf(StompixZR7714AudioProcessor& processor)
{
    juce::MemoryBlock block;
    processor.getStateInformation(block);
    return block;
}

inline void setState(StompixZR7714AudioProcessor& processor, const juce::MemoryBlock& block)
{
    processor.setStateInformation(block.getData(), (int)block.getSize());
}

inline juce::String singleLine(const juce::XmlElement& document)
{
    return document.toString(juce::XmlElement::TextFormat().singleLine().withoutHeader());
}
