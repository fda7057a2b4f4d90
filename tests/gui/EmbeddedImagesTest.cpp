#include "DialogTestSupport.h"
#include "EmbeddedImage.h"
#include "GuiTestSupport.h"
#include "StompixZR7714AudioProcessor.h"
#include "StompixZR7714AudioProcessorEditor.h"

#include <StompixDialogBoxBinImg.h>
#include <StompixModulationUpperPanelBinImg.h>
#include <StompixZR7714BinImg.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct EmbeddedImage
{
    const char* name;
    const char* data;
    int size;
    int width, height, frames;
    bool alpha;
};

std::ostream& operator<<(std::ostream& out, const EmbeddedImage& image)
{
    return out << image.name;
}

#define IMAGE(set, name, width, height, frames, alpha)                                             \
    EmbeddedImage                                                                                  \
    {                                                                                              \
#name, set::name##_png, set::name##_pngSize, width, height, frames, alpha                  \
    }

const EmbeddedImage images[] = {
    IMAGE(StompixZR7714BinImg, about, 325, 455, 1, true),
    IMAGE(StompixZR7714BinImg, bg_phaser, 325, 454, 1, true),
    IMAGE(StompixZR7714BinImg, bypass, 90, 396, 4, false),
    IMAGE(StompixZR7714BinImg, depth, 73, 7272, 101, false),
    IMAGE(StompixZR7714BinImg, feedback, 56, 5454, 101, false),
    IMAGE(StompixZR7714BinImg, level, 73, 7272, 101, false),
    IMAGE(StompixZR7714BinImg, mix, 73, 7272, 101, false),
    IMAGE(StompixZR7714BinImg, rate, 73, 7272, 101, false),
    IMAGE(StompixZR7714BinImg, rate_sync, 73, 1368, 19, true),
    IMAGE(StompixZR7714BinImg, type, 48, 240, 3, false),
    IMAGE(StompixModulationUpperPanelBinImg, ab, 62, 46, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, atob, 75, 50, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, btoa, 75, 50, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, file, 58, 52, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, left, 29, 52, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, right, 29, 52, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, stereo, 54, 44, 2, false),
    IMAGE(StompixModulationUpperPanelBinImg, sync, 54, 44, 2, false),
    IMAGE(StompixDialogBoxBinImg, browser_textonly_import, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, browser_textonly_load, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, browser_textonly_save_as, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, cancel, 132, 102, 2, true),
    IMAGE(StompixDialogBoxBinImg, dialog_box_clean, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, download, 132, 102, 2, true),
    IMAGE(StompixDialogBoxBinImg, file_browser_clean, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, icononly_asterix, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, icononly_frown, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, icononly_smile, 325, 454, 1, true),
    IMAGE(StompixDialogBoxBinImg, import, 132, 102, 2, true),
    IMAGE(StompixDialogBoxBinImg, newfolder, 132, 102, 2, true),
    IMAGE(StompixDialogBoxBinImg, ok, 132, 102, 2, true),
    IMAGE(StompixDialogBoxBinImg, overwrite, 132, 102, 2, true),
    IMAGE(StompixDialogBoxBinImg, save, 132, 102, 2, true),
};
#undef IMAGE

juce::uint32 bigEndian(const char* bytes)
{
    const auto* b = reinterpret_cast<const juce::uint8*>(bytes);
    return ((juce::uint32)b[0] << 24) | ((juce::uint32)b[1] << 16) | ((juce::uint32)b[2] << 8) |
           (juce::uint32)b[3];
}

