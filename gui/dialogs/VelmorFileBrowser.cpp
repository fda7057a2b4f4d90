#include "VelmorFileBrowser.h"

#include "DialogImages.h"
#include "EmbeddedImage.h"
#include "PresetFiles.h"
#include "Velmor2StateKickButton.h"
#include "VelmorFolderPaths.h"
#include "VelmorNewFolderComponent.h"

#include <StompixDialogBoxBinImg.h>

namespace
{
namespace img = StompixDialogBoxBinImg;

juce::Image titleImageFor(int kind)
{
    switch (kind)
    {
    case 1:
        return decodeEmbeddedImage(img::browser_textonly_save_as_png,
                                   img::browser_textonly_save_as_pngSize);
    case 2:
        return decodeEmbeddedImage(img::browser_textonly_load_png,
                                   img::browser_textonly_load_pngSize);
    case 3:
        return decodeEmbeddedImage(img::browser_textonly_import_png,
                                   img::browser_textonly_import_pngSize);
    default:
        return {};
    }
}

const juce::Colour dialogTextColour{211, 211, 211};

// The pattern's files, as far as they are regular files once links are followed: a pipe or a
// device in the folder is no file to open or to write over.
class RegularFileFilter final : public juce::WildcardFileFilter
{
public:
    using juce::WildcardFileFilter::WildcardFileFilter;

    bool isFileSuitable(const juce::File& file) const override
    {
        return juce::WildcardFileFilter::isFileSuitable(file) && PresetFiles::isRegularFile(file);
    }
};
} // namespace

VelmorFileBrowser::VelmorFileBrowser(const juce::String& name, const juce::String& title,
                                     const juce::File& rootFolderToShow,
                                     const juce::String& filePattern, int browserMode,
                                     int titleKind, int okKind, int cancelKind, int newFolderKind)
    : juce::Component(name),
      pattern(filePattern.trim().isEmpty() ? juce::String("*") : filePattern),
      rootFolder(rootFolderToShow), mode(browserMode), titleImageType(titleKind),
      okImageType(okKind), cancelImageType(cancelKind), newFolderImageType(newFolderKind)
{
    needChangeParentModal(false);

    if (const int browserFlags = flagsForMode(mode); browserFlags != 0)
        createBrowser(browserFlags, title);
}

VelmorFileBrowser::~VelmorFileBrowser()
{
    stopTimer();
}

int VelmorFileBrowser::flagsForMode(int browserMode) noexcept
{
    using Flags = juce::FileBrowserComponent::FileChooserFlags;
    switch (browserMode)
    {
    case 1:
        return Flags::openMode | Flags::canSelectFiles;
    case 2:
        return Flags::openMode | Flags::canSelectFiles | Flags::canSelectMultipleItems;
    case 3:
        return Flags::openMode | Flags::canSelectFiles | Flags::canSelectDirectories |
               Flags::canSelectMultipleItems;
    case 4:
        return Flags::openMode | Flags::canSelectDirectories;
    case 5:
        return Flags::saveMode | Flags::canSelectFiles | Flags::warnAboutOverwriting;
    default:
        return 0;
    }
}

std::unique_ptr<Velmor2StateKickButton>
VelmorFileBrowser::makeButton(const juce::String& name, int imageType, juce::Rectangle<int> bounds)
{
    auto button = std::make_unique<Velmor2StateKickButton>(name);
    button->setImage(DialogImages::loadButtonImage(imageType));
    button->setBounds(bounds);
    addAndMakeVisible(button.get());
    button->addListener(this);
    return button;
}

