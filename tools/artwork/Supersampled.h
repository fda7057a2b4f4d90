#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

namespace artwork
{

// A picture drawn at several times its pixel size and box-filtered down, which gives smooth
// edges and text without depending on the renderer's own anti-aliasing. Painters work in the
// final pixel coordinates; the scale is applied underneath them.
class Supersampled final
{
public:
    static constexpr int scale = 4;

    Supersampled(int width, int height);     // fully transparent
    Supersampled(const Supersampled& other); // copies the pixels, not a shared reference
    Supersampled& operator=(const Supersampled& other);
    Supersampled(Supersampled&&) = default;
    Supersampled& operator=(Supersampled&&) = default;

    // A copy of one area (in final pixels) of this picture, as the backdrop of a control.
    Supersampled crop(juce::Rectangle<int> area) const;

    void paint(const std::function<void(juce::Graphics&)>& painter);
    void paintOver(const Supersampled& other, juce::Point<int> at);

    int getWidth() const { return width; }
    int getHeight() const { return height; }

    // Averages each block of scale x scale pixels (premultiplied, so edges stay clean).
    // With RGB the picture must be opaque where it matters: transparency turns black.
    juce::Image downsample(juce::Image::PixelFormat format) const;

private:
    int width, height;
    juce::Image hiRes;
};

// Stacks equally sized frames top to bottom, frame 0 at the top.
juce::Image stackFrames(const std::vector<juce::Image>& frames);

} // namespace artwork
