#include "GuiTestSupport.h"

#include "FrameworkEnvironment.h"

#include <gtest/gtest.h>

namespace guitest
{
namespace
{
[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new testsupport::FrameworkEnvironment);

juce::MouseEvent mouseEvent(juce::Component& target, juce::Point<float> position,
                            juce::Point<float> downPosition, bool dragged)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent(
        juce::Desktop::getInstance().getMainMouseSource(), position,
        juce::ModifierKeys(juce::ModifierKeys::leftButtonModifier),
        juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
        juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
        juce::MouseInputSource::defaultTiltY, &target, &target, now, downPosition, now, 1, dragged);
}

// The software renderer, noting each glyph it is asked to draw.
class GlyphRecorder final : public juce::LowLevelGraphicsSoftwareRenderer
{
public:
    using juce::LowLevelGraphicsSoftwareRenderer::LowLevelGraphicsSoftwareRenderer;

    void drawGlyph(int glyphNumber, const juce::AffineTransform& transform) override
    {
        const auto toImage = stack->transform.getTransformWith(transform);
        glyphs.push_back(
            {glyphNumber, getFont(),
             juce::Point<float>(toImage.getTranslationX(), toImage.getTranslationY())});
        juce::LowLevelGraphicsSoftwareRenderer::drawGlyph(glyphNumber, transform);
    }

    std::vector<DrawnGlyph> glyphs;
};

juce::Component* targetAt(juce::Component& root, juce::Point<int> at)
{
    auto* target = root.getComponentAt(at);
    if (target == nullptr || target->isCurrentlyBlockedByAnotherModalComponent())
        return nullptr;
    return target;
}
} // namespace

juce::Image codedStrip(int width, int frameHeight, int frames)
{
    // Red counts the frames in steps as wide as the frame count allows; blue holds the step,
    // so that the code survives being drawn at a lower opacity.
    const int step = juce::jlimit(1, 250, 250 / juce::jmax(1, frames - 1));
    juce::Image strip(juce::Image::RGB, width, frameHeight * frames, true);
    juce::Graphics g(strip);
    for (int frame = 0; frame < frames; ++frame)
    {
        g.setColour(juce::Colour((juce::uint8)(frame * step), 90, (juce::uint8)step));
        g.fillRect(0, frame * frameHeight, width, frameHeight);
    }
    return strip;
}

juce::Image snapshot(juce::Component& component)
{
    juce::Image picture(juce::Image::ARGB, juce::jmax(1, component.getWidth()),
                        juce::jmax(1, component.getHeight()), true);
    juce::Graphics g(picture);
    component.paintEntireComponent(g, false);
    return picture;
}

std::vector<DrawnGlyph> drawnGlyphs(juce::Component& component)
{
    juce::Image picture(juce::Image::ARGB, juce::jmax(1, component.getWidth()),
                        juce::jmax(1, component.getHeight()), true);
    GlyphRecorder recorder(picture);
    juce::Graphics g(recorder);
    component.paintEntireComponent(g, false);
    return recorder.glyphs;
}

std::vector<int> visibleGlyphsOf(const juce::Font& font, const juce::String& text)
{
    std::vector<int> visible;
    for (auto p = text.getCharPointer(); !p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        if (juce::CharacterFunctions::isWhitespace(c))
            continue;
        juce::Array<int> glyphs;
        juce::Array<float> offsets;
        font.getGlyphPositions(juce::String::charToString(c), glyphs, offsets);
        visible.insert(visible.end(), glyphs.begin(), glyphs.end());
    }
    return visible;
}

int frameShown(juce::Component& component, juce::Point<int> at)
{
    const auto pixel = snapshot(component).getPixelAt(at.x, at.y);
    if (pixel.getAlpha() == 0)
        return -1;
    return juce::roundToInt(pixel.getRed() / (float)pixel.getBlue());
}

int frameShown(juce::Component& component)
{
    return frameShown(component, component.getLocalBounds().getCentre());
}

float opacityShown(juce::Component& component)
{
    const auto centre = component.getLocalBounds().getCentre();
    return snapshot(component).getPixelAt(centre.x, centre.y).getFloatAlpha();
}

bool pressAt(juce::Component& root, juce::Point<int> at)
{
    return dragAt(root, at, at);
}

bool dragAt(juce::Component& root, juce::Point<int> from, juce::Point<int> to)
{
    auto* target = targetAt(root, from);
    if (target == nullptr)
        return false;
    juce::Component::SafePointer<juce::Component> safe(target);
    const auto start = target->getLocalPoint(&root, from).toFloat();
    const auto end = target->getLocalPoint(&root, to).toFloat();
    target->mouseDown(mouseEvent(*target, start, start, false));
    if (safe != nullptr && from != to)
        safe->mouseDrag(mouseEvent(*safe, end, start, true));
    if (safe != nullptr)
        safe->mouseUp(mouseEvent(*safe, end, start, from != to));
    return true;
}

void dispatchPendingMessages()
{
    testsupport::dispatchPendingMessages();
}

void click(juce::Button& button)
{
    button.triggerClick();
    dispatchPendingMessages();
}

juce::Component* findChild(juce::Component& parent, const juce::String& name)
{
    for (auto* child : parent.getChildren())
        if (child->getName() == name)
            return child;
    return nullptr;
}

void saveSnapshotIfAsked(juce::Component& component, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable("STOMPIX_SNAPSHOT_DIR", {});
    if (folder.isEmpty())
        return;
    const auto file = juce::File(folder).getChildFile(name + ".png");
    file.deleteFile();
    juce::FileOutputStream stream(file);
    juce::PNGImageFormat().writeImageToStream(snapshot(component), stream);
}

} // namespace guitest
