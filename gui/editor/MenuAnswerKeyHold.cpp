#include "MenuAnswerKeyHold.h"

MenuAnswerKeyHold::MenuAnswerKeyHold() : juce::Component("menuAnswerKeyHold_")
{
    setInterceptsMouseClicks(false, false);
}

void MenuAnswerKeyHold::hold()
{
    held.clear();
    if (!isCurrentlyModal(false))
        enterModalState(false, nullptr, false);
}

void MenuAnswerKeyHold::release()
{
    exitModalState(0);
    setVisible(false);

    auto keys = std::move(held);
    held.clear();
    const SafePointer<MenuAnswerKeyHold> alive(this);
    for (const auto& key : keys)
    {
        // A key may close the editor (a host's shortcut), and this with it.
        auto* const peer = alive != nullptr ? getPeer() : nullptr;
        if (peer == nullptr)
            return;
        peer->handleKeyPress(key);
    }
}

bool MenuAnswerKeyHold::keyPressed(const juce::KeyPress& key)
{
    if (!isCurrentlyModal(false))
        return false;
    held.push_back(key);
    return true;
}
