#include "ClickFocusKeeper.h"

ClickFocusKeeper::ClickFocusKeeper(juce::Component& editorToWatch) : editor(editorToWatch) {}

ClickFocusKeeper::~ClickFocusKeeper()
{
    stopWatching();
}

void ClickFocusKeeper::editorFocusChanged(juce::Component::FocusChangeType cause)
{
    // The framework clears the focus for the window's FocusOut as if by a click; nothing else
    // leaves the focus nowhere that way.
    if (cause == juce::Component::focusChangedByMouseClick &&
        juce::Component::getCurrentlyFocusedComponent() == nullptr &&
        componentToRestore() != nullptr)
        startWatching();
}

juce::Component* ClickFocusKeeper::componentToRestore() const
{
    auto* const peer = editor.getPeer();
    if (peer == nullptr)
        return nullptr;
    auto* const restored = peer->getLastFocusedSubcomponent();
    return editor.isParentOf(restored) ? restored : nullptr;
}

void ClickFocusKeeper::startWatching()
{
    focusedByClick = nullptr;
    focusedByPress = nullptr;
    if (watching)
        return;
    watching = true;
    editor.addMouseListener(this, true);
    juce::Desktop::getInstance().addFocusChangeListener(this);
}

void ClickFocusKeeper::stopWatching()
{
    if (!watching)
        return;
    watching = false;
    focusedByClick = nullptr;
    focusedByPress = nullptr;
    editor.removeMouseListener(this);
    juce::Desktop::getInstance().removeFocusChangeListener(this);
}

void ClickFocusKeeper::mouseDown(const juce::MouseEvent& event)
{
    // The framework has focused what was clicked before it tells the listeners. A click on
    // something that takes no focus leaves it nowhere, and the framework then picks a default;
    // a window that had kept its focus would have kept it where it was, which the hand-back
    // restores.
    auto* const focused = juce::Component::getCurrentlyFocusedComponent();
    focusedByPress = focused;
    if (editor.isParentOf(focused) &&
        (focused == event.originalComponent || focused->isParentOf(event.originalComponent)))
        focusedByClick = focused;
    else if (auto* const target = componentAClickFocuses(event.originalComponent))
        // The press came before the window had the X focus back, and the framework focuses
        // nothing in a window without it: note what the click would have focused.
        focusedByClick = target;
}

juce::Component* ClickFocusKeeper::componentAClickFocuses(juce::Component* clicked) const
{
    if (clicked == nullptr || !editor.isParentOf(clicked) ||
        !clicked->getMouseClickGrabsKeyboardFocus() ||
        clicked->isCurrentlyBlockedByAnotherModalComponent())
        return nullptr;
    for (auto* candidate = clicked; candidate != &editor;
         candidate = candidate->getParentComponent())
        if (candidate->getWantsKeyboardFocus() && candidate->isEnabled())
            return candidate;
    return nullptr;
}

void ClickFocusKeeper::mouseUp(const juce::MouseEvent&)
{
    // What the click did may have moved the focus on, as a dialog it shows takes it. The focus
    // going to the component to restore is the hand-back, read between press and release.
    auto* const focused = juce::Component::getCurrentlyFocusedComponent();
    if (editor.isParentOf(focused) && focused != focusedByPress.getComponent() &&
        focused != componentToRestore())
        focusedByClick = focused;
}

void ClickFocusKeeper::globalFocusChanged(juce::Component* focusedComponent)
{
    auto* const restored = componentToRestore();
    if (focusedComponent == nullptr || focusedComponent != restored)
        return;

    // The framework has handed the focus back.
    auto* const wanted = focusedByClick.getComponent();
    stopWatching();
    if (wanted != nullptr && wanted != restored && wanted->isShowing() &&
        wanted->getWantsKeyboardFocus() && !wanted->isCurrentlyBlockedByAnotherModalComponent())
        wanted->grabKeyboardFocus();
    else if (restored->isCurrentlyBlockedByAnotherModalComponent())
        // Behind a dialog that came up meanwhile (after a menu, whose window had the focus):
        // keys would go to the dialog itself, not to its field. The dialog takes the focus as
        // it does when it comes up.
        if (auto* const dialog = juce::Component::getCurrentlyModalComponent();
            dialog != nullptr && editor.isParentOf(dialog))
            dialog->grabKeyboardFocus();
}
