#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

namespace testsupport
{

// A document as a host hands the plug-in's state back: framed as the framework's
// copyXmlToBinary frames it.
inline std::vector<char> frameworkChunkOf(const juce::XmlElement& document)
{
    juce::MemoryBlock block;
    juce::AudioProcessor::copyXmlToBinary(document, block);
    const auto* bytes = static_cast<const char*>(block.getData());
    return {bytes, bytes + block.getSize()};
}

} // namespace testsupport
