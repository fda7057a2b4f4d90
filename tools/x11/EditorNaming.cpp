#include "EditorNaming.h"

#include <chrono>
#include <thread>

namespace
{
// Where things are in the editor (325 x 454), in its own coordinates.
constexpr int fileButtonX = 35, fileButtonY = 16;
// The file menu opens below the file button; its second item.
constexpr int saveAsItemX = 90, saveAsItemY = 63;
// Where the editor's artwork lies under the dialogs, below the browser's buttons.
constexpr int logoX = 8, logoY = 400, logoWidth = 100, logoHeight = 40;
constexpr int buttonWidth = 132, buttonHeight = 51;
// How long a user looks at a dialog that has come up before typing into it.
constexpr int glanceMilliseconds = 100;
} // namespace

// The framework browser's "file:" field and SAVE.
const EditorNaming::Area EditorNaming::fileField{52, 307, 240, 22};
const EditorNaming::Area EditorNaming::saveButton{179, 336, buttonWidth, buttonHeight};

EditorNaming::EditorNaming(const HostWindow& hostWindow, bool underWindowManager,
                           Gestures userGestures, Idle hostIdle)
    : window(hostWindow), windowManager(underWindowManager), gestures(userGestures),
      idle(std::move(hostIdle))
{
}

bool EditorNaming::idleUntil(const std::function<bool()>& condition, int milliseconds)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline)
    {
        idle();
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

bool EditorNaming::covers(const std::vector<std::uint32_t>& pixels, const Area& area) const
{
    const auto width = static_cast<std::size_t>(window.getWidth());
    return area.x >= 0 && area.y >= 0 && area.x + area.width <= window.getWidth() &&
           pixels.size() >= width * static_cast<std::size_t>(area.y + area.height);
}

void EditorNaming::wait(const std::function<bool()>& condition, const char* what)
{
    if (!idleUntil(condition))
        waitsRunOut += std::string("the editor never showed ") + what + "\n";
}

bool EditorNaming::changed(const std::vector<std::uint32_t>& before, const Area& area) const
{
    const auto now = window.pixels();
    if (now.size() != before.size() || !covers(now, area))
        return false;
    int differing = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
        {
            const auto index = static_cast<std::size_t>(y * window.getWidth() + x);
            differing += now[index] != before[index] ? 1 : 0;
        }
    return differing * 4 > area.width * area.height * 3;
}

bool EditorNaming::showsFocus(const Area& field) const
{
    // A focused field has a border two pixels wide, an unfocused one a border of one pixel:
    // the second column is border or background.
    const auto now = window.pixels();
    if (!covers(now, field))
        return false;
    const auto at = [&](int x)
    { return now[static_cast<std::size_t>((field.y + field.height / 2) * window.getWidth() + x)]; };
    return at(field.x + 1) == at(field.x) && at(field.x + 1) != at(field.x + 3);
}

void EditorNaming::clickAt(int x, int y)
{
    const auto origin = window.originOnScreen();
    input.buttonDown(origin.x + x, origin.y + y);
    if (gestures.holdMilliseconds > 0)
        idleUntil([] { return false; }, gestures.holdMilliseconds);
    input.buttonUp();
}

void EditorNaming::watchWindowFocus()
{
    const auto editors = window.children();
    watchedWindow = editors.empty() ? 0 : editors.front().window;
    if (watchedWindow != 0)
        input.watchFocus(watchedWindow);
}

void EditorNaming::waitForFocusIn(const Area& field)
{
    if (watchedWindow != 0)
        wait([&] { return input.focusArrived(watchedWindow); }, "the focus back in its window");
    watchedWindow = 0;
    wait([&] { return showsFocus(field); }, "the focus in the dialog's field");
}

void EditorNaming::clickIntoField(const Area& field, int x)
{
    // Under a window manager the click moves the focus to the host's window and the editor
    // takes it back.
    if (windowManager)
        watchWindowFocus();
    clickAt(x, field.y + field.height / 2);
    waitForFocusIn(field);
}

void EditorNaming::type(const std::string& text)
{
    if (!input.type(text))
        waitsRunOut += "the keyboard has no key for a character of \"" + text + "\"\n";
}

void EditorNaming::typeUntilLit(const std::string& text, const Area& okButton)
{
    const auto before = window.pixels();
    type(text);
    // OK is dimmed until the dialog's poll has seen a name.
    wait(
        [&]
        {
            return changed(before, {okButton.x + 20, okButton.y + 12, okButton.width - 40,
                                    okButton.height - 24});
        },
        "the OK button lit");
}

void EditorNaming::openSaveAsBrowser()
{
    const auto before = window.pixels();
    const int windowsBefore = window.viewableWindowsOnScreen();
    clickAt(fileButtonX, fileButtonY);

    // The menu is a window of its own on the screen, which takes no click in its first quarter
    // of a second. It takes the focus from the editor's window, which the browser takes back.
    const auto menuOpen = [&] { return window.viewableWindowsOnScreen() > windowsBefore; };
    if (!idleUntil(menuOpen))
        waitsRunOut += "the file menu never opened\n";
    if (!gestures.clickIntoField)
        watchWindowFocus();
    for (int tries = 0; tries < 10 && menuOpen(); ++tries)
    {
        clickAt(saveAsItemX, saveAsItemY);
        idleUntil([&] { return !menuOpen(); }, 300);
    }
    wait(
        [&] {
            return changed(before, {logoX, logoY, logoWidth, logoHeight});
        },
        "the save-as browser");
    if (!gestures.clickIntoField)
    {
        waitForFocusIn(fileField);
        // A user looks at the browser a moment before typing. The editor may read its window's
        // focus change a few milliseconds after the server sent it (it can wait in the editor's
        // queue until the next event), and keys read together with it would still reach the
        // component that had the focus before the menu.
        idleUntil([] { return false; }, glanceMilliseconds);
    }
}

void EditorNaming::typeIntoSaveAsBrowser(const std::string& name)
{
    if (!gestures.clickIntoField)
    {
        typeUntilLit(name, saveButton);
        input.press("Return");
        return;
    }
    clickIntoField(fileField, fileField.x + fileField.width / 2);
    typeUntilLit(name.substr(0, name.size() / 2), saveButton);
    clickIntoField(fileField, fileField.x + fileField.width - 10);
    type(name.substr(name.size() / 2));
    input.press("Return");
}

void EditorNaming::typeIntoNewFolderPrompt(const std::string& name)
{
    const Area newFolder{16, 336, buttonWidth, buttonHeight};
    const Area field{23, 229, 280, 24};
    const Area ok{16, 307, buttonWidth, buttonHeight};
    // A user about to name the preset who makes a folder for it first.
    if (gestures.clickIntoField)
        clickIntoField(fileField, fileField.x + fileField.width / 2);
    if (windowManager)
        watchWindowFocus();
    clickAt(newFolder.x + newFolder.width / 2, newFolder.y + newFolder.height / 2);
    waitForFocusIn(field);
    if (gestures.clickIntoField)
        clickIntoField(field, field.x + field.width / 2);
    typeUntilLit(name, ok);
    input.press("Return");
}
