#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// The host's window around the editor, at the top left of the screen.
class EditorWindow final : public juce::Component
{
public:
    explicit EditorWindow(juce::AudioProcessorEditor& editorToShow) : editor(editorToShow)
    {
        setOpaque(true);
        addAndMakeVisible(editor);
        setBounds(0, 0, editor.getWidth(), editor.getHeight());
        addToDesktop(juce::ComponentPeer::windowAppearsOnTaskbar);
        setVisible(true);
    }

    ~EditorWindow() override
    {
        removeChildComponent(&editor);
        removeFromDesktop();
    }

    void paint(juce::Graphics& g) override { g.fillAll(juce::Colours::black); }

    void childBoundsChanged(juce::Component* child) override
    {
        setSize(child->getWidth(), child->getHeight());
    }

private:
    juce::AudioProcessorEditor& editor;
};
