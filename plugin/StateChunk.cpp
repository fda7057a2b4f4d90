#include "StateChunk.h"

#include "GuardedXml.h"
#include "Utf8.h"

namespace StateChunk
{
namespace
{
constexpr juce::uint32 magic = 0x21324356; // "VC2!" read as a little-endian number
constexpr size_t headerSize = 8;
} // namespace

void write(const juce::XmlElement& document, juce::MemoryBlock& destination)
{
    juce::MemoryOutputStream text;
    document.writeTo(text, juce::XmlElement::TextFormat().singleLine().withoutHeader());

    destination.setSize(0);
    juce::MemoryOutputStream out(destination, false);
    out.writeInt((int)magic);
    out.writeInt((int)text.getDataSize());
    out.write(text.getData(), text.getDataSize());
    out.writeByte(0);
}

std::unique_ptr<juce::XmlElement> read(const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= (int)headerSize)
        return {};

    const auto* bytes = static_cast<const char*>(data);

    if (juce::ByteOrder::littleEndianInt(bytes) != magic)
        return {};

    const auto statedLength = (size_t)juce::ByteOrder::littleEndianInt(bytes + 4);
    const auto length = juce::jmin(statedLength, (size_t)sizeInBytes - headerSize);

    if (length == 0)
        return {};

    return GuardedXml::parse(Utf8::toValidText(bytes + headerSize, length));
}
} // namespace StateChunk
