#pragma once

#include <juce_graphics/juce_graphics.h>

// Decodes one of the compiled-in PNGs afresh (no image cache): the caller owns the result, a
// null image when the data is not an image.
juce::Image decodeEmbeddedImage(const char* data, int numBytes);
