#include "ContactSheet.h"

#include "Fonts.h"
#include "PanelLayout.h"

namespace artwork
{
namespace
{
using juce::Rectangle;

constexpr int sheetWidth = 1720;
constexpr int margin = 16;
constexpr int captionHeight = 18;

struct EditorState
{
    bool sync, effectOn, stereo, channelB;
    int model;
    int rate, depth, feedback, mix, level; // frames
    const char* preset;
};

void drawFrame(juce::Graphics& g, const std::vector<ArtworkImage>& art, const char* name, int frame,
               Rectangle<int> at)
{
    g.drawImageAt(frameOf(find(art, name), frame), at.getX(), at.getY());
}

juce::Image composeEditor(const std::vector<ArtworkImage>& art, const EditorState& state)
{
    juce::Image editor(juce::Image::ARGB, layout::width, layout::height, true);
    juce::Graphics g(editor);
    g.drawImageAt(find(art, "bg_phaser").image, 0, 0);
    drawFrame(g, art, "file", 0, layout::fileButton);
    drawFrame(g, art, "left", 0, layout::presetDecButton);
    drawFrame(g, art, "right", 0, layout::presetIncButton);
    drawFrame(g, art, "ab", state.channelB ? 1 : 0, layout::abButton);
    drawFrame(g, art, state.channelB ? "btoa" : "atob", 0, layout::abCopyButton);
    drawFrame(g, art, "bypass", state.effectOn ? 2 : 0, layout::bypassButton);
    drawFrame(g, art, "stereo", state.stereo ? 1 : 0, layout::stereoButton);
    drawFrame(g, art, "sync", state.sync ? 1 : 0, layout::syncButton);
    drawFrame(g, art, "type", state.model, layout::typeSwitch);
    drawFrame(g, art, state.sync ? "rate_sync" : "rate", state.rate, layout::rateKnob);
    drawFrame(g, art, "depth", state.depth, layout::depthKnob);
    drawFrame(g, art, "feedback", state.feedback, layout::feedbackKnob);
    drawFrame(g, art, "mix", state.mix, layout::mixKnob);
    drawFrame(g, art, "level", state.level, layout::levelKnob);
    // The preset menu is a label: black text in the framework's default size.
    drawText(g, state.preset, font(Face::sans, 15.0f), layout::presetMenu.toFloat().reduced(5, 1),
             juce::Justification::centredLeft, juce::Colours::black);
    return editor;
}

juce::Image composeMessageBox(const std::vector<ArtworkImage>& art, const juce::Image& editor)
{
    auto picture = editor.createCopy();
    juce::Graphics g(picture);
    g.drawImageAt(find(art, "dialog_box_clean").image, 0, 0);
    g.drawImageAt(find(art, "icononly_asterix").image, 0, layout::dialogIconTop);
    drawText(g, "Are you sure you want to overwrite this preset?", font(Face::sans, 15.0f),
             {32, 200, 260, 20}, juce::Justification::centred, juce::Colour(0xffd3d3d3));
    drawText(g, "\"Leads/Slow Swirl.vzrp\"", font(Face::sans, 15.0f), {32, 234, 260, 20},
             juce::Justification::centred, juce::Colour(0xffd3d3d3));
    drawFrame(g, art, "ok", 0, layout::dialogButtonLeft);
    drawFrame(g, art, "cancel", 1, layout::dialogButtonRight);
    return picture;
}

juce::Image composeBrowser(const std::vector<ArtworkImage>& art, const juce::Image& editor)
{
    auto picture = editor.createCopy();
    juce::Graphics g(picture);
    g.drawImageAt(find(art, "file_browser_clean").image, 0, 0);
    g.drawImageAt(find(art, "browser_textonly_save_as").image, 0, 0);
    drawFrame(g, art, "newfolder", 0, layout::browserNewFolderButton);
    drawFrame(g, art, "save", 0, layout::browserOkButton);
    drawFrame(g, art, "cancel", 0, layout::browserCancelButton);
    return picture;
}

juce::Image composeAbout(const std::vector<ArtworkImage>& art, const juce::Image& editor)
{
    auto picture = editor.createCopy();
    juce::Graphics g(picture);
    g.drawImageAt(find(art, "about").image, 0, 0);
    drawText(g, "1.0.1 (64bit)", font(Face::sans, 15.0f),
             layout::aboutVersionLabel.toFloat().withTrimmedLeft(5),
             juce::Justification::bottomLeft, juce::Colour(0xffd3d3d3));
    return picture;
}

void drawChecker(juce::Graphics& g, Rectangle<int> area)
{
    for (int y = area.getY(); y < area.getBottom(); y += 8)
        for (int x = area.getX(); x < area.getRight(); x += 8)
        {
            g.setColour(((x - area.getX()) / 8 + (y - area.getY()) / 8) % 2
                            ? juce::Colour(0xff3c3c42)
                            : juce::Colour(0xff4c4c52));
            g.fillRect(Rectangle<int>(x, y, 8, 8).getIntersection(area));
        }
}

struct Tile
{
    juce::String caption;
    std::vector<juce::Image> pictures;
};

int tileWidth(const Tile& tile)
{
    int width = 0;
    for (const auto& picture : tile.pictures)
        width += picture.getWidth() + 3;
    const int captionWidth =
        (int)std::ceil(font(Face::sans, 12.0f).getStringWidthFloat(tile.caption));
    return juce::jmax(width - 3, captionWidth + 4);
}

int tileHeight(const Tile& tile)
{
    int height = 0;
    for (const auto& picture : tile.pictures)
        height = juce::jmax(height, picture.getHeight());
    return height + captionHeight;
}

Tile tileFor(const ArtworkImage& artwork)
{
    const bool alpha = artwork.image.hasAlphaChannel();
    Tile tile{artwork.name + "  " + juce::String(artwork.image.getWidth()) + " x " +
                  juce::String(artwork.image.getHeight()) + (alpha ? "  RGBA" : "  RGB") +
                  (artwork.frames > 1 ? "  " + juce::String(artwork.frames) + " frames" : ""),
              {}};
    const int step = artwork.frames > 25 ? 5 : 1;
    if (step > 1)
        tile.caption << " (every " << step << "th)";
    for (int frame = 0; frame < artwork.frames; frame += step)
        tile.pictures.push_back(frameOf(artwork, frame));
    return tile;
}

std::vector<Tile> previewTiles(const std::vector<ArtworkImage>& art)
{
    const auto editorA =
        composeEditor(art, {false, true, false, false, 1, 30, 50, 70, 100, 62, "Init"});
    const auto editorB =
        composeEditor(art, {true, false, true, true, 2, 8, 0, 25, 40, 81, "Leads/Slow Swirl *"});
    return {
        {"editor: free rate, effect on, slot A", {editorA}},
        {"editor: tempo sync, bypassed, stereo, slot B", {editorB}},
        {"message box", {composeMessageBox(art, editorA)}},
        {"save-as browser", {composeBrowser(art, editorA)}},
        {"about panel", {composeAbout(art, editorB)}},
    };
}

} // namespace

std::vector<std::pair<juce::String, juce::Image>> drawPreviews(const std::vector<ArtworkImage>& art)
{
    std::vector<std::pair<juce::String, juce::Image>> previews;
    for (const auto& tile : previewTiles(art))
    {
        const auto& picture = tile.pictures.front();
        juce::Image large(juce::Image::RGB, picture.getWidth() * 2, picture.getHeight() * 2, true);
        juce::Graphics g(large);
        g.setImageResamplingQuality(juce::Graphics::lowResamplingQuality);
        g.drawImageTransformed(picture, juce::AffineTransform::scale(2.0f));
        previews.emplace_back(
            juce::String(previews.size() + 1) + "-" +
                tile.caption.upToFirstOccurrenceOf(":", false, false).replaceCharacter(' ', '-'),
            large);
    }
    return previews;
}

juce::Image drawContactSheet(const std::vector<ArtworkImage>& art)
{
    auto tiles = previewTiles(art);
    for (const auto& artwork : art)
        tiles.push_back(tileFor(artwork));

    // Flow the tiles into rows.
    std::vector<std::pair<Tile*, juce::Point<int>>> placed;
    int x = margin, y = margin, rowHeight = 0;
    for (auto& tile : tiles)
    {
        if (x + tileWidth(tile) > sheetWidth - margin && x > margin)
        {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        placed.emplace_back(&tile, juce::Point<int>(x, y));
        x += tileWidth(tile) + margin;
        rowHeight = juce::jmax(rowHeight, tileHeight(tile));
    }

    juce::Image sheet(juce::Image::RGB, sheetWidth, y + rowHeight + margin, true);
    juce::Graphics g(sheet);
    g.fillAll(juce::Colour(0xff1e1e22));
    for (const auto& [tile, at] : placed)
    {
        drawText(g, tile->caption, font(Face::sans, 12.0f),
                 Rectangle<float>((float)at.x, (float)at.y, 1000.0f, 14.0f),
                 juce::Justification::centredLeft, juce::Colour(0xffc8c8c8));
        int px = at.x;
        for (const auto& picture : tile->pictures)
        {
            const Rectangle<int> area(px, at.y + captionHeight, picture.getWidth(),
                                      picture.getHeight());
            if (picture.hasAlphaChannel())
                drawChecker(g, area);
            g.drawImageAt(picture, area.getX(), area.getY());
            px += picture.getWidth() + 3;
        }
    }
    return sheet;
}

} // namespace artwork
