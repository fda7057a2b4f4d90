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