void VelmorFileBrowser::createBrowser(int browserFlags, const juce::String& title)
{
    // The title is the title image; the framework browser has no place for the text.
    juce::ignoreUnused(title);
    using Flags = juce::FileBrowserComponent::FileChooserFlags;

    newFolderPrompt.reset();
    browser.reset();
    fileFilter = std::make_unique<RegularFileFilter>(
        (browserFlags & Flags::canSelectFiles) != 0 ? pattern : juce::String(),
        (browserFlags & Flags::canSelectDirectories) != 0 ? juce::String("*") : juce::String(),
        juce::String());

    backgroundImage =
        decodeEmbeddedImage(img::file_browser_clean_png, img::file_browser_clean_pngSize);
    setSize(325, 454);
    titleImage = titleImageFor(titleImageType);

    titleLabel = std::make_unique<juce::Label>("titleText_", juce::String());
    addAndMakeVisible(titleLabel.get());
    titleLabel->setJustificationType(juce::Justification::centred);
    titleLabel->setColour(juce::Label::textColourId, dialogTextColour);

    browser = std::make_unique<juce::FileBrowserComponent>(browserFlags, rootFolder,
                                                           fileFilter.get(), nullptr);
    addAndMakeVisible(browser.get());
    browser->setBounds(12, 59, 300, 275);
    browser->addListener(this);
    browser->setColour(juce::Label::textColourId, dialogTextColour);
    // Its caption before the name field ("file:") is a label of its own, which takes its colour
    // from the look rather than from the browser: it is given the dialog's text colour itself.
    for (auto* child : browser->getChildren())
    {
        if (auto* label = dynamic_cast<juce::Label*>(child))
            label->setColour(juce::Label::textColourId, dialogTextColour);
        // A path too long for its box shows its end: the start is the same for every folder.
        if (auto* pathBox = dynamic_cast<juce::ComboBox*>(child))
            pathBox->setLookAndFeel(&pathBoxLook);
    }
    // Typing goes to the name field whenever the dialog takes the keyboard focus: when it comes
    // up, and when a message, question or prompt over it closes (which selects the name). A
    // click into it places the caret: a window manager takes the window's focus away before each
    // click, so selecting the whole text on every focus gain made every click select everything.
    if (auto* nameField = findNameField())
    {
        nameField->setExplicitFocusOrder(1);
        nameField->setSelectAllWhenFocused(false);
    }

    okButton = makeButton("OK", okImageType, {179, 336, 132, 51});
    cancelButton = makeButton("CANCEL", cancelImageType, {179, 386, 132, 51});
    newFolderButton.reset();

    if (mode == 5)
    {
        newFolderButton = makeButton("New Folder", newFolderImageType, {16, 336, 132, 51});
        newFolderPrompt = std::make_unique<VelmorNewFolderComponent>(
            "newFolderComponent_", browser.get(), "Please enter the name of the new folder:");
        addChildComponent(newFolderPrompt.get());
        newFolderPrompt->needChangeParentModal(true);
        watchDialogOver(*newFolderPrompt);
    }
}

void VelmorFileBrowser::watchDialogOver(juce::Component& dialog)
{
    dialog.addComponentListener(this);
}

void VelmorFileBrowser::componentVisibilityChanged(juce::Component& dialog)
{
    // Closing, the dialog has given the modal state back, and the focus has come back to the
    // browser's default component.
    if (auto* nameField = findNameField();
        !dialog.isVisible() && nameField != nullptr && nameField->hasKeyboardFocus(false))
        nameField->selectAll();
}

bool VelmorFileBrowser::keyPressed(const juce::KeyPress& key)
{
    return velmor::passKeyToField(*this, findNameField(), key);
}

juce::Button* VelmorFileBrowser::getOkButton() const noexcept
{
    return okButton.get();
}

juce::Button* VelmorFileBrowser::getNewFolderButton() const noexcept
{
    return newFolderButton.get();
}

