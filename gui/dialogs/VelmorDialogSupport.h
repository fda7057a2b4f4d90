#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class VelmorAlertComponent;

// What the image-backed dialogs share: how they take and give back the modal state, how they
// dim their buttons, and the message box they raise over themselves.
namespace velmor
{

// Makes the component visible and modal, once (the framework asserts on a second entry), and
// gives it the keyboard focus when it is on screen. The editor need not be when a dialog comes
// up: a host builds it before opening it into a window, an AAX host may close the view and keep
// the editor, and a menu's answer or a posted change may arrive in between.
void enterModalState(juce::Component& component);

// The modal state of one dialog. With takeFromParent, enter first takes the modal state from a
// modal parent dialog, and leave gives back only a state it took, only to a parent still on
// show. Entering twice keeps one modal state; leaving a dialog that is not up does nothing.
class DialogModalState final
{
public:
    void enter(juce::Component& dialog, bool takeFromParent);
    void leave(juce::Component& dialog);

private:
    bool holdsParentModalState = false;
};

// For a dialog's keyPressed: a key that reaches the dialog itself, while nothing inside it has
// the keyboard focus, goes to its name field, which takes the focus where it can. Keys come to
// a modal dialog that way while its window has the X focus but the framework has not noted it
// yet (a dialog brought up from a menu, whose window held the focus), and while the framework
// hands the focus back to a component behind the dialog. True when the field used the key.
bool passKeyToField(juce::Component& dialog, juce::TextEditor* field, const juce::KeyPress& key);

// Full opacity and enabled, or half opacity and disabled.
void setButtonActive(juce::Component& button, bool isActive);

// A hidden message box "alertComponent_" covering owner, which takes owner's modal state while it
// is up and gives it back when closed.
std::unique_ptr<VelmorAlertComponent> addMessageBox(juce::Component& owner);

// Shows text in box with one OK button and the frown icon.
void showFailure(VelmorAlertComponent& box, const juce::String& text);

} // namespace velmor
