#include "FakeInput.h"

#include "XErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace
{
Display* asDisplay(void* display)
{
    return static_cast<Display*>(display);
}
} // namespace

FakeInput::FakeInput()
{
    Display* connection = XOpenDisplay(nullptr);
    if (connection == nullptr)
        return;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(connection, &eventBase, &errorBase, &major, &minor))
    {
        XCloseDisplay(connection);
        return;
    }
    display = connection;
}

FakeInput::~FakeInput()
{
    if (display != nullptr)
        XCloseDisplay(asDisplay(display));
}

void FakeInput::buttonDown(int x, int y)
{
    if (display == nullptr)
        return;
    Display* connection = asDisplay(display);
    XTestFakeMotionEvent(connection, DefaultScreen(connection), x, y, CurrentTime);
    XTestFakeButtonEvent(connection, Button1, True, CurrentTime);
    XSync(connection, False);
}

void FakeInput::buttonUp()
{
    if (display == nullptr)
        return;
    Display* connection = asDisplay(display);
    XTestFakeButtonEvent(connection, Button1, False, CurrentTime);
    XSync(connection, False);
}

bool FakeInput::type(const std::string& text)
{
    bool typed = true;
    for (const char character : text)
        typed = tap(static_cast<unsigned char>(character)) && typed;
    return typed;
}

void FakeInput::press(const char* keyName)
{
    tap(XStringToKeysym(keyName));
}

bool FakeInput::tap(unsigned long keysym)
{
    if (display == nullptr || keysym == NoSymbol)
        return false;
    Display* connection = asDisplay(display);
    const KeyCode code = XKeysymToKeycode(connection, keysym);
    if (code == 0)
        return false;
    // A keysym that is not the key's first one (an upper-case letter) needs Shift.
    const bool shifted = XkbKeycodeToKeysym(connection, code, 0, 0) != keysym;
    const KeyCode shift = XKeysymToKeycode(connection, XK_Shift_L);
    if (shifted)
        XTestFakeKeyEvent(connection, shift, True, CurrentTime);
    XTestFakeKeyEvent(connection, code, True, CurrentTime);
    XTestFakeKeyEvent(connection, code, False, CurrentTime);
    if (shifted)
        XTestFakeKeyEvent(connection, shift, False, CurrentTime);
    XSync(connection, False);
    return true;
}

void FakeInput::watchFocus(unsigned long window)
{
    if (display == nullptr)
        return;
    // Another client's window, which may go at any moment: its focus events come to this
    // connection too once asked for.
    XErrorTrap trap(asDisplay(display));
    XSelectInput(asDisplay(display), window, FocusChangeMask);
    trap.sync();
    focusArrived(window);
}

bool FakeInput::focusArrived(unsigned long window)
{
    if (display == nullptr)
        return false;
    bool arrived = false;
    XEvent event;
    while (XCheckTypedWindowEvent(asDisplay(display), window, FocusIn, &event))
        arrived = true;
    return arrived;
}
