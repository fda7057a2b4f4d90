#include "DialogTestSupport.h"

#include "StompixZR7714BinImg.h"

#include <gtest/gtest.h>

namespace juce
{
// The message loop's own single step (JUCE is built without modal loops).
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

EditorSizedHost::EditorSizedHost()
    : background(juce::ImageFileFormat::loadFrom(
          StompixZR7714BinImg::bg_phaser_png,
          static_cast<size_t>(StompixZR7714BinImg::bg_phaser_pngSize)))
{
    setSize(325, 454);
    addToDesktop(0);
    setVisible(true);
}

EditorSizedHost::~EditorSizedHost()
{
    removeFromDesktop();
}

void EditorSizedHost::paint(juce::Graphics& g)
{
    g.drawImageAt(background, 0, 0);
}

juce::Component* childNamed(const juce::Component& parent, const juce::String& name)
{
    for (auto* child : parent.getChildren())
        if (child->getName() == name)
            return child;
    return nullptr;
}

juce::Button& buttonNamed(const juce::Component& parent, const juce::String& name)
{
    auto* button = dynamic_cast<juce::Button*>(childNamed(parent, name));
    if (button == nullptr)
        throw std::runtime_error(("no button " + name).toStdString());
    return *button;
}

juce::FileBrowserComponent& fileBrowserIn(const juce::Component& dialog)
{
    for (auto* child : dialog.getChildren())
        if (auto* browser = dynamic_cast<juce::FileBrowserComponent*>(child))
            return *browser;
    throw std::runtime_error("no file browser");
}

void dispatchPendingMessages()
{
    for (int i = 0; i < 100 && juce::dispatchNextMessageOnSystemQueue(true); ++i)
    {
    }
}

bool isUpAndModal(const juce::Component& component)
{
    return component.isVisible() && component.isCurrentlyModal(false);
}

juce::File writeSnapshot(juce::Component& component, const juce::String& fileName)
{
    const auto file = juce::File(STOMPIX_SNAPSHOT_DIR).getChildFile(fileName);
    file.deleteFile();
    juce::FileOutputStream out(file);
    juce::PNGImageFormat().writeImageToStream(
        component.createComponentSnapshot(component.getLocalBounds(), true, 1.0f), out);
    return file;
}
