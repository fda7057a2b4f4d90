#include "StompixZR7714AudioProcessorEditor.h"

#include "DefaultApplication.h"
#include "EmbeddedImage.h"
#include "PlayedSteps.h"
#include "PluginIdentity.h"
#include "StompixZR7714AudioProcessor.h"
#include "Velmor2StateButton.h"
#include "Velmor2StateKickButton.h"
#include "Velmor4StateButton3PDT.h"
#include "VelmorAlertComponent.h"
#include "VelmorFolderPaths.h"
#include "VelmorModDelayFreq20HzMaxLog10Knob.h"
#include "VelmorModDelaySyncKnob.h"
#include "VelmorOverwriteComponent.h"
#include "VelmorPresetBrowser.h"
#include "VelmorPresetMenu.h"
#include "VelmorPresetSaving.h"
#include "VelmorSplashScreen.h"
#include "VelmorVerticalSwitch2.h"
#include "VelmorWebPages.h"

#include <StompixModulationUpperPanelBinImg.h>
#include <StompixZR7714BinImg.h>

namespace
{
namespace panel = StompixZR7714BinImg;
namespace upper = StompixModulationUpperPanelBinImg;

constexpr int editorWidth = 325;
constexpr int editorHeight = 454;
constexpr int knobFrames = 101;
constexpr int tempoKnobFrames = 19;
constexpr int typeSwitchFrames = 3;
constexpr int typeSwitchControllableHeight = 45;
const juce::Rectangle<int> dialogBounds{0, 0, editorWidth, editorHeight};

enum FileMenuItem
{
    savePresetItem = 1,
    savePresetAsItem,
    userManualItem,
    websiteItem
};

juce::Image copyButtonImage(bool channelBIsActive)
{
    return channelBIsActive ? decodeEmbeddedImage(upper::btoa_png, upper::btoa_pngSize)
                            : decodeEmbeddedImage(upper::atob_png, upper::atob_pngSize);
}

juce::String newerVersionMessage(const juce::String& presetPath)
{
    return "\"" + presetPath + "\"\nwas made using a newer version of " +
           PluginIdentity::productName +
           ".\nTo use this preset correctly, please install the newest version from: " +
           VelmorWebPages::downloadPage;
}

juce::String missingManualMessage(const juce::File& manual)
{
    return "User manual on: \"" + manual.getFullPathName() + "\" is not available.";
}
} // namespace

