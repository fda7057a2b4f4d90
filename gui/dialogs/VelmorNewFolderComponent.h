#pragma once

#include "VelmorDialogSupport.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class Velmor2StateKickButton;
class VelmorAlertComponent;

// Asks for the name of a new folder and creates it in the folder a file browser shows; problems
// are reported in its own message box, after which the prompt is up again with the name kept.
class VelmorNewFolderComponent final : public juce::Component,
                                       public juce::Button::Listener,
                                       public juce::TextEditor::Listener,
                                       public juce::Timer
{
public:
    VelmorNewFolderComponent(const juce::String& name, juce::FileBrowserComponent* browser,
                             const juce::String& promptText);
    ~VelmorNewFolderComponent() override;

    void paint(juce::Graphics&) override;
    // Keys that reach the prompt while nothing in it has the focus go to the name field.
    bool keyPressed(const juce::KeyPress& key) override;
    void buttonClicked(juce::Button*) override;
    // Every 200 ms while shown: OK is usable only while the name field holds more than spaces.
    void timerCallback() override;
    virtual void needChangeParentModal(bool shouldChangeParentModal);
    virtual void show();
    virtual void hide();
    void textEditorTextChanged(juce::TextEditor&) override;
    void textEditorReturnKeyPressed(juce::TextEditor&) override;
    void textEditorEscapeKeyPressed(juce::TextEditor&) override;
    void textEditorFocusLost(juce::TextEditor&) override;

private:
    void createFolder();
    void showProblem(const juce::String& text);

    juce::Image backgroundImage;
    bool changeParentModal = false;
    velmor::DialogModalState modalState;
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<juce::TextEditor> nameEditor;
    std::unique_ptr<Velmor2StateKickButton> okButton;
    std::unique_ptr<Velmor2StateKickButton> cancelButton;
    std::unique_ptr<VelmorAlertComponent> alert;
    juce::FileBrowserComponent* browser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorNewFolderComponent)
};
