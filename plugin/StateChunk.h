#pragma once

#include <juce_core/juce_core.h>

#include <memory>

// The binary chunk around the state XML: the bytes "VC2!", the XML's length in bytes as a 32-bit
// little-endian number, the XML on one line without a declaration, and a zero byte.
namespace StateChunk
{
void write(const juce::XmlElement& document, juce::MemoryBlock& destination);

// The document of a chunk in the form above (an XML declaration is accepted too), or nullptr
// for anything else. The text goes through GuardedXml, so hostile nesting never reaches the
// framework's parser.
std::unique_ptr<juce::XmlElement> read(const void* data, int sizeInBytes);
} // namespace StateChunk
