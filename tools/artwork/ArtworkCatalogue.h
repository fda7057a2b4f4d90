#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace artwork
{

struct ArtworkImage
{
    juce::String set;  // the namespace the build embeds it in
    juce::String name; // the file name without ".png"
    int frames;        // frames stacked top to bottom; 1 for a single picture
    juce::Image image;
};

// Every picture of the three image sets, drawn afresh, in name order within each set.
std::vector<ArtworkImage> drawArtwork();

// One frame of a strip.
juce::Image frameOf(const ArtworkImage& artwork, int frame);

const ArtworkImage& find(const std::vector<ArtworkImage>& artwork, const juce::String& name);

} // namespace artwork
