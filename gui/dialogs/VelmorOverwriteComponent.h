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

    // The question belongs to the settings in use when it comes up: the program and channel
    // current then, as the last program change or restore left them.
    void show(int numberOfButtons, int iconKind) override;
    void okButtonClicked() override;
    void cancelButtonClicked() override;

    // Withdraws the question, as cancel answers it, once it no longer belongs to the settings in
    // use, so that OK is not pressed on a question about another program or a restored state.
    void withdrawIfNoLongerAsked();

    // The preset file to be written; the owner sets it before each question.
    juce::File targetFile;

protected:
    // False once a host has changed the program, restored a state or a program chunk (even one
    // of the same program and channel, with settings the user never saw), or switched the
    // channel since the question came up: OK then writes nothing and answers as cancel does, so
    // that no other settings go into the file asked about, even when the change came too late for
    // withdrawIfNoLongerAsked. A host's automation of single parameters changes nothing here:
    // a save writes the values current when OK is pressed.
    bool isStillAsked() const;

    // Writes over targetFile; false when the write failed, in which case the user has been told
    // why and the question stays up.
    bool overwriteTarget();

private:
    StompixZR7714AudioProcessor* processor;
    VelmorPresetMenu* presetMenu;
    int askedProgram = -1;
    int askedChannel = -1;
    juce::uint32 askedAfterLoad = 0;
    std::unique_ptr<VelmorAlertComponent> failureBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorOverwriteComponent)
};