StompixZR7714AudioProcessorEditor::StompixZR7714AudioProcessorEditor(
    StompixZR7714AudioProcessor* processorToEdit)
    : juce::AudioProcessorEditor(processorToEdit), stompixProcessor(*processorToEdit)
{
    setLookAndFeel(&lookAndFeel);

    backgroundImage = decodeEmbeddedImage(panel::bg_phaser_png, panel::bg_phaser_pngSize);
    setResizable(false, false);
    setSize(backgroundImage.isValid() ? backgroundImage.getWidth() : editorWidth,
            backgroundImage.isValid() ? backgroundImage.getHeight() : editorHeight);

    // Each child lies above the ones before it: the dialogs and the about panel come last, so
    // that they cover the controls when shown.
    const auto addButton = [this](juce::Button& button, juce::Rectangle<int> bounds)
    {
        button.setBounds(bounds);
        addAndMakeVisible(button);
        button.addListener(this);
    };
    const auto addSlider = [this](juce::Slider& slider, juce::Rectangle<int> bounds, bool visible)
    {
        slider.setBounds(bounds);
        if (visible)
            addAndMakeVisible(slider);
        else
            addChildComponent(slider);
        slider.addListener(this);
    };
    const auto addDialog = [this](juce::Component& dialog, juce::Rectangle<int> bounds)
    {
        addChildComponent(dialog);
        dialog.setBounds(bounds);
    };

    fileButton_ = std::make_unique<Velmor2StateKickButton>("fileButton_");
    fileButton_->setImage(decodeEmbeddedImage(upper::file_png, upper::file_pngSize));
    addButton(*fileButton_, {6, 3, 58, 26});

    presetDecButton_ = std::make_unique<Velmor2StateKickButton>("presetDecButton_");
    presetDecButton_->setImage(decodeEmbeddedImage(upper::left_png, upper::left_pngSize));
    addButton(*presetDecButton_, {263, 3, 29, 26});

    presetIncButton_ = std::make_unique<Velmor2StateKickButton>("presetIncButton_");
    presetIncButton_->setImage(decodeEmbeddedImage(upper::right_png, upper::right_pngSize));
    addButton(*presetIncButton_, {292, 3, 29, 26});

    presetMenu_ = std::make_unique<VelmorPresetMenu>("presetMenu_");
    presetMenu_->setBounds(67, 3, 192, 26);
    addAndMakeVisible(*presetMenu_);
    presetMenu_->setDirectoryPath(StompixZR7714AudioProcessor::getPresetFolder().getFullPathName());
    presetMenu_->setFileExtension("*.vzrp");
    presetMenu_->setSelectedFilePath(channelPresetPath());
    presetMenu_->setColour(juce::Label::textColourId, juce::Colours::black);
    presetMenu_->addListener(this);

    abButton_ = std::make_unique<Velmor2StateButton>("abButton_");
    abButton_->setImage(decodeEmbeddedImage(upper::ab_png, upper::ab_pngSize));
    addButton(*abButton_, {92, 35, 62, 23});

    abCopyButton_ = std::make_unique<Velmor2StateKickButton>("abCopyButton_");
    abCopyButton_->setImage(copyButtonImage(false));
    addButton(*abCopyButton_, {163, 30, 75, 25});

    bypassButton_ = std::make_unique<Velmor4StateButton3PDT>("bypassButton_");
    bypassButton_->setImage(decodeEmbeddedImage(panel::bypass_png, panel::bypass_pngSize));
    addButton(*bypassButton_, {222, 354, 90, 99});

    stereoSpreadButton_ = std::make_unique<Velmor2StateButton>("stereoSpreadButton_");
    stereoSpreadButton_->setImage(decodeEmbeddedImage(upper::stereo_png, upper::stereo_pngSize));
    addButton(*stereoSpreadButton_, {263, 62, 54, 22});

    syncButton_ = std::make_unique<Velmor2StateButton>("syncButton_");
    syncButton_->setImage(decodeEmbeddedImage(upper::sync_png, upper::sync_pngSize));
    addButton(*syncButton_, {7, 62, 54, 22});

    typeKnob_ = std::make_unique<VelmorVerticalSwitch2>("typeKnob_");
    typeKnob_->setImage(decodeEmbeddedImage(panel::type_png, panel::type_pngSize),
                        typeSwitchFrames);
    typeKnob_->setRange(0.0, 1.0, 0.5);
    typeKnob_->setTextBoxStyle(juce::Slider::NoTextBox, false, 0, 0);
    typeKnob_->setControllableImageHeight(typeSwitchControllableHeight);
    addSlider(*typeKnob_, {106, 137, 48, 80}, true);

    // Invisible hot spots over the model names printed beside the switch.
    type1ShortcutButton_ = std::make_unique<Velmor2StateKickButton>("type1ShortcutButton_");
    addButton(*type1ShortcutButton_, {160, 135, 65, 10});
    type2ShortcutButton_ = std::make_unique<Velmor2StateKickButton>("type2ShortcutButton_");
    addButton(*type2ShortcutButton_, {160, 153, 71, 10});
    type3ShortcutButton_ = std::make_unique<Velmor2StateKickButton>("type3ShortcutButton_");
    addButton(*type3ShortcutButton_, {160, 172, 73, 10});

    // The free-rate and the tempo-division knob share one place; sync shows one of them.
    rateKnob_ = std::make_unique<VelmorModDelayFreq20HzMaxLog10Knob>("rateKnob_");
    rateKnob_->setImage(decodeEmbeddedImage(panel::rate_png, panel::rate_pngSize), knobFrames);
    rateKnob_->setPopupDisplayEnabled(true, false, this);
    rateKnob_->setDoubleClickReturnValue(true, 0.5);
    addSlider(*rateKnob_, {14, 126, 73, 72}, false);

    rateSyncKnob_ = std::make_unique<VelmorModDelaySyncKnob>("rateSyncKnob_");
    rateSyncKnob_->setImage(decodeEmbeddedImage(panel::rate_sync_png, panel::rate_sync_pngSize),
                            tempoKnobFrames);
    rateSyncKnob_->setPopupDisplayEnabled(true, false, this);
    rateSyncKnob_->setDoubleClickReturnValue(true, 0.0);
    addSlider(*rateSyncKnob_, {14, 126, 73, 72}, false);

    const auto makeKnob =
        [&](const char* name, const char* data, int size, juce::Rectangle<int> bounds)
    {
        auto knob = std::make_unique<VelmorKnob>(name);
        knob->setImage(decodeEmbeddedImage(data, size), knobFrames);
        knob->setDoubleClickReturnValue(true, 0.5);
        addSlider(*knob, bounds, true);
        return knob;
    };
    depthKnob_ = makeKnob("depthKnob_", panel::depth_png, panel::depth_pngSize, {33, 228, 73, 72});
    feedbackKnob_ =
        makeKnob("feedbackKnob_", panel::feedback_png, panel::feedback_pngSize, {134, 207, 56, 54});
    mixKnob_ = makeKnob("mixKnob_", panel::mix_png, panel::mix_pngSize, {219, 228, 73, 72});
    levelKnob_ = makeKnob("levelKnob_", panel::level_png, panel::level_pngSize, {237, 126, 73, 72});

    // An invisible hot spot over the product logo.
    aboutShowButton_ = std::make_unique<Velmor2StateKickButton>("aboutShowButton_");
    addButton(*aboutShowButton_, {15, 383, 109, 58});

    aboutContainer_ = std::make_unique<VelmorSplashScreen>("aboutContainer_");
    addDialog(*aboutContainer_, {0, 0, aboutContainer_->getWidth(), aboutContainer_->getHeight()});

    savePresetBrowser_ = std::make_unique<VelmorPresetBrowser>(
        "savePresetBrowser_", "Save", StompixZR7714AudioProcessor::getPresetFolder(), "*.vzrp", 5,
        1, 5, 3, 8, &stompixProcessor, presetMenu_.get());
    addDialog(*savePresetBrowser_, dialogBounds);
    savePresetBrowser_->needChangeParentModal(false);

    overwritePresetComponent_ = std::make_unique<VelmorOverwriteComponent>(
        "overwritePresetComponent_", &stompixProcessor, presetMenu_.get());
    addDialog(*overwritePresetComponent_, dialogBounds);
    overwritePresetComponent_->needChangeParentModal(false);

    alert_ = std::make_unique<VelmorAlertComponent>("alert_", 1, 1, 3);
    addDialog(*alert_, dialogBounds);
    addChildComponent(fileMenuKeyHold);
    alert_->needChangeParentModal(false);

    refreshControls();

    // The first tick shows the A/B channel and re-selects the preset, as after a program change.
    stompixProcessor.parametersChanged = 1;
    stompixProcessor.activeChannelChanged = 1;
    stompixProcessor.presetLoaded = 1;
    presetResyncPending = true;
    presetResyncCount = 0;
    startTimer(timerIntervalMs);
}

