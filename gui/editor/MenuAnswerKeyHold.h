#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// Holds the keys typed between the choice of a menu item and the handling of that choice, and
// types them again once it has been handled.
//
// The framework answers a menu asynchronously: a chosen item ends the menu's modal state at
// once, but the answer (which brings up the save-as browser, say) comes from the message loop
// later. Keys read in between, in the same batch of X events as the click (a fast typist, a busy
// host), would reach the control that opened the menu and be lost to the dialog about to come
// up. While the menu is open this holds a modal state of its own beneath the menu's, so that
// such keys come here; release, called once the answer is handled, hands them to the window
// again in order, to wherever keys go now.
class MenuAnswerKeyHold final : public juce::Component
{
public:
    MenuAnswerKeyHold();

    // Before the menu is shown.
    void hold();
    // Once the menu's answer has been handled.
    void release();

    bool keyPressed(const juce::KeyPress& key) override;
    // A click in that moment goes nowhere, quietly.
    void inputAttemptWhenModal() override {}

private:
    std::vector<juce::KeyPress> held;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MenuAnswerKeyHold)
};
