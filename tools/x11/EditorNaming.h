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
// field, a name typed, Return. Before each gesture it waits, giving the host's idle calls, until
// the editor shows what the last one did, as a user looks before going on. A wait that runs out is
// noted and the gestures go on, so that what the user ends up with is what a test checks.
class EditorNaming
{
public:
    using Idle = std::function<void()>;

    // underWindowManager: a window manager runs, which focuses the host's window on every click
    // before the editor's window takes the focus back.
    EditorNaming(const HostWindow& hostWindow, bool underWindowManager, Idle hostIdle);

    // FILE, then "Save Preset As...": the save-as browser comes up.
    void openSaveAsBrowser();
    // In the open save-as browser: a click into "file:", the first part of the name; a second
    // click into the field, right of the text, which places the caret there, and the rest of
    // the name; Return.
    void typeIntoSaveAsBrowser(const std::string& firstPart, const std::string& rest);
    // In the open save-as browser: a click into "file:", New Folder, a click into the prompt's
    // field, the name, Return.
    void typeIntoNewFolderPrompt(const std::string& name);

    // Idle calls about a hundred a second until the condition holds or the time runs out.
    bool idleUntil(const std::function<bool()>& condition, int milliseconds = 3000);

    // The waits that ran out, one a line.
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
    void typeUntilLit(const std::string& text, const Area& okButton);
    void wait(const std::function<bool()>& condition, const char* what);
    // Whether the window's pixels hold the whole area.
    bool covers(const std::vector<std::uint32_t>& pixels, const Area& area) const;
    bool changed(const std::vector<std::uint32_t>& before, const Area& area) const;
    bool showsFocus(const Area& field) const;

    const HostWindow& window;
    const bool windowManager;
    Idle idle;
    FakeInput input;
    std::string waitsRunOut;
};