StompixZR7714AudioProcessorEditor::~StompixZR7714AudioProcessorEditor()
{
    stopTimer();

    // An open file menu draws with the look-and-feel that is about to go.
    if (fileMenuOpen)
        juce::PopupMenu::dismissAllActiveMenus();

    fileButton_.reset();
    presetDecButton_.reset();
    presetIncButton_.reset();
    abButton_.reset();
    abCopyButton_.reset();
    bypassButton_.reset();
    typeKnob_.reset();
    rateKnob_.reset();
    rateSyncKnob_.reset();
    depthKnob_.reset();
    feedbackKnob_.reset();
    mixKnob_.reset();
    levelKnob_.reset();
    stereoSpreadButton_.reset();
    syncButton_.reset();
    type1ShortcutButton_.reset();
    type2ShortcutButton_.reset();
    type3ShortcutButton_.reset();
    aboutShowButton_.reset();
    aboutContainer_.reset();
    savePresetBrowser_.reset();
    overwritePresetComponent_.reset();
    alert_.reset();
    // The dialogs above hold pointers to the menu.
    presetMenu_.reset();

    setLookAndFeel(nullptr);
}

void StompixZR7714AudioProcessorEditor::focusOfChildComponentChanged(FocusChangeType cause)
{
    clickFocusKeeper.editorFocusChanged(cause);
}

