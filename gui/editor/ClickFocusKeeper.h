#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Keeps the keyboard focus where a click into the editor put it when the framework hands the
// window's focus back late.
//
// When the editor's X window loses the input focus, the framework clears the keyboard focus and
// notes the component that had it, to give it back once the window is focused again. Under a
// click-to-focus window manager that happens on every click into an embedded editor: the manager
// first focuses the host's top-level window, then the click focuses the editor's window and the
// component clicked, and only after the click does the framework read the window's FocusIn and
// give the focus back to the component it noted before the click; keys then go there. From the
// window's loss of the focus until that hand-back, this notes where each click (and whatever the
// click did, such as showing a dialog) left the focus, and moves it back there when the
// hand-back took it elsewhere; a press that comes before the window has the X focus again
// focuses nothing, and it notes what the press would have focused. A hand-back to a component
// behind a dialog that came up meanwhile (from a menu, whose window had taken the focus) goes on to
// the dialog, which gives it to its field, as when it came up. While the window keeps its focus it
// listens to nothing.
//
// The correction comes after the hand-back, not with it: the framework tells focus listeners
// from the message loop, and it reads every X event that has arrived in one go. A key read
// together with the late focus change still reaches the component handed the focus; behind a
// dialog, that component passes it to the dialog, which gives it to its name field (as it does
// with the keys that come before the hand-back, while nothing has the focus).
class ClickFocusKeeper final : private juce::MouseListener, private juce::FocusChangeListener
{
public:
    explicit ClickFocusKeeper(juce::Component& editor);
    ~ClickFocusKeeper() override;

    ClickFocusKeeper(const ClickFocusKeeper&) = delete;
    ClickFocusKeeper& operator=(const ClickFocusKeeper&) = delete;

    // The editor's focusOfChildComponentChanged: no component inside it has the focus any
    // more, or one has it again.
    void editorFocusChanged(juce::Component::FocusChangeType cause);

private:
    void mouseDown(const juce::MouseEvent& event) override;
    void mouseUp(const juce::MouseEvent&) override;
    void globalFocusChanged(juce::Component* focusedComponent) override;

    // The component the framework gives the focus back to when the window is focused again.
    juce::Component* componentToRestore() const;
    // What a click on this component focuses when its window has the focus: the first one from
    // it up to the editor that wants the focus, or none.
    juce::Component* componentAClickFocuses(juce::Component* clicked) const;
    void startWatching();
    void stopWatching();

    juce::Component& editor;
    // Where the last click left the focus, and where its press alone put it.
    juce::Component::SafePointer<juce::Component> focusedByClick;
    juce::Component::SafePointer<juce::Component> focusedByPress;
    bool watching = false;
};
