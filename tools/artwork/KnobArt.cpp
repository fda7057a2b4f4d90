#include "KnobArt.h"

#include "Fonts.h"
#include "Materials.h"
#include "Palette.h"

namespace artwork
{
namespace
{
constexpr float startAngle = -0.75f * juce::MathConstants<float>::pi;
constexpr float sweep = 1.5f * juce::MathConstants<float>::pi;

const char* const divisions[] = {"8/1",  "4/1",   "2/1",   "1/1",  "1/2D", "1/2",  "1/2T",
                                 "1/4D", "1/4",   "1/4T",  "1/8D", "1/8",  "1/8T", "1/16D",
                                 "1/16", "1/16T", "1/32D", "1/32", "1/32T"};

struct KnobGeometry
{
    juce::Point<float> centre;
    float body;  // radius of the knurled skirt
    float ring;  // radius of the scale lights
    float scale; // 1 for the large knobs
};

KnobGeometry geometryFor(int width, int height)
{
    const float scale = (float)juce::jmin(width, height) / 72.0f;
    return {{width * 0.5f, height * 0.5f}, 21.5f * scale, 31.5f * scale, scale};
}

void drawScaleLights(juce::Graphics& g, const KnobGeometry& k, int lights, int litUpTo,
                     bool onlyOne)
{
    for (int i = 0; i < lights; ++i)
    {
        const float angle = startAngle + sweep * (float)i / (float)(lights - 1);
        const auto at = polar(k.centre, k.ring, angle);
        const bool lit = onlyOne ? i == litUpTo : i <= litUpTo;
        const float radius = (lit ? 1.55f : 1.25f) * k.scale;
        if (lit)
        {
            juce::ColourGradient glow(palette::amber.withAlpha(0.5f), at,
                                      palette::amber.withAlpha(0.0f), at.translated(radius * 3, 0),
                                      true);
            g.setGradientFill(glow);
            g.fillEllipse(juce::Rectangle<float>(radius * 6, radius * 6).withCentre(at));
        }
        g.setColour(lit ? palette::amber.brighter(0.25f) : juce::Colour(0xff16131f));
        g.fillEllipse(juce::Rectangle<float>(radius * 2, radius * 2).withCentre(at));
        if (!lit)
        {
            g.setColour(palette::print.withAlpha(0.18f));
            g.drawEllipse(juce::Rectangle<float>(radius * 2, radius * 2).withCentre(at), 0.4f);
        }
    }
}

void drawKnobBody(juce::Graphics& g, const KnobGeometry& k, float angle)
{
    drawRoundShadow(g, k.centre.translated(0, 2.5f * k.scale), k.body, 5.0f * k.scale, 0.6f);

    const auto bounds = juce::Rectangle<float>(k.body * 2, k.body * 2).withCentre(k.centre);
    const auto skirt = knurledCircle(k.centre, k.body, 0.9f * k.scale, 36, angle);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff2e2e34), bounds.getTopLeft(),
                                           juce::Colour(0xff08080a), bounds.getBottomRight(),
                                           false));
    g.fillPath(skirt);
    g.setColour(juce::Colours::black);
    g.strokePath(skirt, juce::PathStrokeType(0.5f * k.scale));

    // The top of the skirt catches the light from above.
    const float inner = k.body - 1.6f * k.scale;
    const auto rim = juce::Rectangle<float>(inner * 2, inner * 2).withCentre(k.centre);
    g.setGradientFill(juce::ColourGradient(juce::Colours::white.withAlpha(0.22f), rim.getTopLeft(),
                                           juce::Colours::white.withAlpha(0.0f), rim.getCentre(),
                                           false));
    g.drawEllipse(rim, 0.8f * k.scale);

    const float capRadius = k.body * 0.72f;
    const auto cap = juce::Rectangle<float>(capRadius * 2, capRadius * 2).withCentre(k.centre);
    g.setColour(juce::Colour(0xff050506));
    g.fillEllipse(cap.expanded(0.8f * k.scale));
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff4a4a52), cap.getTopLeft(),
                                           juce::Colour(0xff141417), cap.getBottomRight(), false));
    g.fillEllipse(cap);
    juce::ColourGradient sheen(juce::Colours::white.withAlpha(0.20f),
                               k.centre.translated(-capRadius * 0.35f, -capRadius * 0.45f),
                               juce::Colours::white.withAlpha(0.0f),
                               k.centre.translated(capRadius * 0.5f, -capRadius * 0.45f), true);
    g.setGradientFill(sheen);
    g.fillEllipse(cap);
}

void drawPointer(juce::Graphics& g, const KnobGeometry& k, float angle)
{
    const auto from = polar(k.centre, k.body * 0.22f, angle);
    const auto to = polar(k.centre, k.body - 1.2f * k.scale, angle);
    g.setColour(juce::Colours::black.withAlpha(0.6f));
    g.drawLine({from, to}, 3.6f * k.scale);
    g.setColour(palette::print);
    g.drawLine({from, to}, 2.2f * k.scale);
}

} // namespace

juce::Image drawKnobStrip(const Supersampled& backdrop, int frames)
{
    const auto k = geometryFor(backdrop.getWidth(), backdrop.getHeight());
    std::vector<juce::Image> strip;
    for (int frame = 0; frame < frames; ++frame)
    {
        const float proportion = (float)frame / (float)(frames - 1);
        const float angle = startAngle + sweep * proportion;
        auto picture = backdrop;
        picture.paint(
            [&](juce::Graphics& g)
            {
                constexpr int lights = 21;
                drawScaleLights(g, k, lights, (int)std::floor(proportion * (lights - 1) + 1.0e-4f),
                                false);
                drawKnobBody(g, k, angle);
                drawPointer(g, k, angle);
            });
        strip.push_back(picture.downsample(juce::Image::RGB));
    }
    return stackFrames(strip);
}

juce::Image drawDivisionKnobStrip(int width, int frameHeight)
{
    const auto k = geometryFor(width, frameHeight);
    const int frames = (int)std::size(divisions);
    std::vector<juce::Image> strip;
    for (int frame = 0; frame < frames; ++frame)
    {
        const float angle = startAngle + sweep * (float)frame / (float)(frames - 1);
        Supersampled picture(width, frameHeight);
        picture.paint(
            [&](juce::Graphics& g)
            {
                drawScaleLights(g, k, frames, frame, true);
                drawKnobBody(g, k, angle);

                const auto marker = polar(k.centre, k.body - 3.4f * k.scale, angle);
                g.setColour(juce::Colours::black.withAlpha(0.6f));
                g.fillEllipse(juce::Rectangle<float>(5.2f, 5.2f).withCentre(marker));
                g.setColour(palette::amber);
                g.fillEllipse(juce::Rectangle<float>(3.8f, 3.8f).withCentre(marker));

                const auto text = juce::Rectangle<float>(k.body * 1.5f, 12.0f).withCentre(k.centre);
                drawText(g, divisions[frame], font(Face::condensedBold, 11.5f), text,
                         juce::Justification::centred, palette::print);
            });
        strip.push_back(picture.downsample(juce::Image::ARGB));
    }
    return stackFrames(strip);
}

} // namespace artwork