void StompixZR7714AudioProcessorEditor::paint(juce::Graphics& g)
{
    g.drawImageAt(backgroundImage, 0, 0, false);
}

juce::PopupMenu StompixZR7714AudioProcessorEditor::createFileMenu()
{
    juce::PopupMenu menu;
    menu.addItem(savePresetItem, "Save Preset");
    menu.addItem(savePresetAsItem, "Save Preset As...");
    menu.addSeparator();
    menu.addItem(userManualItem, "User Manual");
    menu.addSeparator();
    menu.addItem(websiteItem, "Velmor Website");
    return menu;
}

juce::File StompixZR7714AudioProcessorEditor::getManualFile()
{
    return juce::File::getSpecialLocation(juce::File::userMusicDirectory)
        .getChildFile("Audio Music Apps")
        .getChildFile("Velmor/User Manuals")
        .getChildFile("StompixZR7714 Manual.pdf");
}

//==============================================================================
void StompixZR7714AudioProcessorEditor::timerCallback()
{
    auto& owner = stompixProcessor;

    // Lowered before the controls read the values: a write that lands during the refresh
    // raises it again and is shown on the next tick.
    if (owner.parametersChanged.exchange(0) != 0)
    {
        refreshControls();

        if (owner.activeChannelChanged.exchange(0) != 0)
            showActiveChannel();

        if (owner.presetLoaded.exchange(0) != 0)
        {
            // A host's program change or a restore: an overwrite question asked before it goes
            // before OK can answer it.
            overwritePresetComponent_->withdrawIfNoLongerAsked();
            savePresetBrowser_->withdrawQuestionIfNoLongerAsked();
            presetResyncPending = true;
            presetResyncCount = 0;
        }
        else
        {
            presetMenu_->setPresetHasChanged();
        }
    }

    // After a load the menu is re-selected and compared on this tick and the next two.
    if (!presetResyncPending || presetResyncCount > 2)
        return;

    presetMenu_->setSelectedFilePath(channelPresetPath());
    presetMenu_->compareAndMarkPreset(&owner);
    ++presetResyncCount;
}

void StompixZR7714AudioProcessorEditor::refreshControls()
{
    const auto value = [this](int index) { return stompixProcessor.getParameter(index); };
    const auto show = [](juce::Slider& slider, double shown)
    { slider.setValue(shown, juce::dontSendNotification); };
    const auto showOn = [](juce::Button& button, float parameter)
    { button.setToggleState(parameter > 0.0f, juce::dontSendNotification); };

    showOn(*bypassButton_, value(kOnBypass));
    show(*typeKnob_, PlayedSteps::typeSwitchValue(value(kPhaserType)));
    show(*rateKnob_, PlayedSteps::knobValue(value(kRate)));
    show(*rateSyncKnob_, PlayedSteps::tempoKnobValue(value(kRateSync)));
    showRateKnobForSync();
    show(*depthKnob_, PlayedSteps::knobValue(value(kDepth)));
    show(*feedbackKnob_, PlayedSteps::knobValue(value(kFeedback)));
    show(*mixKnob_, PlayedSteps::knobValue(value(kMix)));
    show(*levelKnob_, PlayedSteps::knobValue(value(kLevel)));
    showOn(*stereoSpreadButton_, value(kStereo));
    showOn(*syncButton_, value(kSync));
}