bool isEmptyEndChunk(const char* at)
{
    const char end[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', '\xae', '\x42', '\x60', '\x82'};
    return std::memcmp(at, end, sizeof(end)) == 0;
}

juce::Image decode(const EmbeddedImage& image)
{
    return decodeEmbeddedImage(image.data, image.size);
}

class EmbeddedImages : public ::testing::TestWithParam<EmbeddedImage>
{
};

TEST_P(EmbeddedImages, AreEightBitPngStreamsOfTheirSizeAndChannels)
{
    const auto& image = GetParam();
    ASSERT_GT(image.size, 33 + 12);
    EXPECT_EQ(std::memcmp(image.data, "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ(std::memcmp(image.data + 12, "IHDR", 4), 0);
    EXPECT_EQ(bigEndian(image.data + 16), (juce::uint32)image.width);
    EXPECT_EQ(bigEndian(image.data + 20), (juce::uint32)image.height);
    EXPECT_EQ(image.data[24], 8) << "bit depth";
    EXPECT_EQ(image.data[25], image.alpha ? 6 : 2) << "colour type";
    EXPECT_EQ(image.data[28], 0) << "interlace";

    // Opaque strips carry a second, empty end chunk, counted in their size.
    EXPECT_TRUE(isEmptyEndChunk(image.data + image.size - 12));
    EXPECT_EQ(isEmptyEndChunk(image.data + image.size - 24), !image.alpha);

    const auto decoded = decode(image);
    ASSERT_TRUE(decoded.isValid());
    EXPECT_EQ(decoded.getWidth(), image.width);
    EXPECT_EQ(decoded.getHeight(), image.height);
    EXPECT_EQ(decoded.hasAlphaChannel(), image.alpha);
    EXPECT_EQ(image.height % image.frames, 0) << "frames of equal height";
}

TEST_P(EmbeddedImages, ChangeFromEachFrameToTheNext)
{
    const auto& image = GetParam();
    const auto decoded = decode(image);
    const int frameHeight = image.height / image.frames;
    for (int frame = 1; frame < image.frames; ++frame)
    {
        bool differs = false;
        for (int y = 0; y < frameHeight && !differs; ++y)
            for (int x = 0; x < image.width && !differs; ++x)
                differs = decoded.getPixelAt(x, (frame - 1) * frameHeight + y) !=
                          decoded.getPixelAt(x, frame * frameHeight + y);
        EXPECT_TRUE(differs) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(AllImages, EmbeddedImages, ::testing::ValuesIn(images),
                         [](const auto& param) { return std::string(param.param.name); });

const EmbeddedImage& find(const char* name)
{
    for (const auto& image : images)
        if (std::strcmp(image.name, name) == 0)
            return image;
    throw std::invalid_argument(name);
}

TEST(EmbeddedImage, DecodesTheSameWithOrWithoutTheSecondEndChunk)
{
    const auto& type = find("type");
    const auto whole = decode(type);
    const auto streamOnly = decodeEmbeddedImage(type.data, type.size - 12);
    ASSERT_TRUE(streamOnly.isValid());
    for (int y = 0; y < type.height; ++y)
        for (int x = 0; x < type.width; ++x)
            ASSERT_EQ(whole.getPixelAt(x, y), streamOnly.getPixelAt(x, y));
}

TEST(EmbeddedImage, DataThatIsNoPictureGivesANullImage)
{
    const char text[] = "<velmorPatch/>";
    EXPECT_FALSE(decodeEmbeddedImage(text, (int)sizeof(text)).isValid());
    EXPECT_FALSE(decodeEmbeddedImage(nullptr, 10).isValid());
    EXPECT_FALSE(decodeEmbeddedImage(find("ok").data, 0).isValid());
}

// Where a picture is drawn over the editor, it must leave the editor visible exactly where
// the dialogs expect it.
juce::Rectangle<int> opaqueBounds(const juce::Image& image, int minimumAlpha)
{
    juce::Rectangle<int> bounds;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt(x, y).getAlpha() >= minimumAlpha)
                bounds = bounds.isEmpty() ? juce::Rectangle<int>(x, y, 1, 1)
                                          : bounds.getUnion({x, y, 1, 1});
    return bounds;
}

TEST(EmbeddedImage, OverlaysAreTransparentButForTheirTitleOrIcon)
{
    const std::pair<const char*, juce::Rectangle<int>> overlays[] = {
        {"icononly_asterix", {141, 114, 44, 42}},    {"icononly_frown", {141, 114, 44, 42}},
        {"icononly_smile", {141, 114, 44, 42}},      {"browser_textonly_save_as", {0, 18, 325, 22}},
        {"browser_textonly_load", {0, 18, 325, 22}}, {"browser_textonly_import", {0, 18, 325, 22}},
    };
    for (const auto& [name, area] : overlays)
    {
        const auto painted = opaqueBounds(decode(find(name)), 1);
        EXPECT_FALSE(painted.isEmpty()) << name;
        EXPECT_TRUE(area.contains(painted)) << name << " paints " << painted.toString();
    }
}

TEST(EmbeddedImage, TheMessageBoxIsOpaqueOnlyInItsPanelRows)
{
    const auto box = decode(find("dialog_box_clean"));
    EXPECT_EQ(opaqueBounds(box, 1).getY(), 84);
    EXPECT_EQ(opaqueBounds(box, 1).getBottom(), 378);
    for (int y = 84; y <= 377; ++y)
        ASSERT_EQ(box.getPixelAt(162, y).getAlpha(), 255) << "row " << y;
}

TEST(EmbeddedImage, TheBackgroundIsOpaque)
{
    const auto background = decode(find("bg_phaser"));
    EXPECT_EQ(opaqueBounds(background, 255), background.getBounds());
}

double luminance(juce::Colour colour)
{
    auto channel = [](juce::uint8 value)
    {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.getRed()) + 0.7152 * channel(colour.getGreen()) +
           0.0722 * channel(colour.getBlue());
}

double contrast(juce::Colour a, juce::Colour b)
{
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// The texts that the framework draws over the pictures, in the colours the dialogs set.
TEST(EmbeddedImage, TextAreasContrastWithTheirTextColour)
{
    const juce::Colour lightGrey(211, 211, 211);
    const struct
    {
        const char* image;
        juce::Rectangle<int> area;
        juce::Colour text;
    } areas[] = {
        {"bg_phaser", {69, 5, 188, 22}, juce::Colours::black}, // the preset name
        {"about", {150, 112, 100, 16}, lightGrey},             // the version
        {"dialog_box_clean", {32, 136, 260, 170}, lightGrey},  // a message
        {"file_browser_clean", {12, 59, 300, 275}, lightGrey}, // the browser's labels
    };
    for (const auto& c : areas)
    {
        const auto picture = decode(find(c.image));
        double worst = 100.0;
        for (int y = c.area.getY(); y < c.area.getBottom(); ++y)
            for (int x = c.area.getX(); x < c.area.getRight(); ++x)
                worst = std::min(worst, contrast(picture.getPixelAt(x, y), c.text));
        EXPECT_GE(worst, 4.5) << c.image;
    }
}

// The caption that the framework browser puts before its name field, as the editor draws it
// over the save-as artwork: the strokes of its letters (not a stray pixel at an edge) contrast
// with what lies under them.
TEST(EmbeddedImage, TheSaveAsBrowsersCaptionIsDrawnReadably)
{
    StompixZR7714AudioProcessor processor;
    StompixZR7714AudioProcessorEditor editor(&processor);
    auto* dialog = childNamed(editor, "savePresetBrowser_");
    ASSERT_NE(dialog, nullptr);
    dialog->setVisible(true);

    juce::Label* caption = nullptr;
    for (auto* child : fileBrowserIn(*dialog).getChildren())
        if (auto* label = dynamic_cast<juce::Label*>(child); label != nullptr && label->isVisible())
            caption = label;
    ASSERT_NE(caption, nullptr);
    ASSERT_EQ(caption->getText(), "file:");

    const auto area = editor.getLocalArea(caption, caption->getLocalBounds());
    guitest::saveSnapshotIfAsked(editor, "save-as-browser-in-editor");
    const auto drawn = editor.createComponentSnapshot(area);
    caption->setVisible(false);
    const auto under = editor.createComponentSnapshot(area);

    int readablePixels = 0;
    for (int y = 0; y < drawn.getHeight(); ++y)
        for (int x = 0; x < drawn.getWidth(); ++x)
            if (contrast(drawn.getPixelAt(x, y), under.getPixelAt(x, y)) >= 4.5)
                ++readablePixels;
    EXPECT_GE(readablePixels, 30); // about half of what its letters cover (67 pixels here)
}

} // namespace
