#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork
{

// The artwork's type, read straight from the DejaVu files (fonts-dejavu-core and
// fonts-dejavu-extra) so that the pictures do not depend on what the machine's font
// configuration picks.
enum class Face
{
    sans,
    sansBold,
    condensedBold,
    sansBoldOblique,
};

// Loads every face; the error names the first file that is missing.
bool loadFonts(juce::String& error);

// Lets the faces go before the framework shuts down.
void releaseFonts();

// A face at a height in pixels (JUCE's height: ascent plus descent).
juce::Font font(Face face, float height, float extraKerning = 0.0f);

// Draws one line of text inside an area, in one colour.
void drawText(juce::Graphics& g, const juce::String& text, const juce::Font& font,
              juce::Rectangle<float> area, juce::Justification justification, juce::Colour colour);

} // namespace artwork