void StompixZR7714AudioProcessorEditor::showRateKnobForSync()
{
    const bool tempo = PlayedSteps::showsTempoKnob(stompixProcessor.getParameter(kSync));
    rateKnob_->setVisible(!tempo);
    rateSyncKnob_->setVisible(tempo);
}

void StompixZR7714AudioProcessorEditor::showActiveChannel()
{
    const bool channelB = stompixProcessor.getCurrentProgramSlot().activeChannelIndex() == 1;
    abButton_->setToggleState(channelB, juce::dontSendNotification);
    abCopyButton_->setImage(copyButtonImage(channelB));
}

juce::String& StompixZR7714AudioProcessorEditor::channelPresetPath()
{
    auto& slot = stompixProcessor.getCurrentProgramSlot();
    return slot.presetPath[(size_t)slot.activeChannelIndex()];
}

void StompixZR7714AudioProcessorEditor::notifyHost(int index, float value)
{
    // The index-based parameter interface is the one hosts address this plug-in by.
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
    stompixProcessor.setParameterNotifyingHost(index, value);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
}

//==============================================================================
void StompixZR7714AudioProcessorEditor::sliderValueChanged(juce::Slider* slider)
{
    const std::pair<juce::Slider*, int> parameters[] = {
        {typeKnob_.get(), kPhaserType},   {rateKnob_.get(), kRate},
        {rateSyncKnob_.get(), kRateSync}, {depthKnob_.get(), kDepth},
        {feedbackKnob_.get(), kFeedback}, {mixKnob_.get(), kMix},
        {levelKnob_.get(), kLevel}};

    for (const auto& [control, index] : parameters)
        if (control == slider)
            notifyHost(index, (float)slider->getValue());
}

void StompixZR7714AudioProcessorEditor::buttonClicked(juce::Button* button)
{
    const auto onOff = [button] { return button->getToggleState() ? 1.0f : 0.0f; };

    if (button == fileButton_.get())
        showFileMenu();
    else if (button == presetDecButton_.get() || button == presetIncButton_.get())
    {
        if (button == presetDecButton_.get())
            presetMenu_->previousResult();
        else
            presetMenu_->nextResult();
        loadSelectedPreset();
    }
    else if (button == abButton_.get())
        switchChannel();
    else if (button == abCopyButton_.get())
        copyChannel();
    else if (button == bypassButton_.get())
        notifyHost(kOnBypass, onOff());
    else if (button == stereoSpreadButton_.get())
        notifyHost(kStereo, onOff());
    else if (button == syncButton_.get())
    {
        notifyHost(kSync, onOff());
        showRateKnobForSync();
    }
    else if (button == type1ShortcutButton_.get())
        notifyHost(kPhaserType, 0.0f);
    else if (button == type2ShortcutButton_.get())
        notifyHost(kPhaserType, 0.5f);
    else if (button == type3ShortcutButton_.get())
        notifyHost(kPhaserType, 1.0f);
    else if (button == aboutShowButton_.get())
        showAbout();
}

void StompixZR7714AudioProcessorEditor::labelTextChanged(juce::Label* label)
{
    if (label == presetMenu_.get())
        loadSelectedPreset();
}

void StompixZR7714AudioProcessorEditor::loadSelectedPreset()
{
    const auto path = presetMenu_->getSelectedFilePath();
    channelPresetPath() = path;

    if (presetMenu_->readPreset(&stompixProcessor, path) == 4)
        showMessage(newerVersionMessage(path), 1);

    stompixProcessor.presetLoaded = 1;
    stompixProcessor.parametersChanged = 1;
    stompixProcessor.updateHostDisplay();
}

