#pragma once

#include "VelmorAlertComponent.h"

#include <memory>

class StompixZR7714AudioProcessor;
class VelmorPresetMenu;

// The question before a preset file is written over: a message box whose OK writes the current
// settings to targetFile through the preset menu and records it in the current program slot.
class VelmorOverwriteComponent : public VelmorAlertComponent
{
public:
    VelmorOverwriteComponent(const juce::String& name, StompixZR7714AudioProcessor* processor,
                             VelmorPresetMenu* presetMenu);
    ~VelmorOverwriteComponent() override;

    // The question belongs to the program and channel current when it comes up.
    void show(int numberOfButtons, int iconKind) override;
    void okButtonClicked() override;
    void cancelButtonClicked() override;

    // Withdraws the question, as cancel answers it, once it no longer belongs to the program and
    // channel in use, so that OK is not pressed on a question about another program.
    void withdrawIfNoLongerAsked();

    // The preset file to be written; the owner sets it before each question.
    juce::File targetFile;

protected:
    // False once a host has changed the program (or a state restore the channel) since the
    // question came up: OK then writes nothing and answers as cancel does, so that no other
    // program's settings go into the file asked about, even when the change came too late for
    // withdrawIfNoLongerAsked.
    bool isStillAsked() const;

    // Writes over targetFile; false when the write failed, in which case the user has been told
    // why and the question stays up.
    bool overwriteTarget();

private:
    StompixZR7714AudioProcessor* processor;
    VelmorPresetMenu* presetMenu;
    int askedProgram = -1;
    int askedChannel = -1;
    std::unique_ptr<VelmorAlertComponent> failureBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorOverwriteComponent)
};
