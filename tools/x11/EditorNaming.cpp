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
} // namespace

// The framework browser's "file:" field and SAVE.
const EditorNaming::Area EditorNaming::fileField{52, 307, 240, 22};
const EditorNaming::Area EditorNaming::saveButton{179, 336, buttonWidth, buttonHeight};

EditorNaming::EditorNaming(const HostWindow& hostWindow, bool underWindowManager, Idle hostIdle)
    : window(hostWindow), windowManager(underWindowManager), idle(std::move(hostIdle))
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
    input.click(origin.x + x, origin.y + y);
}

void EditorNaming::clickIntoField(const Area& field, int x)
{
    // Under a window manager the click moves the focus to the host's window and the editor
    // takes it back; keys typed before that would reach the editor ahead of the click.
    const auto editors = window.children();
    const unsigned long editorWindow = editors.empty() ? 0 : editors.front().window;
    if (windowManager && editorWindow != 0)
        input.watchFocus(editorWindow);
    clickAt(x, field.y + field.height / 2);
    if (windowManager && editorWindow != 0)
        wait([&] { return input.focusArrived(editorWindow); }, "the focus back in its window");
    wait([&] { return showsFocus(field); }, "the focus in the name field");
}

void EditorNaming::typeUntilLit(const std::string& text, const Area& okButton)
{
    const auto before = window.pixels();
    input.type(text);
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
    // of a second.
    const auto menuOpen = [&] { return window.viewableWindowsOnScreen() > windowsBefore; };
    if (!idleUntil(menuOpen))
        waitsRunOut += "the file menu never opened\n";
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
}

void EditorNaming::typeIntoSaveAsBrowser(const std::string& firstPart, const std::string& rest)
{
    clickIntoField(fileField, fileField.x + fileField.width / 2);
    typeUntilLit(firstPart, saveButton);
    clickIntoField(fileField, fileField.x + fileField.width - 10);
    input.type(rest);
    input.press("Return");
}

void EditorNaming::typeIntoNewFolderPrompt(const std::string& name)
{
    const Area newFolder{16, 336, buttonWidth, buttonHeight};
    const Area field{23, 229, 280, 24};
    const Area ok{16, 307, buttonWidth, buttonHeight};
    // A user about to name the preset who makes a folder for it first.
    clickIntoField(fileField, fileField.x + fileField.width / 2);
    clickAt(newFolder.x + newFolder.width / 2, newFolder.y + newFolder.height / 2);
    wait([&] { return showsFocus(field); }, "the new-folder prompt with the focus in its field");
    clickIntoField(field, field.x + field.width / 2);
    typeUntilLit(name, ok);
    input.press("Return");
}
