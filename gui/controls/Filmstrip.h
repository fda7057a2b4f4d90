#pragma once

#include <juce_graphics/juce_graphics.h>

// A vertical filmstrip: every frame of a control stacked top to bottom in one image, each the
// full width of the image and image height / frame count high, frame 0 at the top.
class Filmstrip final
{
public:
    // A null image, fewer than one frame, or frames less than a pixel high leave the strip
    // empty: it then draws nothing.
    void setImage(juce::Image image, int frameCount);

    bool isEmpty() const { return numFrames == 0; }
    int getNumFrames() const { return numFrames; }
    int getFrameWidth() const { return frameWidth; }
    int getFrameHeight() const { return frameHeight; }

    // The frame that shows a value: its place in the range times (frames - 1), rounded up, so
    // every value above the minimum shows at least frame 1 and only the maximum shows the
    // last frame. Values outside the range show the first or the last frame.
    int frameForValue(double value, double minimum, double maximum) const;

    // Draws one frame into an area, scaled to it, at the context's opacity, without filling
    // the image's alpha with the current brush.
    void drawFrame(juce::Graphics& g, int frame, juce::Rectangle<int> destination) const;

private:
    juce::Image image;
    int numFrames = 0;
    int frameWidth = 0;
    int frameHeight = 0;
};
