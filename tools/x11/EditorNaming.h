#pragma once

#include "FakeInput.h"
#include "HostWindow.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A user naming a preset and a folder in the plug-in's editor inside a host window, with real
// mouse and key events: FILE, "Save Preset As...", a click into the "file:" field, a name typed,
// Return; or, in the save-as browser, a click into "file:", New Folder, a click into the prompt's
// field, a name typed, Return. Or the same without the clicks into the fields, typing into each
// dialog as it comes up. Before each gesture it waits, giving the host's idle calls, until the
// editor shows what the last one did, as a user looks before going on. A wait that runs out is
// noted and the gestures go on, so that what the user ends up with is what a test checks.
class EditorNaming
{
public:
    using Idle = std::function<void()>;

    struct Gestures
    {
        // Clicks into the dialog's field before typing; or types at once, the focus being
        // there as the dialog comes up.
        bool clickIntoField = true;
        // How long each click holds the button down, the host idling meanwhile: a window
        // manager's focus change then reaches the editor between the press and the release.
        int holdMilliseconds = 0;
    };

    // underWindowManager: a window manager runs, which focuses the host's window on every click
    // before the editor's window takes the focus back.
    EditorNaming(const HostWindow& hostWindow, bool underWindowManager, Gestures gestures,
                 Idle hostIdle);

    // FILE, then "Save Preset As...": the save-as browser comes up.
    void openSaveAsBrowser();
    // In the open save-as browser: a click into "file:", the first half of the name; a second
    // click into the field, right of the text, which places the caret there, and the rest of
    // the name; Return. Without the clicks: the name, Return.
    void typeIntoSaveAsBrowser(const std::string& name);
    // In the open save-as browser: a click into "file:", New Folder, a click into the prompt's
    // field, the name, Return. Without the clicks into the fields: New Folder, the name, Return.
    void typeIntoNewFolderPrompt(const std::string& name);

    // Idle calls about a hundred a second until the condition holds or the time runs out.
    bool idleUntil(const std::function<bool()>& condition, int milliseconds = 3000);

    // The waits that ran out, and characters the keyboard had no key for, one a line.
    const std::string& notes() const { return waitsRunOut; }

private:
    struct Area
    {
        int x, y, width, height;
    };
    static const Area fileField;
    static const Area saveButton;

    void clickAt(int x, int y);
    void clickIntoField(const Area& field, int x);
    // From before a click that makes the editor's window take the focus back, or that brings
    // up a dialog after the menu had the focus, until the editor has had that focus change
    // (keys typed before would reach it ahead of the change) and shows the focus in the field.
    void watchWindowFocus();
    void waitForFocusIn(const Area& field);
    void type(const std::string& text);
    void typeUntilLit(const std::string& text, const Area& okButton);
    void wait(const std::function<bool()>& condition, const char* what);
    // Whether the window's pixels hold the whole area.
    bool covers(const std::vector<std::uint32_t>& pixels, const Area& area) const;
    bool changed(const std::vector<std::uint32_t>& before, const Area& area) const;
    bool showsFocus(const Area& field) const;

    const HostWindow& window;
    const bool windowManager;
    const Gestures gestures;
    Idle idle;
    FakeInput input;
    unsigned long watchedWindow = 0;
    std::string waitsRunOut;
};
