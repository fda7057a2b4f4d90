#include "Materials.h"

#include "Palette.h"

namespace artwork
{

void addGrain(juce::Graphics& g, juce::Rectangle<int> area, juce::int64 seed, float strength,
              bool brushed)
{
    juce::Random random(seed);
    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        float streak = 0.0f;
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const float grain = random.nextFloat() * 2.0f - 1.0f;
            streak = brushed ? streak * 0.85f + grain * 0.15f * 2.5f : grain;
            const float amount = juce::jlimit(-1.0f, 1.0f, streak) * strength;
            g.setColour(amount > 0 ? juce::Colours::white.withAlpha(amount)
                                   : juce::Colours::black.withAlpha(-amount));
            g.fillRect((float)x, (float)y, 1.0f, 1.0f);
        }
    }
}

void drawRoundShadow(juce::Graphics& g, juce::Point<float> centre, float radius, float spread,
                     float alpha)
{
    const float outer = radius + spread;
    juce::ColourGradient shadow(juce::Colours::black.withAlpha(alpha), centre,
                                juce::Colours::transparentBlack, centre.translated(outer, 0), true);
    shadow.addColour(radius / outer, juce::Colours::black.withAlpha(alpha * 0.75f));
    g.setGradientFill(shadow);
    g.fillEllipse(juce::Rectangle<float>(outer * 2, outer * 2).withCentre(centre));
}

void drawScrew(juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle)
{
    drawRoundShadow(g, centre.translated(0, 0.6f), radius, 1.5f, 0.5f);
    const auto head = juce::Rectangle<float>(radius * 2, radius * 2).withCentre(centre);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xffd9d9de), head.getTopLeft(),
                                           juce::Colour(0xff5c5c66), head.getBottomRight(), false));
    g.fillEllipse(head);
    g.setColour(juce::Colour(0x80000000));
    g.drawEllipse(head, 0.5f);
    juce::Path slot;
    slot.addRectangle(-radius * 0.75f, -radius * 0.14f, radius * 1.5f, radius * 0.28f);
    g.setColour(juce::Colour(0xff2a2a30));
    g.fillPath(slot, juce::AffineTransform::rotation(slotAngle).translated(centre));
}

void drawLed(juce::Graphics& g, juce::Point<float> centre, float radius, juce::Colour colour,
             bool lit)
{
    if (lit)
    {
        juce::ColourGradient glow(colour.withAlpha(0.55f), centre, colour.withAlpha(0.0f),
                                  centre.translated(radius * 3.2f, 0), true);
        g.setGradientFill(glow);
        g.fillEllipse(juce::Rectangle<float>(radius * 6.4f, radius * 6.4f).withCentre(centre));
    }

    const auto bezel = juce::Rectangle<float>(radius * 2.7f, radius * 2.7f).withCentre(centre);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xffe4e4ea), bezel.getTopLeft(),
                                           juce::Colour(0xff4a4a52), bezel.getBottomRight(),
                                           false));
    g.fillEllipse(bezel);
    g.setColour(juce::Colour(0xff101014));
    g.fillEllipse(bezel.reduced(radius * 0.22f));

    const auto lens = juce::Rectangle<float>(radius * 2, radius * 2).withCentre(centre);
    const auto base = lit ? colour : colour.darker(2.2f).withMultipliedSaturation(0.6f);
    juce::ColourGradient body(lit ? colour.brighter(0.9f) : base.brighter(0.5f),
                              centre.translated(-radius * 0.3f, -radius * 0.35f),
                              lit ? colour.darker(0.3f) : base.darker(0.6f),
                              centre.translated(radius, radius), true);
    g.setGradientFill(body);
    g.fillEllipse(lens);

    const auto spot = juce::Rectangle<float>(radius * 0.9f, radius * 0.6f)
                          .withCentre(centre.translated(-radius * 0.28f, -radius * 0.42f));
    g.setColour(juce::Colours::white.withAlpha(lit ? 0.75f : 0.3f));
    g.fillEllipse(spot);
}

void drawButtonFace(juce::Graphics& g, juce::Rectangle<float> area, float corner, bool pressed)
{
    g.setColour(juce::Colours::black.withAlpha(0.45f));
    g.fillRoundedRectangle(area.translated(0, pressed ? 0.4f : 1.0f), corner);

    const auto face = pressed ? area.translated(0, 0.6f) : area;
    g.setColour(palette::buttonEdge);
    g.fillRoundedRectangle(face, corner);
    const auto top = pressed ? palette::buttonBottom : palette::buttonTop;
    const auto bottom = pressed ? palette::buttonBottom.darker(0.3f) : palette::buttonBottom;
    g.setGradientFill(
        juce::ColourGradient(top, face.getTopLeft(), bottom, face.getBottomLeft(), false));
    g.fillRoundedRectangle(face.reduced(1.0f), corner - 1.0f);
    if (!pressed)
    {
        g.setColour(juce::Colours::white.withAlpha(0.16f));
        g.drawLine(face.getX() + corner, face.getY() + 1.5f, face.getRight() - corner,
                   face.getY() + 1.5f, 0.8f);
    }
}

void drawRecess(juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill)
{
    g.setColour(juce::Colours::white.withAlpha(0.10f));
    g.fillRoundedRectangle(area.translated(0, 1.0f), corner);
    g.setColour(juce::Colours::black.withAlpha(0.55f));
    g.fillRoundedRectangle(area, corner);
    g.setColour(fill);
    g.fillRoundedRectangle(area.reduced(1.0f).withTrimmedTop(0.5f), corner - 0.5f);
}

juce::Path knurledCircle(juce::Point<float> centre, float radius, float depth, int ridges,
                         float rotation)
{
    juce::Path path;
    const int points = ridges * 4;
    for (int i = 0; i < points; ++i)
    {
        const float angle = rotation + juce::MathConstants<float>::twoPi * (float)i / (float)points;
        const bool groove = (i % 4) >= 2;
        const auto point = polar(centre, groove ? radius - depth : radius, angle);
        if (i == 0)
            path.startNewSubPath(point);
        else
            path.lineTo(point);
    }
    path.closeSubPath();
    return path;
}

juce::Point<float> polar(juce::Point<float> centre, float radius, float angle)
{
    return {centre.x + radius * std::sin(angle), centre.y - radius * std::cos(angle)};
}

} // namespace artwork
