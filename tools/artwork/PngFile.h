#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork
{

// An 8-bit, non-interlaced PNG stream: RGB for an RGB image, RGBA for an ARGB one. Opaque
// strips carry a second, empty IEND chunk after the stream's own, as the embedded strips
// always have; decoders stop at the first.
juce::MemoryBlock encodePng(const juce::Image& image);

} // namespace artwork