void StompixZR7714AudioProcessorEditor::switchChannel()
{
    const int channel = abButton_->getToggleState() ? 1 : 0;
    auto image = copyButtonImage(channel == 1);

    auto& slot = stompixProcessor.getCurrentProgramSlot();
    slot.activeChannel = channel;
    presetMenu_->setSelectedFilePath(slot.presetPath[(size_t)channel]);
    abCopyButton_->setImage(std::move(image));

    // The live values, the audio path and the host follow the new channel.
    for (int index = 0; index < kNumParameters; ++index)
        notifyHost(index, stompixProcessor.getParameter(index));

    stompixProcessor.presetLoaded = 1;
    stompixProcessor.parametersChanged = 1;
    stompixProcessor.updateHostDisplay();
}

void StompixZR7714AudioProcessorEditor::copyChannel()
{
    // Always onto the channel not in use, so the live values stay those of the active channel:
    // the slot's channel decides, not the switch, which shows a host's program change only on
    // the next tick.
    auto& slot = stompixProcessor.getCurrentProgramSlot();
    const auto active = (size_t)slot.activeChannelIndex();
    slot.values[1 - active] = slot.values[active];
}

void StompixZR7714AudioProcessorEditor::showAbout()
{
    aboutContainer_->setVersion(juce::String(PluginIdentity::versionString) + " (64bit)");
    aboutContainer_->show();
}

//==============================================================================
void StompixZR7714AudioProcessorEditor::showFileMenu()
{
    auto menu = createFileMenu();
    menu.setLookAndFeel(&lookAndFeel);
    fileMenuOpen = true;
    fileMenuKeyHold.hold();

    // The host may close the editor while the menu is up: the answer then goes nowhere. Keys
    // typed once an item is chosen go on to the dialog it brings up.
    menu.showMenuAsync(
        juce::PopupMenu::Options().withTargetComponent(fileButton_.get()),
        [editor = juce::Component::SafePointer<StompixZR7714AudioProcessorEditor>(this)](int result)
        {
            if (editor == nullptr)
                return;
            editor->fileMenuOpen = false;
            editor->fileMenuResult(result);
            if (editor != nullptr)
                editor->fileMenuKeyHold.release();
        });
}

void StompixZR7714AudioProcessorEditor::fileMenuResult(int result)
{
    switch (result)
    {
    case savePresetItem:
        savePreset();
        break;
    case savePresetAsItem:
        createPresetFolder();
        savePresetBrowser_->show();
        break;
    case userManualItem:
        openManual();
        break;
    case websiteItem:
        openWithDefaultApplication(VelmorWebPages::website);
        break;
    default:
        break;
    }
}

void StompixZR7714AudioProcessorEditor::savePreset()
{
    // The path may come from a host's state: only a preset inside the folder is written over.
    const auto folder = StompixZR7714AudioProcessor::getPresetFolder();
    const auto file = velmor::resolveInsideFolder(folder, channelPresetPath());

    if (file != juce::File() && file.existsAsFile())
    {
        overwritePresetComponent_->targetFile = file;
        overwritePresetComponent_->setTitle(velmor::overwriteQuestion(file, folder));
        overwritePresetComponent_->show(2, 1);
        return;
    }

    createPresetFolder();
    savePresetBrowser_->show();
}

void StompixZR7714AudioProcessorEditor::createPresetFolder()
{
    const auto folder = StompixZR7714AudioProcessor::getPresetFolder();
    if (!folder.isDirectory())
        folder.createDirectory();
}

void StompixZR7714AudioProcessorEditor::openManual()
{
    const auto manual = getManualFile();
    if (manual.existsAsFile())
        openWithDefaultApplication(manual.getFullPathName());
    else
        showMessage(missingManualMessage(manual), 4);
}

void StompixZR7714AudioProcessorEditor::showMessage(const juce::String& text, int iconKind)
{
    alert_->setTitle(text);
    alert_->show(1, iconKind);
}
