#include "VelmorNewFolderComponent.h"

#include "DialogImages.h"
#include "EmbeddedImage.h"
#include "Velmor2StateKickButton.h"
#include "VelmorAlertComponent.h"
#include "VelmorFolderPaths.h"

#include <StompixDialogBoxBinImg.h>

VelmorNewFolderComponent::VelmorNewFolderComponent(const juce::String& name,
                                                   juce::FileBrowserComponent* browserToUse,
                                                   const juce::String& promptText)
    : juce::Component(name), browser(browserToUse)
{
    needChangeParentModal(false);

    backgroundImage = decodeEmbeddedImage(StompixDialogBoxBinImg::dialog_box_clean_png,
                                          StompixDialogBoxBinImg::dialog_box_clean_pngSize);
    setSize(backgroundImage.getWidth(), backgroundImage.getHeight());

    titleLabel = std::make_unique<juce::Label>("titleText_", promptText);
    addAndMakeVisible(titleLabel.get());
    titleLabel->setJustificationType(juce::Justification::centred);
    titleLabel->setColour(juce::Label::textColourId, juce::Colour(211, 211, 211));
    titleLabel->setBoundsRelative(0.0f, 0.3f, 1.0f, 0.3f);

    nameEditor = std::make_unique<juce::TextEditor>("textEditor_");
    addAndMakeVisible(nameEditor.get());
    nameEditor->setBounds(23, 229, 280, 24);
    nameEditor->addListener(this);

    okButton = std::make_unique<Velmor2StateKickButton>("OK");
    cancelButton = std::make_unique<Velmor2StateKickButton>("CANCEL");
    for (auto [button, imageType, x] :
         {std::tuple{okButton.get(), 1, 16}, std::tuple{cancelButton.get(), 3, 179}})
    {
        button->setImage(DialogImages::loadButtonImage(imageType));
        button->setBounds(x, 307, 132, 51);
        addAndMakeVisible(button);
        button->addListener(this);
    }

    alert = velmor::addMessageBox(*this);
}

VelmorNewFolderComponent::~VelmorNewFolderComponent()
{
    stopTimer();
    browser = nullptr;
}

void VelmorNewFolderComponent::paint(juce::Graphics& g)
{
    g.drawImageAt(backgroundImage, 0, 0);
}

bool VelmorNewFolderComponent::keyPressed(const juce::KeyPress& key)
{
    return velmor::passKeyToField(*this, nameEditor.get(), key);
}

void VelmorNewFolderComponent::needChangeParentModal(bool shouldChangeParentModal)
{
    changeParentModal = shouldChangeParentModal;
}

void VelmorNewFolderComponent::show()
{
    modalState.enter(*this, changeParentModal);
    nameEditor->clear();
    setVisible(true);

    timerCallback();
    startTimer(200);
}

void VelmorNewFolderComponent::hide()
{
    modalState.leave(*this);
    stopTimer();
}

void VelmorNewFolderComponent::timerCallback()
{
    velmor::setButtonActive(*okButton, nameEditor->getText().trim().isNotEmpty());
}

void VelmorNewFolderComponent::buttonClicked(juce::Button* button)
{
    if (button == okButton.get())
        createFolder();
    else if (button == cancelButton.get())
        hide();
}

void VelmorNewFolderComponent::showProblem(const juce::String& text)
{
    alert->setTitle(text);
    alert->show(1, 1);
}

void VelmorNewFolderComponent::createFolder()
{
    // Spaces at the ends of the name are dropped, also where removed characters leave them.
    const auto name = juce::File::createLegalFileName(nameEditor->getText()).trim();
    if (name.isEmpty() || browser == nullptr)
        return;

    // The folder is made directly in the folder the browser shows, whatever the name looks like
    // ("." and ".." name that folder and its parent, which exist; "~x" is a plain name).
    const auto shown = browser->getRoot();
    const auto folder = velmor::fileNamedBy(shown, name);

    if (folder.exists())
    {
        showProblem("The folder name already exist! Try different name.");
        return;
    }

    if (folder.getParentDirectory() != shown || folder.createDirectory().failed())
    {
        showProblem("Couldn't create the folder! Try different name.");
        return;
    }

    browser->refresh();
    hide();
}

void VelmorNewFolderComponent::textEditorTextChanged(juce::TextEditor&) {}

void VelmorNewFolderComponent::textEditorReturnKeyPressed(juce::TextEditor&)
{
    // Often within the poll's 200 ms of the last key: OK is brought up to date with the name
    // first, and stays ignored for an empty one.
    timerCallback();
    okButton->triggerClick();
}

void VelmorNewFolderComponent::textEditorEscapeKeyPressed(juce::TextEditor&)
{
    cancelButton->triggerClick();
}

void VelmorNewFolderComponent::textEditorFocusLost(juce::TextEditor&) {}
