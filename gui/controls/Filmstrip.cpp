#include "Filmstrip.h"

#include <cmath>

void Filmstrip::setImage(juce::Image newImage, int frameCount)
{
    image = std::move(newImage);
    const bool usable = image.isValid() && frameCount >= 1 && image.getHeight() >= frameCount;
    numFrames = usable ? frameCount : 0;
    frameWidth = usable ? image.getWidth() : 0;
    frameHeight = usable ? image.getHeight() / frameCount : 0;
}

int Filmstrip::frameForValue(double value, double minimum, double maximum) const
{
    if (numFrames == 0 || !(maximum > minimum))
        return 0;
    const double proportion = (value - minimum) / (maximum - minimum);
    if (!(proportion > 0.0)) // also a NaN
        return 0;
    if (proportion >= 1.0)
        return numFrames - 1;
    return (int)std::ceil((double)(numFrames - 1) * proportion);
}

void Filmstrip::drawFrame(juce::Graphics& g, int frame, juce::Rectangle<int> destination) const
{
    if (numFrames == 0)
        return;
    frame = juce::jlimit(0, numFrames - 1, frame);
    g.drawImage(image, destination.getX(), destination.getY(), destination.getWidth(),
                destination.getHeight(), 0, frame * frameHeight, frameWidth, frameHeight, false);
}
