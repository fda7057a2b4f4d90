#include "EditorTestSupport.h"

#include "DialogTestSupport.h"
#include "EmbeddedImage.h"
#include "MenuTreeSupport.h"

#include <StompixDialogBoxBinImg.h>

#include <functional>

void EditorTest::EditorCloser::operator()(StompixZR7714AudioProcessorEditor* closing) const
{
    processor->editorBeingDeleted(closing);
    delete closing;
}

void EditorTest::SetUp()
{
    presetFolder.deleteRecursively();
    StompixZR7714AudioProcessorEditor::getManualFile().getParentDirectory().deleteRecursively();
}

void EditorTest::TearDown()
{
    processor.removeListener(&host);
    editor.reset();
    dispatchPendingMessages();
    presetFolder.deleteRecursively();
    StompixZR7714AudioProcessorEditor::getManualFile().getParentDirectory().deleteRecursively();
}

void EditorTest::openEditor()
{
    auto* created = processor.createEditorIfNeeded();
    editor.reset(dynamic_cast<StompixZR7714AudioProcessorEditor*>(created));
    ASSERT_NE(editor, nullptr);

    timerIntervalWhenOpened = editor->isTimerRunning() ? editor->getTimerInterval() : 0;
    editor->stopTimer();

    // Showing, as in a host window: the dialogs take the keyboard focus and the modal state.
    editor->addToDesktop(0);
    editor->setVisible(true);
    processor.addListener(&host);
}

void EditorTest::tick(int count)
{
    for (int i = 0; i < count; ++i)
        editor->timerCallback();
}

juce::Component& EditorTest::child(const juce::String& name) const
{
    auto* found = childNamed(*editor, name);
    if (found == nullptr)
        throw std::runtime_error(("no child " + name).toStdString());
    return *found;
}

juce::Button& EditorTest::button(const juce::String& name) const
{
    return buttonNamed(*editor, name);
}

juce::Slider& EditorTest::slider(const juce::String& name) const
{
    return dynamic_cast<juce::Slider&>(child(name));
}

juce::Label& EditorTest::presetLabel() const
{
    return dynamic_cast<juce::Label&>(child("presetMenu_"));
}

void EditorTest::click(const juce::String& name)
{
    button(name).triggerClick();
    dispatchPendingMessages();
}

void EditorTest::lowerFlags()
{
    processor.parametersChanged = 0;
    processor.presetLoaded = 0;
    processor.activeChannelChanged = 0;
}

void EditorTest::writePreset(const juce::String& relativePath, float depth)
{
    StompixZR7714AudioProcessor writer;
    writer.setParameter(kDepth, depth);
    const auto file = fileBelow(presetFolder, relativePath);
    ASSERT_TRUE(file.getParentDirectory().createDirectory().wasOk());
    ASSERT_TRUE(writer.writePreset(true).writeTo(file));
}

::testing::AssertionResult samePixels(const juce::Image& drawn, const juce::Image& expected)
{
    if (drawn.getBounds() != expected.getBounds())
        return ::testing::AssertionFailure()
               << "drawn " << drawn.getWidth() << "x" << drawn.getHeight() << ", expected "
               << expected.getWidth() << "x" << expected.getHeight();

    for (int y = 0; y < drawn.getHeight(); ++y)
        for (int x = 0; x < drawn.getWidth(); ++x)
            if (drawn.getPixelAt(x, y) != expected.getPixelAt(x, y))
                return ::testing::AssertionFailure()
                       << "(" << x << ", " << y << ") is "
                       << drawn.getPixelAt(x, y).toDisplayString(true) << " instead of "
                       << expected.getPixelAt(x, y).toDisplayString(true);

    return ::testing::AssertionSuccess();
}

::testing::AssertionResult drawsFrame(juce::Component& component, const juce::Image& strip,
                                      int numFrames, int frame)
{
    const int frameHeight = strip.getHeight() / numFrames;
    const auto expected =
        strip.getClippedImage({0, frame * frameHeight, strip.getWidth(), frameHeight});
    return samePixels(component.createComponentSnapshot(component.getLocalBounds()), expected)
           << " (" << component.getName() << ", frame " << frame << ")";
}

juce::String messageOf(const juce::Component& box)
{
    return dynamic_cast<juce::Label*>(childNamed(box, "titleText_"))->getText();
}

::testing::AssertionResult paintsIcon(juce::Component& box, const juce::Image& icon)
{
    const auto paintInto = [&box](const std::function<void(juce::Graphics&)>& painter)
    {
        juce::Image image(juce::Image::ARGB, box.getWidth(), box.getHeight(), true);
        juce::Graphics g(image);
        painter(g);
        return image;
    };
    namespace dialog = StompixDialogBoxBinImg;
    const auto background =
        decodeEmbeddedImage(dialog::dialog_box_clean_png, dialog::dialog_box_clean_pngSize);

    // The overlays are as wide as the box: centred, they lie at its left edge, 12 pixels down.
    const auto expected = paintInto(
        [&](juce::Graphics& g)
        {
            g.drawImageAt(background, 0, 0);
            g.drawImageAt(icon, 0, 12);
        });
    return samePixels(paintInto([&box](juce::Graphics& g) { box.paint(g); }), expected);
}
