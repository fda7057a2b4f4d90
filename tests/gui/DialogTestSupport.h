#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// An editor-sized window (325 x 454) on the desktop, drawn from the editor's background, so that
// the dialogs over it are showing and can hold the modal state as they do in a host.
class EditorSizedHost final : public juce::Component
{
public:
    EditorSizedHost();
    ~EditorSizedHost() override;

    void paint(juce::Graphics&) override;

private:
    juce::Image background;
};

// The direct child of parent with that component name, or nullptr.
juce::Component* childNamed(const juce::Component& parent, const juce::String& name);
juce::Button& buttonNamed(const juce::Component& parent, const juce::String& name);

// The first direct child of parent of that type, or nullptr.
template <typename ChildType> ChildType* childOfType(const juce::Component& parent)
{
    for (auto* child : parent.getChildren())
        if (auto* typed = dynamic_cast<ChildType*>(child))
            return typed;
    return nullptr;
}

// The framework file browser inside a dialog.
juce::FileBrowserComponent& fileBrowserIn(const juce::Component& dialog);

// Runs the messages already posted (a button's triggerClick, for one).
void dispatchPendingMessages();

// True when the component is shown and holds the modal state.
bool isUpAndModal(const juce::Component& component);

// Writes a snapshot of the component as a PNG into the test build folder and returns the file.
juce::File writeSnapshot(juce::Component& component, const juce::String& fileName);
