#pragma once

#include "VelmorFileBrowser.h"

class StompixZR7714AudioProcessor;
class VelmorAlertComponent;
class VelmorOverwriteComponent2;
class VelmorPresetMenu;

// The save-as preset browser: a save-mode file browser over the preset folder (its root) that
// keeps the user inside that folder, adds the ".vzrp" extension, asks before writing over a
// preset, writes through the preset menu and records the new preset in the current program slot.
class VelmorPresetBrowser final : public VelmorFileBrowser
{
public:
    VelmorPresetBrowser(const juce::String& name, const juce::String& title,
                        const juce::File& rootFolder, const juce::String& pattern, int mode,
                        int titleImageType, int okImageType, int cancelImageType,
                        int newFolderImageType, StompixZR7714AudioProcessor* processor,
                        VelmorPresetMenu* presetMenu);
    ~VelmorPresetBrowser() override;

    void timerCallback() override;
    void okButtonClicked() override;
    void cancelButtonClicked() override;

    void savePreset();

    // Withdraws the overwrite question, back to the browser as its cancel goes, once it no
    // longer belongs to the settings in use (another program or channel, a restored state).
    void withdrawQuestionIfNoLongerAsked();

private:
    StompixZR7714AudioProcessor* processor;
    VelmorPresetMenu* presetMenu;
    std::unique_ptr<VelmorOverwriteComponent2> overwriteConfirmation;
    std::unique_ptr<VelmorAlertComponent> failureBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorPresetBrowser)
};
