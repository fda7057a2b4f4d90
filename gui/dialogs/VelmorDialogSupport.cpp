#include "VelmorDialogSupport.h"

#include "VelmorAlertComponent.h"

namespace velmor
{

void enterModalState(juce::Component& component)
{
    if (component.isCurrentlyModal(false))
        return;

    // Focus grabbed off screen goes nowhere, and the framework asserts on it.
    component.enterModalState(false, nullptr, false);
    if (component.isShowing())
        component.grabKeyboardFocus();
}

void DialogModalState::enter(juce::Component& dialog, bool takeFromParent)
{
    if (auto* parent = dialog.getParentComponent();
        takeFromParent && parent != nullptr && parent->isCurrentlyModal(false))
    {
        parent->exitModalState(1);
        holdsParentModalState = true;
    }

    enterModalState(dialog);
}

void DialogModalState::leave(juce::Component& dialog)
{
    if (!dialog.isVisible() && !dialog.isCurrentlyModal(false))
        return;

    dialog.exitModalState(1);

    // Entering the modal state makes a component visible: never for a parent hidden meanwhile.
    if (auto* parent = dialog.getParentComponent();
        holdsParentModalState && parent != nullptr && parent->isVisible())
        enterModalState(*parent);
    holdsParentModalState = false;

    dialog.setVisible(false);
}

bool passKeyToField(juce::Component& dialog, juce::TextEditor* field, const juce::KeyPress& key)
{
    // Keys that a focused child left unused come up here too, and so do those that a message box
    // over the dialog leaves: neither belongs to the field.
    if (field == nullptr || !field->isShowing() || !field->isEnabled() ||
        dialog.hasKeyboardFocus(true) || dialog.isCurrentlyBlockedByAnotherModalComponent())
        return false;

    // Refused until the framework has seen the window's focus come in; the key goes in anyway.
    field->grabKeyboardFocus();
    return field->keyPressed(key);
}

void setButtonActive(juce::Component& button, bool isActive)
{
    button.setAlpha(isActive ? 1.0f : 0.5f);
    button.setEnabled(isActive);
}

std::unique_ptr<VelmorAlertComponent> addMessageBox(juce::Component& owner)
{
    auto box = std::make_unique<VelmorAlertComponent>("alertComponent_", 1, 1, 3);
    owner.addChildComponent(box.get());
    box->setBounds(0, 0, 325, 454);
    box->needChangeParentModal(true);
    return box;
}

void showFailure(VelmorAlertComponent& box, const juce::String& text)
{
    box.setTitle(text);
    box.show(1, 4);
}

} // namespace velmor
