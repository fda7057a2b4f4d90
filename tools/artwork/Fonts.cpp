#include "Fonts.h"

#include <map>

namespace artwork
{
namespace
{
const char* const fontFolder = "/usr/share/fonts/truetype/dejavu";

std::map<Face, juce::Typeface::Ptr>& typefaces()
{
    static std::map<Face, juce::Typeface::Ptr> loaded;
    return loaded;
}
} // namespace

bool loadFonts(juce::String& error)
{
    struct FontFile
    {
        Face face;
        const char* name;
        const char* package; // the Debian package that installs it
    };
    const FontFile files[] = {
        {Face::sans, "DejaVuSans.ttf", "fonts-dejavu-core"},
        {Face::sansBold, "DejaVuSans-Bold.ttf", "fonts-dejavu-core"},
        {Face::condensedBold, "DejaVuSansCondensed-Bold.ttf", "fonts-dejavu-extra"},
        {Face::sansBoldOblique, "DejaVuSans-BoldOblique.ttf", "fonts-dejavu-extra"},
    };

    for (const auto& [face, name, package] : files)
    {
        juce::MemoryBlock data;
        const auto file = juce::File(fontFolder).getChildFile(name);
        if (!file.loadFileAsData(data) || data.getSize() == 0)
        {
            error = "cannot read " + file.getFullPathName() + " (package " + package + ")";
            return false;
        }
        typefaces()[face] = juce::Typeface::createSystemTypefaceFor(data.getData(), data.getSize());
        if (typefaces()[face] == nullptr)
        {
            error = "cannot load " + file.getFullPathName();
            return false;
        }
    }
    return true;
}

void releaseFonts()
{
    typefaces().clear();
}

juce::Font font(Face face, float height, float extraKerning)
{
    auto typeface = typefaces().at(face);
    return juce::Font(typeface).withHeight(height).withExtraKerningFactor(extraKerning);
}

void drawText(juce::Graphics& g, const juce::String& text, const juce::Font& font,
              juce::Rectangle<float> area, juce::Justification justification, juce::Colour colour)
{
    g.setColour(colour);
    g.setFont(font);
    g.drawText(text, area, justification, false);
}

} // namespace artwork
