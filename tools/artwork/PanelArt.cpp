#include "PanelArt.h"

#include "Fonts.h"
#include "Materials.h"
#include "Palette.h"
#include "PanelLayout.h"

namespace artwork
{
namespace
{
using juce::Rectangle;

void drawUpperPanel(juce::Graphics& g)
{
    const Rectangle<float> panel(0, 0, (float)layout::width, (float)layout::upperPanelHeight);
    g.setGradientFill(juce::ColourGradient(palette::panelTop, panel.getTopLeft(),
                                           palette::panelBottom, panel.getBottomLeft(), false));
    g.fillRect(panel);
    addGrain(g, panel.toNearestInt(), 7714, 0.035f, true);

    // The preset display: a cream window in a dark bezel for the preset name in black.
    const auto display = layout::presetMenu.toFloat();
    drawRecess(g, display.expanded(1.5f), 4.0f, juce::Colour(0xff0b0b0d));
    g.setGradientFill(juce::ColourGradient(palette::displayLight, display.getTopLeft(),
                                           palette::displayShade, display.getBottomLeft(), false));
    g.fillRoundedRectangle(display.reduced(0.5f), 3.0f);
    g.setGradientFill(juce::ColourGradient(juce::Colours::black.withAlpha(0.28f),
                                           display.getTopLeft(), juce::Colours::transparentBlack,
                                           display.getTopLeft().translated(0, 5.0f), false));
    g.fillRoundedRectangle(display.reduced(0.5f), 3.0f);

    drawText(g, "PROGRAM", font(Face::sansBold, 9.0f, 0.18f), Rectangle<float>(22, 40, 64, 13),
             juce::Justification::centredRight, palette::printDim.withAlpha(0.8f));
    drawScrew(g, {13.5f, 46.5f}, 4.0f, 0.6f);
    drawScrew(g, {311.5f, 46.5f}, 4.0f, 2.2f);

    g.setColour(juce::Colours::black);
    g.fillRect(panel.withTop(panel.getBottom() - 1.0f));
}

void drawFace(juce::Graphics& g)
{
    const Rectangle<float> face(0, (float)layout::upperPanelHeight, (float)layout::width,
                                (float)(layout::height - layout::upperPanelHeight));
    g.setGradientFill(juce::ColourGradient(palette::faceTop, face.getTopLeft(), palette::faceBottom,
                                           face.getBottomLeft(), false));
    g.fillRect(face);
    // A broad sheen across the paint, as from a light above the pedal.
    g.setGradientFill(juce::ColourGradient(
        juce::Colours::white.withAlpha(0.07f), face.getTopLeft().translated(60, 0),
        juce::Colours::white.withAlpha(0.0f), face.getTopLeft().translated(200, 260), false));
    g.fillRect(face);
    addGrain(g, face.toNearestInt(), 14, 0.045f, false);

    g.setColour(juce::Colours::white.withAlpha(0.22f));
    g.fillRect(face.withHeight(1.0f));
    g.setColour(palette::faceEdge);
    g.drawRect(face.withTrimmedTop(1.0f), 1.0f);
}

void drawTitle(juce::Graphics& g)
{
    const Rectangle<float> title(64, 64, 197, 18);
    drawText(g, "STEREO PHASER", font(Face::sansBold, 13.0f, 0.28f), title,
             juce::Justification::centred, palette::print);

    drawPhaseWaves(g, {100, 90, 125, 30});
}

void drawCaption(juce::Graphics& g, const juce::String& text, Rectangle<int> knob, int gap)
{
    const Rectangle<float> area((float)knob.getCentreX() - 45.0f, (float)(knob.getBottom() + gap),
                                90.0f, 12.0f);
    drawText(g, text, font(Face::sansBold, 10.5f, 0.16f), area, juce::Justification::centred,
             palette::print);
}

void drawModelNames(juce::Graphics& g)
{
    const auto nameFont = font(Face::sansBold, 11.0f, 0.02f);
    for (int model = 0; model < 3; ++model)
    {
        const auto area = layout::typeShortcuts[model].toFloat();
        const juce::String name = "Type " + juce::String(model + 1);
        drawText(g, name, nameFont, area.withTrimmedLeft(1.0f).translated(0, -0.5f),
                 juce::Justification::centredLeft, palette::print);

        // One dot per all-pass stage: two, four and six.
        const float dotsStart = area.getX() + 1.0f + nameFont.getStringWidthFloat(name) + 5.0f;
        g.setColour(palette::amber.withAlpha(0.85f));
        for (int stage = 0; stage < 2 * (model + 1); ++stage)
            g.fillEllipse(
                Rectangle<float>(2.4f, 2.4f)
                    .withCentre({dotsStart + 1.2f + 4.0f * (float)stage, area.getCentreY()}));

        g.setColour(palette::printDim);
        g.drawLine((float)layout::typeSwitch.getRight() + 0.5f, area.getCentreY(),
                   area.getX() - 1.5f, area.getCentreY(), 1.0f);
    }
}

} // namespace

void drawPhaseWaves(juce::Graphics& g, Rectangle<float> area)
{
    // Three sweeps a third of a cycle apart: the phaser's moving notches.
    const float alphas[] = {0.55f, 0.32f, 0.18f};
    const int steps = juce::roundToInt(area.getWidth());
    for (int line = 0; line < 3; ++line)
    {
        juce::Path path;
        for (int i = 0; i <= steps; ++i)
        {
            const float t = (float)i / (float)steps;
            const float envelope = std::sin(juce::MathConstants<float>::pi * t);
            const float phase = juce::MathConstants<float>::twoPi * (1.5f * t + (float)line / 3.0f);
            const float x = area.getX() + t * area.getWidth();
            const float y =
                area.getCentreY() - area.getHeight() * 0.37f * envelope * std::sin(phase);
            if (i == 0)
                path.startNewSubPath(x, y);
            else
                path.lineTo(x, y);
        }
        g.setColour((line == 0 ? palette::amber : palette::print).withAlpha(alphas[line]));
        g.strokePath(path, juce::PathStrokeType(line == 0 ? 1.4f : 1.0f));
    }
}

void drawMakerEmblem(juce::Graphics& g, juce::Point<float> centre, float radius,
                     juce::Colour colour)
{
    g.setColour(colour);
    g.drawEllipse(Rectangle<float>(radius * 2, radius * 2).withCentre(centre), radius * 0.13f);

    juce::Path v;
    v.startNewSubPath(centre.translated(-radius * 0.5f, -radius * 0.42f));
    v.lineTo(centre.translated(0, radius * 0.5f));
    v.lineTo(centre.translated(radius * 0.5f, -radius * 0.42f));
    g.strokePath(v, juce::PathStrokeType(radius * 0.17f, juce::PathStrokeType::mitered,
                                         juce::PathStrokeType::rounded));
}

void drawProductLogo(juce::Graphics& g, Rectangle<float> area)
{
    const float x = area.getX();
    drawMakerEmblem(g, {x + 7.0f, area.getY() + 8.5f}, 6.5f, palette::amber);
    drawText(g, "VELMOR", font(Face::sansBold, 11.0f, 0.34f),
             Rectangle<float>(x + 17.0f, area.getY() + 2.0f, area.getWidth() - 17.0f, 13.0f),
             juce::Justification::centredLeft, palette::print);
    drawText(g, "Stompix", font(Face::sansBoldOblique, 24.0f, -0.01f),
             Rectangle<float>(x - 1.0f, area.getY() + 15.0f, area.getWidth() + 2.0f, 26.0f),
             juce::Justification::centredLeft, palette::print);
    drawText(g, "ZR7714", font(Face::condensedBold, 13.0f, 0.42f),
             Rectangle<float>(x + 1.0f, area.getY() + 41.0f, area.getWidth(), 15.0f),
             juce::Justification::centredLeft, palette::amber);
}

Supersampled drawPanelBackground()
{
    Supersampled background(layout::width, layout::height);
    background.paint(
        [](juce::Graphics& g)
        {
            drawUpperPanel(g);
            drawFace(g);
            drawTitle(g);
            drawCaption(g, "RATE", layout::rateKnob, 1);
            drawCaption(g, "LEVEL", layout::levelKnob, 1);
            drawCaption(g, "FEEDBACK", layout::feedbackKnob, 1);
            drawCaption(g, "DEPTH", layout::depthKnob, 1);
            drawCaption(g, "MIX", layout::mixKnob, 1);
            drawModelNames(g);
            drawProductLogo(g, layout::aboutButton.toFloat());
            drawScrew(g, {10.5f, 444.5f}, 4.0f, 1.1f);
            drawScrew(g, {316.5f, 444.5f}, 4.0f, 0.3f);
        });
    return background;
}

} // namespace artwork