void VelmorFileBrowser::show()
{
    // A mode without a browser leaves nothing to show (and nothing to hold the modal state).
    if (browser == nullptr)
        return;

    modalState.enter(*this, changeParentModal);
    titleLabel->setBoundsRelative(0.0f, 0.01f, 1.0f, 0.1f);

    // A browser built before its root folder existed opened in the nearest parent instead (the
    // editor builds its dialogs before the preset folder is made); so does one whose shown folder
    // was removed. Open it in the root once there is one.
    if (const auto shown = browser->getRoot();
        rootFolder.isDirectory() &&
        !(shown.isDirectory() && velmor::isFolderOrInside(rootFolder, shown)))
        browser->setRoot(rootFolder);
    browser->refresh();
    // The framework's setFileName also updates the field's text value, whose listener it tells
    // later, from the message loop, and that listener sets the field to the value: keys typed
    // meanwhile (at once as the dialog comes up) would be wiped. The field is emptied without
    // that round first; the browser then has the empty name already.
    if (auto* nameField = findNameField())
        nameField->setText({}, false);
    browser->setFileName({});
    if (newFolderPrompt != nullptr)
        newFolderPrompt->setBounds(0, 0, 325, 454);
    setVisible(true);

    timerCallback();
    startTimer(200);
}

void VelmorFileBrowser::hide()
{
    modalState.leave(*this);
    stopTimer();
}

void VelmorFileBrowser::timerCallback()
{
    if (browser == nullptr || okButton == nullptr)
        return;

    if (mode == 1)
        velmor::setButtonActive(*okButton, getSelectedFile().existsAsFile());
    else if (mode == 5)
        velmor::setButtonActive(*okButton, selectedFileIsValid());
}

juce::TextEditor* VelmorFileBrowser::findNameField() const
{
    if (browser != nullptr)
        for (auto* child : browser->getChildren())
            if (auto* nameField = dynamic_cast<juce::TextEditor*>(child);
                nameField != nullptr && !nameField->isReadOnly())
                return nameField;
    return nullptr;
}

juce::File VelmorFileBrowser::getSelectedFile() const
{
    if (browser == nullptr)
        return {};

    if (const auto* nameField = findNameField())
    {
        // A name picked from the list is the entry's own, spaces at its ends included.
        const auto text = nameField->getText();
        const auto asItStands = velmor::fileNamedBy(browser->getRoot(), text);
        if (text != text.trim() && asItStands.getParentDirectory() == browser->getRoot() &&
            asItStands.exists())
            return asItStands;

        return velmor::fileNamedBy(browser->getRoot(), text.trim());
    }

    return browser->getSelectedFile(0);
}

bool VelmorFileBrowser::selectedFileIsValid() const
{
    using Flags = juce::FileBrowserComponent::FileChooserFlags;
    const int browserFlags = flagsForMode(mode);
    const auto file = getSelectedFile();

    if ((browserFlags & Flags::canSelectDirectories) == 0 && file.isDirectory())
        return false;
    return (browserFlags & Flags::saveMode) != 0 || file.exists();
}

void VelmorFileBrowser::buttonClicked(juce::Button* button)
{
    if (button == nullptr)
        return;
    if (button == okButton.get())
        okButtonClicked();
    else if (button == cancelButton.get())
        cancelButtonClicked();
    else if (button == newFolderButton.get())
        createNewFolder();
}

void VelmorFileBrowser::okButtonClicked()
{
    hide();
}

void VelmorFileBrowser::cancelButtonClicked()
{
    hide();
}

void VelmorFileBrowser::createNewFolder()
{
    if (newFolderPrompt != nullptr && browser->getRoot().isDirectory())
        newFolderPrompt->show();
}

void VelmorFileBrowser::needChangeParentModal(bool shouldChangeParentModal)
{
    changeParentModal = shouldChangeParentModal;
}

void VelmorFileBrowser::paint(juce::Graphics& g)
{
    g.drawImageAt(backgroundImage, 0, 0);
    g.drawImageAt(titleImage, 0, 0);
}

void VelmorFileBrowser::selectionChanged() {}

void VelmorFileBrowser::fileClicked(const juce::File&, const juce::MouseEvent&) {}

void VelmorFileBrowser::fileDoubleClicked(const juce::File&)
{
    // Posted: a disabled OK button ignores it. Return in the name field comes here too, often
    // within the poll's 200 ms of the last key: OK is brought up to date with the name first.
    if (okButton != nullptr)
    {
        timerCallback();
        okButton->triggerClick();
    }
}

void VelmorFileBrowser::browserRootChanged(const juce::File&) {}
