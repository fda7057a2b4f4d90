#pragma once

#include <string>

// Real mouse and keyboard events on the display (DISPLAY), made by the server's XTEST extension
// as if a user moved the mouse, clicked and typed: they go to whichever window the pointer is
// over or the focus is in, as the server and the window manager decide.
class FakeInput
{
public:
    FakeInput();
    ~FakeInput();

    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    bool isAvailable() const { return display != nullptr; }

    // A left click: the button pressed at a point of the screen, and released again, at once or
    // after a while.
    void buttonDown(int x, int y);
    void buttonUp();
    // Each character as a key press and release, with Shift where the character needs it: the
    // printable ASCII characters, as on a US keyboard. False when the display's keyboard has no
    // key for one of them, which is then left out.
    bool type(const std::string& text);
    // One key by its keysym name, such as "Return".
    void press(const char* keyName);

    // From now on notes when the window gets the input focus; focusArrived() tells whether it
    // has since the last call.
    void watchFocus(unsigned long window);
    bool focusArrived(unsigned long window);

private:
    bool tap(unsigned long keysym);

    void* display = nullptr;
};
