#pragma once

#include "Velmor2StateKickButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The editor's modal message box: the dialog picture, an icon, a centred text and one or two
// image buttons (OK, CANCEL) that close it. It reports nothing back; a subclass that needs an
// answer overrides okButtonClicked and cancelButtonClicked.
class VelmorAlertComponent : public juce::Component, public juce::Button::Listener
{
public:
    VelmorAlertComponent(const juce::String& componentName, int iconType, int okImageType,
                         int cancelImageType);
    ~VelmorAlertComponent() override;

    void paint(juce::Graphics& g) override;
    void buttonClicked(juce::Button* button) override;

    // The message, which may hold line breaks. This hides the framework's accessibility
    // title of the same name; call it on the box itself, never through a Component pointer.
    virtual void setTitle(const juce::String& text);

    // Brings the box up, modal, with 1 (OK) or 2 (OK and CANCEL) buttons and an icon kind;
    // any other count changes nothing. Returns at once.
    virtual void show(int numberOfButtons, int iconKind);
    virtual void hide();
    virtual void okButtonClicked();
    virtual void cancelButtonClicked();

    // When set, show takes the modal state from a modal parent and hide gives it back.
    virtual void needChangeParentModal(bool shouldChangeParentModal);

protected:
    juce::Image backgroundImage;
    juce::Image iconImage;
    bool changeParentModal = false;
    int iconType;
    int okImageType;
    int cancelImageType;
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<Velmor2StateKickButton> okButton;
    std::unique_ptr<Velmor2StateKickButton> cancelButton;

private:
    // Whether the parent's modal state is held by this box, to be given back on hide.
    bool holdsParentModalState = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorAlertComponent)
};
