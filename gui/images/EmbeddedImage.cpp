#include "EmbeddedImage.h"

juce::Image decodeEmbeddedImage(const char* data, int numBytes)
{
    if (data == nullptr || numBytes <= 0)
        return {};
    return juce::ImageFileFormat::loadFrom(data, (size_t)numBytes);
}
