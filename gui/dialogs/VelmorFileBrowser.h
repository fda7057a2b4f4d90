#pragma once

#include "VelmorDialogSupport.h"
#include "VelmorPathBoxLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class Velmor2StateKickButton;
class VelmorNewFolderComponent;

// A modal, editor-sized dialog around the framework's file browser: the dialog background and a
// title image behind it, image buttons OK and CANCEL below it and, in save mode, a New Folder
// button that opens the new-folder prompt. The mode picks the framework browser's behaviour:
// 1 open a file, 2 open files, 3 open files or folders, 4 open a folder, 5 save a file.
class VelmorFileBrowser : public juce::Component,
                          public juce::Button::Listener,
                          public juce::TextEditor::Listener,
                          public juce::Timer,
                          private juce::FileBrowserListener,
                          private juce::ComponentListener
{
public:
    VelmorFileBrowser(const juce::String& name, const juce::String& title,
                      const juce::File& rootFolder, const juce::String& pattern, int mode,
                      int titleImageType, int okImageType, int cancelImageType,
                      int newFolderImageType);
    ~VelmorFileBrowser() override;

    void paint(juce::Graphics&) override;
    // Keys that reach the dialog while nothing in it has the focus go to the name field.
    bool keyPressed(const juce::KeyPress& key) override;
    // Every 200 ms while shown: OK is usable only for a selection the mode can act on.
    void timerCallback() override;
    void buttonClicked(juce::Button*) override;

    virtual void show();
    virtual void hide();
    virtual void createBrowser(int browserFlags, const juce::String& title);
    virtual void okButtonClicked();
    virtual void cancelButtonClicked();
    virtual void createNewFolder();
    virtual void needChangeParentModal(bool shouldChangeParentModal);

    // The framework browser's flag word for a mode, 0 for a mode outside 1 to 5.
    static int flagsForMode(int mode) noexcept;

protected:
    juce::FileBrowserComponent* getBrowser() const noexcept { return browser.get(); }
    // The browser's selection: with a name field, the file it names from the shown folder, its
    // names taken literally (the framework's own answer reads a leading "~" as a home folder) and
    // spaces at its ends dropped (a name of nothing but spaces names the shown folder).
    juce::File getSelectedFile() const;
    // The framework's rule for a usable selection, applied to getSelectedFile.
    bool selectedFileIsValid() const;
    juce::Button* getOkButton() const noexcept;
    juce::Button* getNewFolderButton() const noexcept;
    int getMode() const noexcept { return mode; }
    const juce::File& getRootFolder() const noexcept { return rootFolder; }
    // A message, question or prompt over the browser, which takes its modal state while up: when
    // it closes, the browser hands the focus back to its name field with the name selected, so
    // that the next key replaces it.
    void watchDialogOver(juce::Component& dialog);

private:
    void selectionChanged() override;
    void fileClicked(const juce::File&, const juce::MouseEvent&) override;
    void fileDoubleClicked(const juce::File&) override;
    void browserRootChanged(const juce::File&) override;
    void componentVisibilityChanged(juce::Component& dialog) override;

    std::unique_ptr<Velmor2StateKickButton> makeButton(const juce::String& name, int imageType,
                                                       juce::Rectangle<int> bounds);
    // The framework browser's name field, when it has one that takes typing.
    juce::TextEditor* findNameField() const;

    juce::String pattern;
    juce::File rootFolder;
    int mode;
    int titleImageType;
    int okImageType;
    int cancelImageType;
    int newFolderImageType;
    bool changeParentModal = false;
    velmor::DialogModalState modalState;
    juce::Image backgroundImage;
    juce::Image titleImage;
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<Velmor2StateKickButton> okButton;
    std::unique_ptr<Velmor2StateKickButton> cancelButton;
    std::unique_ptr<Velmor2StateKickButton> newFolderButton;
    // The browser refers to the look and the filter, and the prompt to the browser: each goes
    // first.
    VelmorPathBoxLook pathBoxLook;
    std::unique_ptr<juce::WildcardFileFilter> fileFilter;
    std::unique_ptr<juce::FileBrowserComponent> browser;
    std::unique_ptr<VelmorNewFolderComponent> newFolderPrompt;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorFileBrowser)
};
