#include "PanelButtonArt.h"

#include "Fonts.h"
#include "Materials.h"
#include "Palette.h"

#include <functional>

namespace artwork
{
namespace
{
using juce::Rectangle;
using Painter = std::function<void(juce::Graphics&, int frame)>;

juce::Image drawFrames(const Supersampled& backdrop, int frames, const Painter& painter)
{
    std::vector<juce::Image> strip;
    for (int frame = 0; frame < frames; ++frame)
    {
        auto picture = backdrop;
        picture.paint([&](juce::Graphics& g) { painter(g, frame); });
        strip.push_back(picture.downsample(juce::Image::RGB));
    }
    return stackFrames(strip);
}

juce::ColourGradient chrome(Rectangle<float> area, float darken)
{
    juce::ColourGradient gradient(juce::Colour(0xfff4f4f8).darker(darken), area.getTopLeft(),
                                  juce::Colour(0xff7c7c86).darker(darken), area.getBottomRight(),
                                  false);
    gradient.addColour(0.45, juce::Colour(0xffb4b4be).darker(darken));
    gradient.addColour(0.55, juce::Colour(0xff8e8e98).darker(darken));
    gradient.addColour(0.8, juce::Colour(0xffd6d6de).darker(darken));
    return gradient;
}

juce::Path hexagon(juce::Point<float> centre, float radius)
{
    juce::Path path;
    path.addPolygon(centre, 6, radius, juce::MathConstants<float>::pi / 6.0f);
    return path;
}

void drawPressedContent(juce::Graphics& g, bool pressed,
                        const std::function<void(juce::Colour)>& content)
{
    juce::Graphics::ScopedSaveState state(g);
    if (pressed)
        g.addTransform(juce::AffineTransform::translation(0, 0.6f));
    content(pressed ? palette::buttonText.darker(0.35f) : palette::buttonText);
}

} // namespace

juce::Image drawFootswitchStrip(const Supersampled& backdrop)
{
    const juce::Point<float> centre(backdrop.getWidth() * 0.5f, 63.0f);
    return drawFrames(
        backdrop, 4,
        [centre](juce::Graphics& g, int frame)
        {
            const bool on = frame >= 2;
            const bool pressed = (frame % 2) == 1;

            drawLed(g, {centre.x, 15.0f}, 4.6f, palette::ledRed, on);

            drawRoundShadow(g, centre.translated(0, 3.0f), 29.0f, 6.0f, 0.55f);
            const auto nut = hexagon(centre, 31.0f);
            g.setGradientFill(chrome(nut.getBounds(), 0.15f));
            g.fillPath(nut);
            g.setColour(juce::Colours::black.withAlpha(0.5f));
            g.strokePath(nut, juce::PathStrokeType(0.7f));

            const auto washer = Rectangle<float>(48, 48).withCentre(centre);
            g.setColour(juce::Colour(0xff1a1a1f));
            g.fillEllipse(washer);
            g.setGradientFill(chrome(washer.reduced(2.0f), 0.45f));
            g.fillEllipse(washer.reduced(2.0f));

            // The plunger: pressed, it sinks and loses some of its shine.
            const float sink = pressed ? 1.4f : 0.0f;
            const auto cap = Rectangle<float>(36, 36).withCentre(centre.translated(0, sink));
            drawRoundShadow(g, cap.getCentre().translated(0, pressed ? 0.8f : 2.2f), 17.0f,
                            pressed ? 2.0f : 4.0f, 0.7f);
            g.setGradientFill(chrome(cap, pressed ? 0.35f : 0.0f));
            g.fillEllipse(cap);
            g.setColour(juce::Colours::black.withAlpha(0.45f));
            g.drawEllipse(cap, 0.6f);
            const auto dome = cap.reduced(6.0f);
            g.setGradientFill(juce::ColourGradient(
                juce::Colours::white.withAlpha(pressed ? 0.25f : 0.55f), dome.getTopLeft(),
                juce::Colours::white.withAlpha(0.0f), dome.getCentre().translated(4, 6), false));
            g.fillEllipse(dome);
        });
}

juce::Image drawModelSwitchStrip(const Supersampled& backdrop)
{
    return drawFrames(
        backdrop, 3,
        [](juce::Graphics& g, int frame)
        {
            const Rectangle<float> plate(10, 0, 28, 48);
            drawRecess(g, plate, 4.0f, juce::Colour(0xff17151f));
            const Rectangle<float> slot(20, 3.5f, 8, 41);
            g.setColour(juce::Colours::black);
            g.fillRoundedRectangle(slot, 3.0f);

            const float centres[] = {4.5f, 22.0f, 40.5f};
            const auto thumb = Rectangle<float>(20, 8).withCentre({24.0f, centres[frame]});
            g.setColour(juce::Colours::black.withAlpha(0.6f));
            g.fillRoundedRectangle(thumb.translated(0, 1.5f), 2.0f);
            g.setGradientFill(chrome(thumb, 0.05f));
            g.fillRoundedRectangle(thumb, 2.0f);
            g.setColour(juce::Colours::black.withAlpha(0.45f));
            for (int ridge = -1; ridge <= 1; ++ridge)
                g.drawLine(thumb.getX() + 4.0f, thumb.getCentreY() + 2.0f * (float)ridge,
                           thumb.getRight() - 4.0f, thumb.getCentreY() + 2.0f * (float)ridge, 0.7f);

            drawText(g, "MODEL", font(Face::sansBold, 9.5f, 0.16f), {0, 52, 48, 12},
                     juce::Justification::centred, palette::print);
        });
}

juce::Image drawToggleStrip(const Supersampled& backdrop, const juce::String& name)
{
    return drawFrames(backdrop, 2,
                      [name](juce::Graphics& g, int frame)
                      {
                          const bool on = frame == 1;
                          const Rectangle<float> face(1, 1, 52, 19.5f);
                          drawButtonFace(g, face, 4.0f, on);
                          const float sink = on ? 0.6f : 0.0f;
                          drawLed(g, {9.5f, face.getCentreY() + sink}, 2.8f, palette::amber, on);
                          drawText(g, name, font(Face::condensedBold, 9.5f, 0.04f),
                                   Rectangle<float>(14, face.getY() + sink, 39, face.getHeight()),
                                   juce::Justification::centred,
                                   on ? palette::print : palette::printDim);
                      });
}

juce::Image drawFileButtonStrip(const Supersampled& backdrop)
{
    return drawFrames(backdrop, 2,
                      [](juce::Graphics& g, int frame)
                      {
                          const Rectangle<float> face(1, 1, 56, 23.5f);
                          drawButtonFace(g, face, 4.0f, frame == 1);
                          drawPressedContent(
                              g, frame == 1,
                              [&g, face](juce::Colour colour)
                              {
                                  g.setColour(colour);
                                  for (int line = 0; line < 3; ++line)
                                      g.fillRoundedRectangle(
                                          9.0f, face.getCentreY() - 4.5f + 4.0f * (float)line, 9.0f,
                                          1.6f, 0.8f);
                                  drawText(g, "FILE", font(Face::sansBold, 11.0f, 0.14f),
                                           Rectangle<float>(20, face.getY(), 32, face.getHeight()),
                                           juce::Justification::centred, colour);
                              });
                      });
}

juce::Image drawArrowButtonStrip(const Supersampled& backdrop, bool pointsRight)
{
    return drawFrames(backdrop, 2,
                      [pointsRight](juce::Graphics& g, int frame)
                      {
                          const Rectangle<float> face(1, 1, 27, 23.5f);
                          drawButtonFace(g, face, 4.0f, frame == 1);
                          drawPressedContent(g, frame == 1,
                                             [&g, face, pointsRight](juce::Colour colour)
                                             {
                                                 const auto c = face.getCentre();
                                                 const float d = pointsRight ? 1.0f : -1.0f;
                                                 juce::Path arrow;
                                                 arrow.addTriangle(c.x + d * 4.0f, c.y,
                                                                   c.x - d * 3.0f, c.y - 5.0f,
                                                                   c.x - d * 3.0f, c.y + 5.0f);
                                                 g.setColour(colour);
                                                 g.fillPath(arrow);
                                             });
                      });
}

juce::Image drawCopyButtonStrip(const Supersampled& backdrop, const juce::String& from,
                                const juce::String& to)
{
    return drawFrames(
        backdrop, 2,
        [from, to](juce::Graphics& g, int frame)
        {
            const Rectangle<float> face(1, 1, 73, 22.5f);
            drawButtonFace(g, face, 4.0f, frame == 1);
            drawPressedContent(
                g, frame == 1,
                [&g, face, from, to](juce::Colour colour)
                {
                    const auto small = font(Face::sansBold, 8.5f, 0.12f);
                    const auto large = font(Face::sansBold, 11.5f, 0.02f);
                    const juce::String pair = from + juce::String::fromUTF8(" \xe2\x86\x92 ") + to;
                    const float copyWidth = small.getStringWidthFloat("COPY");
                    const float pairWidth = large.getStringWidthFloat(pair);
                    const float x = face.getCentreX() - (copyWidth + 5.0f + pairWidth) * 0.5f;
                    drawText(g, "COPY", small, {x, face.getY(), copyWidth + 1, face.getHeight()},
                             juce::Justification::centredLeft, colour.withAlpha(0.7f));
                    drawText(g, pair, large,
                             {x + copyWidth + 5.0f, face.getY(), pairWidth + 1, face.getHeight()},
                             juce::Justification::centredLeft, colour);
                });
        });
}

juce::Image drawSlotSwitchStrip(const Supersampled& backdrop)
{
    return drawFrames(
        backdrop, 2,
        [](juce::Graphics& g, int frame)
        {
            const Rectangle<float> body(1, 1, 60, 21);
            drawRecess(g, body, 4.0f, juce::Colour(0xff0e0e11));
            for (int slot = 0; slot < 2; ++slot)
            {
                const bool active = slot == frame;
                const auto half = body.reduced(2.0f).withWidth(27.0f).translated(29.0f * slot, 0);
                if (active)
                {
                    drawButtonFace(g, half, 3.0f, false);
                    drawLed(g, {half.getX() + 7.5f, half.getCentreY()}, 2.4f, palette::amber, true);
                }
                drawText(g, slot == 0 ? "A" : "B", font(Face::sansBold, 13.0f),
                         half.withTrimmedLeft(active ? 9.0f : 0.0f), juce::Justification::centred,
                         active ? palette::print : palette::printDim.withAlpha(0.45f));
            }
        });
}

} // namespace artwork
