#include "DialogArt.h"

#include "Fonts.h"
#include "Materials.h"
#include "Palette.h"
#include "PanelArt.h"
#include "PanelLayout.h"
#include "Supersampled.h"

namespace artwork
{
namespace
{
using juce::Rectangle;

void drawDialogPanel(juce::Graphics& g, Rectangle<float> panel)
{
    g.setColour(juce::Colours::black);
    g.fillRoundedRectangle(panel, 9.0f);
    g.setGradientFill(juce::ColourGradient(palette::dialogTop, panel.getTopLeft(),
                                           palette::dialogBottom, panel.getBottomLeft(), false));
    g.fillRoundedRectangle(panel.reduced(1.0f), 8.0f);
    g.setColour(palette::dialogEdge);
    g.drawRoundedRectangle(panel.reduced(1.5f), 7.5f, 1.0f);

    // A rule under the top edge, violet fading into amber.
    const auto rule = panel.reduced(18.0f, 0).withY(panel.getY() + 5.0f).withHeight(1.5f);
    juce::ColourGradient accent(palette::dialogEdge.withAlpha(0.0f), rule.getTopLeft(),
                                palette::dialogEdge.withAlpha(0.0f), rule.getTopRight(), false);
    accent.addColour(0.3, palette::dialogEdge.brighter(0.6f));
    accent.addColour(0.7, palette::amber.withAlpha(0.7f));
    g.setGradientFill(accent);
    g.fillRect(rule);
}

juce::Image render(int width, int height, const std::function<void(juce::Graphics&)>& painter)
{
    Supersampled picture(width, height);
    picture.paint(painter);
    return picture.downsample(juce::Image::ARGB);
}

} // namespace

juce::Image drawDialogBox()
{
    return render(layout::width, layout::height,
                  [](juce::Graphics& g)
                  {
                      const auto top = (float)layout::dialogPanelTop;
                      const auto bottom = (float)layout::dialogPanelBottom + 1.0f;
                      drawDialogPanel(g, {4.0f, top, (float)layout::width - 8.0f, bottom - top});
                  });
}

juce::Image drawFileBrowserBox()
{
    return render(
        layout::width, layout::height,
        [](juce::Graphics& g)
        {
            drawDialogPanel(
                g, {4.0f, 4.0f, (float)layout::width - 8.0f, (float)layout::height - 8.0f});
            const auto list = layout::browserList.toFloat().expanded(2.0f);
            drawRecess(g, list, 5.0f, palette::dialogWell);
            g.setColour(juce::Colours::white.withAlpha(0.06f));
            g.fillRect(Rectangle<float>(16.0f, 50.0f, (float)layout::width - 32.0f, 1.0f));

            // The free corner beside the buttons carries the maker's mark.
            const auto corner = layout::browserNewFolderButton.toFloat().withY(
                (float)layout::browserCancelButton.getY());
            drawMakerEmblem(g, {corner.getX() + 20.0f, corner.getCentreY()}, 11.0f,
                            palette::amber.withAlpha(0.8f));
            drawText(g, "VELMOR", font(Face::sansBold, 9.0f, 0.4f),
                     corner.withTrimmedLeft(38.0f).withTrimmedBottom(corner.getHeight() * 0.5f),
                     juce::Justification::bottomLeft, palette::printDim);
            drawText(g, "Stompix ZR7714", font(Face::sansBoldOblique, 11.0f),
                     corner.withTrimmedLeft(38.0f).withTrimmedTop(corner.getHeight() * 0.5f + 1.0f),
                     juce::Justification::topLeft, palette::print.withAlpha(0.85f));
        });
}

juce::Image drawIconOverlay(Icon icon)
{
    return render(
        layout::width, layout::height,
        [icon](juce::Graphics& g)
        {
            const auto area = layout::dialogIconArea.toFloat();
            const auto centre = area.getCentre();
            const float radius = 18.5f;
            const auto colour = icon == Icon::asterisk ? palette::amber
                                : icon == Icon::smile  ? juce::Colour(0xff8fd6a0)
                                                       : juce::Colour(0xffff7466);
            const auto badge = Rectangle<float>(radius * 2, radius * 2).withCentre(centre);
            g.setColour(colour.withAlpha(0.16f));
            g.fillEllipse(badge);
            g.setColour(colour);
            g.drawEllipse(badge.reduced(1.0f), 2.0f);

            if (icon == Icon::asterisk)
            {
                for (int arm = 0; arm < 3; ++arm)
                {
                    const float angle = juce::MathConstants<float>::pi * (float)arm / 3.0f;
                    g.drawLine({polar(centre, 10.0f, angle), polar(centre, -10.0f, angle)}, 3.4f);
                }
                return;
            }

            // A face: two eyes and a mouth that curves up or down.
            for (float side : {-1.0f, 1.0f})
                g.fillEllipse(
                    Rectangle<float>(4.2f, 5.0f).withCentre(centre.translated(side * 6.5f, -4.5f)));
            juce::Path mouth;
            const float curve = icon == Icon::smile ? 1.0f : -1.0f;
            const float mouthY = centre.y + (icon == Icon::smile ? 4.0f : 9.0f);
            mouth.startNewSubPath(centre.x - 9.0f, mouthY);
            mouth.quadraticTo(centre.x, mouthY + curve * 8.0f, centre.x + 9.0f, mouthY);
            g.strokePath(mouth, juce::PathStrokeType(2.6f, juce::PathStrokeType::curved,
                                                     juce::PathStrokeType::rounded));
        });
}

juce::Image drawTitleOverlay(const juce::String& title)
{
    return render(layout::width, layout::height,
                  [title](juce::Graphics& g)
                  {
                      drawText(g, title, font(Face::sansBold, 16.0f, 0.1f),
                               layout::browserTitleArea.toFloat(), juce::Justification::centred,
                               palette::print);
                  });
}

juce::Image drawDialogButtonStrip(const juce::String& label, bool primary)
{
    std::vector<juce::Image> frames;
    for (int frame = 0; frame < 2; ++frame)
    {
        const bool pressed = frame == 1;
        frames.push_back(render(
            layout::dialogButtonWidth, layout::dialogButtonHeight,
            [&](juce::Graphics& g)
            {
                const Rectangle<float> face(4.0f, pressed ? 5.0f : 4.0f, 124.0f, 41.0f);
                g.setColour(juce::Colours::black.withAlpha(pressed ? 0.35f : 0.55f));
                g.fillRoundedRectangle(face.translated(0, pressed ? 1.0f : 2.5f).expanded(1.0f),
                                       8.0f);

                const auto top = primary ? juce::Colour(0xff7464b6) : juce::Colour(0xff4a4a54);
                const auto bottom = primary ? juce::Colour(0xff3f3574) : juce::Colour(0xff27272e);
                g.setColour(juce::Colour(0xff09090b));
                g.fillRoundedRectangle(face, 7.0f);
                g.setGradientFill(juce::ColourGradient(pressed ? bottom : top, face.getTopLeft(),
                                                       pressed ? bottom.darker(0.3f) : bottom,
                                                       face.getBottomLeft(), false));
                g.fillRoundedRectangle(face.reduced(1.0f), 6.0f);
                if (!pressed)
                {
                    g.setColour(juce::Colours::white.withAlpha(0.22f));
                    g.drawLine(face.getX() + 8.0f, face.getY() + 2.0f, face.getRight() - 8.0f,
                               face.getY() + 2.0f, 1.0f);
                }
                drawText(g, label, font(Face::sansBold, 14.0f, 0.12f), face.translated(0, 0.5f),
                         juce::Justification::centred,
                         pressed ? palette::print.darker(0.3f) : palette::print);
            }));
    }
    return stackFrames(frames);
}

juce::Image drawAboutPanel()
{
    return render(
        layout::width, layout::aboutHeight,
        [](juce::Graphics& g)
        {
            g.fillAll(juce::Colours::black.withAlpha(0.72f));
            const Rectangle<float> card(14.0f, 20.0f, (float)layout::width - 28.0f, 398.0f);
            drawDialogPanel(g, card);

            const float centreX = (float)layout::width * 0.5f;
            drawMakerEmblem(g, {centreX, 42.0f}, 12.0f, palette::amber);
            drawText(g, "VELMOR", font(Face::sansBold, 10.0f, 0.4f), {20, 57, 285, 12},
                     juce::Justification::centred, palette::printDim);
            drawText(g, "Stompix ZR7714", font(Face::sansBoldOblique, 22.0f), {20, 72, 285, 28},
                     juce::Justification::centred, palette::print);

            // The version itself is the panel's label, left of which this caption stands.
            const auto version = layout::aboutVersionLabel.toFloat();
            drawText(g, "Version", font(Face::sans, 13.0f),
                     {version.getX() - 100.0f, version.getY(), 94.0f, version.getHeight()},
                     juce::Justification::bottomRight, palette::printDim);

            g.setColour(juce::Colours::white.withAlpha(0.1f));
            g.fillRect(Rectangle<float>(40.0f, 144.0f, (float)layout::width - 80.0f, 1.0f));

            const std::pair<const char*, bool> lines[] = {
                {"Stereo phaser in three models", true},
                {"Type 1, 2 and 3: two, four and six all-pass", false},
                {"stages computed from analogue circuit values", false},
                {"Free LFO from 0.01 Hz to 20 Hz or locked", false},
                {"to the host tempo in 19 note values", false},
                {"", false},
                {"Design, DSP and artwork", true},
                {"Velmor", false},
                {"", false},
                {"Made with JUCE", false},
                {"VST3 \xc2\xb7 VST2 \xc2\xb7 AAX", false},
                {"\xc2\xa9 Velmor. All rights reserved.", false},
            };
            float y = 156.0f;
            for (const auto& [text, heading] : lines)
            {
                drawText(g, juce::String::fromUTF8(text),
                         heading ? font(Face::sansBold, 12.0f) : font(Face::sans, 11.5f),
                         {24.0f, y, (float)layout::width - 48.0f, 16.0f},
                         juce::Justification::centred,
                         heading ? palette::print : palette::dialogText);
                y += text[0] == 0 ? 9.0f : 17.0f;
            }

            drawPhaseWaves(g, {112, 352, 101, 24});
            drawText(g, "Click anywhere to close", font(Face::sans, 10.5f), {24, 392, 277, 14},
                     juce::Justification::centred, palette::printDim.withAlpha(0.7f));
        });
}

} // namespace artwork
