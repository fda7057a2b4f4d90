#pragma once

#include <juce_graphics/juce_graphics.h>

// Where the editor and its dialogs place their controls: the artwork puts every printed
// caption, display window and button face exactly under them.
namespace artwork::layout
{

constexpr int width = 325;
constexpr int height = 454;
constexpr int upperPanelHeight = 60; // file, preset and A/B controls; the pedal face below

// The editor window.
inline const juce::Rectangle<int> fileButton{6, 3, 58, 26};
inline const juce::Rectangle<int> presetMenu{67, 3, 192, 26};
inline const juce::Rectangle<int> presetDecButton{263, 3, 29, 26};
inline const juce::Rectangle<int> presetIncButton{292, 3, 29, 26};
inline const juce::Rectangle<int> abButton{92, 35, 62, 23};
inline const juce::Rectangle<int> abCopyButton{163, 30, 75, 25};
inline const juce::Rectangle<int> syncButton{7, 62, 54, 22};
inline const juce::Rectangle<int> stereoButton{263, 62, 54, 22};
inline const juce::Rectangle<int> typeSwitch{106, 137, 48, 80};
inline const juce::Rectangle<int> typeShortcuts[] = {
    {160, 135, 65, 10}, {160, 153, 71, 10}, {160, 172, 73, 10}};
inline const juce::Rectangle<int> rateKnob{14, 126, 73, 72};
inline const juce::Rectangle<int> levelKnob{237, 126, 73, 72};
inline const juce::Rectangle<int> depthKnob{33, 228, 73, 72};
inline const juce::Rectangle<int> feedbackKnob{134, 207, 56, 54};
inline const juce::Rectangle<int> mixKnob{219, 228, 73, 72};
inline const juce::Rectangle<int> bypassButton{222, 354, 90, 99};
inline const juce::Rectangle<int> aboutButton{15, 383, 109, 58}; // the product logo

// The message box, the overwrite question and the new-folder prompt.
constexpr int dialogPanelTop = 84;     // first opaque row
constexpr int dialogPanelBottom = 377; // last opaque row
constexpr int dialogIconTop = 12;      // the icon overlays are drawn this far down
inline const juce::Rectangle<int> dialogIconArea{141, 114, 44, 42}; // the symbol, in the overlay
inline const juce::Rectangle<int> dialogButtonLeft{16, 307, 132, 51};
inline const juce::Rectangle<int> dialogButtonRight{179, 307, 132, 51};

// The file browsers.
inline const juce::Rectangle<int> browserTitleArea{0, 14, 325, 30};
inline const juce::Rectangle<int> browserList{12, 59, 300, 275};
inline const juce::Rectangle<int> browserOkButton{179, 336, 132, 51};
inline const juce::Rectangle<int> browserCancelButton{179, 386, 132, 51};
inline const juce::Rectangle<int> browserNewFolderButton{16, 336, 132, 51};

// The about panel.
constexpr int aboutHeight = 455;
inline const juce::Rectangle<int> aboutVersionLabel{150, 112, 100, 16};

constexpr int dialogButtonWidth = 132;
constexpr int dialogButtonHeight = 51;

} // namespace artwork::layout
