#include "PngFile.h"

namespace artwork
{

juce::MemoryBlock encodePng(const juce::Image& image)
{
    juce::MemoryOutputStream stream;
    juce::PNGImageFormat().writeImageToStream(image, stream);

    if (!image.hasAlphaChannel())
    {
        // Zero length, "IEND", and the CRC of "IEND".
        const juce::uint8 emptyEnd[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};
        stream.write(emptyEnd, sizeof(emptyEnd));
    }
    return stream.getMemoryBlock();
}

} // namespace artwork
