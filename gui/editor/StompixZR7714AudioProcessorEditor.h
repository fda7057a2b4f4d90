#pragma once

#include "ClickFocusKeeper.h"
#include "MenuAnswerKeyHold.h"
#include "XEventQueueWake.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

class StompixZR7714AudioProcessor;
class Velmor2StateButton;
class Velmor2StateKickButton;
class Velmor4StateButton3PDT;
class VelmorAlertComponent;
class VelmorKnob;
class VelmorModDelayFreq20HzMaxLog10Knob;
class VelmorModDelaySyncKnob;
class VelmorOverwriteComponent;
class VelmorPresetBrowser;
class VelmorPresetMenu;
class VelmorSplashScreen;
class VelmorVerticalSwitch2;

// The plug-in's window: a fixed panel drawn from one background picture with the image-strip
// controls, the preset menu and the file button on it, and the dialogs and the about panel as
// hidden children above them. It writes the user's gestures to the processor and, every 50 ms,
// shows what the processor's flags announce (host automation, program changes, state loads).
//
// It makes no assumption about the window it lives in: a host may put it into a window of its
// own or embed it into a native window of the host.
class StompixZR7714AudioProcessorEditor final : public juce::AudioProcessorEditor,
                                                public juce::Timer,
                                                public juce::Button::Listener,
                                                public juce::Slider::Listener,
                                                public juce::Label::Listener
{
public:
    static constexpr int timerIntervalMs = 50;

    explicit StompixZR7714AudioProcessorEditor(StompixZR7714AudioProcessor* processor);
    ~StompixZR7714AudioProcessorEditor() override;

    void paint(juce::Graphics& g) override;
    void timerCallback() override;
    void buttonClicked(juce::Button* button) override;
    void sliderValueChanged(juce::Slider* slider) override;
    void labelTextChanged(juce::Label* label) override;
    void focusOfChildComponentChanged(FocusChangeType cause) override;

    // 1 Save Preset, 2 Save Preset As..., 3 User Manual, 4 the web site; anything else (0: the
    // menu was dismissed) does nothing.
    void fileMenuResult(int result);

    // Creates the preset folder when it is not there; a failure is left to the save-as browser,
    // which then shows an empty folder.
    void createPresetFolder();

    // The file menu as the file button shows it.
    static juce::PopupMenu createFileMenu();

    // Where the user manual is looked for: Music/Audio Music Apps/Velmor/User Manuals.
    static juce::File getManualFile();

private:
    void showFileMenu();
    void loadSelectedPreset();
    void switchChannel();
    void copyChannel();
    void showAbout();
    void savePreset();
    void openManual();
    void showMessage(const juce::String& text, int iconKind);

    void refreshControls();
    void showActiveChannel();
    void showRateKnobForSync();
    juce::String& channelPresetPath();
    void notifyHost(int index, float value);

    StompixZR7714AudioProcessor& stompixProcessor;

    // Declared before the children and destroyed after them: they all draw with it.
    juce::LookAndFeel_V3 lookAndFeel;
    juce::Image backgroundImage;
    bool presetResyncPending = false;
    int presetResyncCount = 0;
    bool fileMenuOpen = false;

    std::unique_ptr<Velmor2StateKickButton> fileButton_;
    std::unique_ptr<Velmor2StateKickButton> presetDecButton_;
    std::unique_ptr<Velmor2StateKickButton> presetIncButton_;
    std::unique_ptr<VelmorPresetMenu> presetMenu_;
    std::unique_ptr<Velmor2StateButton> abButton_;
    std::unique_ptr<Velmor2StateKickButton> abCopyButton_;
    std::unique_ptr<Velmor4StateButton3PDT> bypassButton_;
    std::unique_ptr<VelmorVerticalSwitch2> typeKnob_;
    std::unique_ptr<VelmorModDelayFreq20HzMaxLog10Knob> rateKnob_;
    std::unique_ptr<VelmorModDelaySyncKnob> rateSyncKnob_;
    std::unique_ptr<VelmorKnob> depthKnob_;
    std::unique_ptr<VelmorKnob> feedbackKnob_;
    std::unique_ptr<VelmorKnob> mixKnob_;
    std::unique_ptr<VelmorKnob> levelKnob_;
    std::unique_ptr<Velmor2StateButton> stereoSpreadButton_;
    std::unique_ptr<Velmor2StateButton> syncButton_;
    std::unique_ptr<Velmor2StateKickButton> type1ShortcutButton_;
    std::unique_ptr<Velmor2StateKickButton> type2ShortcutButton_;
    std::unique_ptr<Velmor2StateKickButton> type3ShortcutButton_;
    std::unique_ptr<VelmorPresetBrowser> savePresetBrowser_;
    std::unique_ptr<VelmorOverwriteComponent> overwritePresetComponent_;
    std::unique_ptr<VelmorAlertComponent> alert_;
    std::unique_ptr<Velmor2StateKickButton> aboutShowButton_;
    std::unique_ptr<VelmorSplashScreen> aboutContainer_;
    MenuAnswerKeyHold fileMenuKeyHold;

    juce::TooltipWindow tooltipWindow{nullptr, 700};
    const XEventQueueWake xEventQueueWake{*this};
    ClickFocusKeeper clickFocusKeeper{*this};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(StompixZR7714AudioProcessorEditor)
};
