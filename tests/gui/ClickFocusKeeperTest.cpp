// GoogleTest first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

// The framework's X11 declarations, to move the window's input focus as a window manager does:
// before any other of its headers.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "ClickFocusKeeper.h"
#include "OnScreen.h"
#include "XEventQueueWake.h"

namespace
{
// A window with two fields, watched by a keeper as the editor is (with the wake that has events
// read into Xlib's queue dispatched).
class TwoFieldWindow final : public juce::Component
{
public:
    TwoFieldWindow()
    {
        first.setBounds(10, 10, 180, 24);
        second.setBounds(10, 50, 180, 24);
        addAndMakeVisible(first);
        addAndMakeVisible(second);
        setSize(200, 100);
        addToDesktop(0);
        setVisible(true);
    }

    ~TwoFieldWindow() override { removeFromDesktop(); }

    void focusOfChildComponentChanged(FocusChangeType cause) override
    {
        keeper.editorFocusChanged(cause);
    }

    ::Window window() const { return (::Window)getPeer()->getNativeHandle(); }

private:
    // Destroyed after the fields: the focused one tells the window that it loses the focus.
    const XEventQueueWake wake{*this};
    ClickFocusKeeper keeper{*this};

public:
    juce::TextEditor first, second;
};

// Another client (a window manager) gives the input focus to a window, now.
void focusFromOutside(::Window window)
{
    onscreen::asAnotherClient(
        [window](::Display* manager)
        {
            auto& x11 = *juce::X11Symbols::getInstance();
            x11.xSetInputFocus(manager, window == 0 ? x11.xRootWindow(manager, 0) : window,
                               RevertToParent, CurrentTime);
        });
}

// The time of the window's last user action, as the framework reads it for its focus requests.
// Older than the last change of the focus, the X server refuses them.
void setUserTime(::Display* display, ::Window window, long time)
{
    auto& x11 = *juce::X11Symbols::getInstance();
    juce::XWindowSystemUtilities::ScopedXLock lock;
    const Atom userTime = x11.xInternAtom(display, "_NET_WM_USER_TIME", False);
    x11.xChangeProperty(display, window, userTime, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&time), 1);
    x11.xSync(display, False);
}

// A left click as the window's peer receives it from the X server.
void clickAt(juce::ComponentPeer& peer, juce::Point<float> at)
{
    const auto now = juce::Time::currentTimeMillis();
    peer.handleMouseEvent(juce::MouseInputSource::InputSourceType::mouse, at,
                          juce::ModifierKeys(juce::ModifierKeys::leftButtonModifier), 1.0f, 0.0f,
                          now);
    peer.handleMouseEvent(juce::MouseInputSource::InputSourceType::mouse, at, juce::ModifierKeys(),
                          1.0f, 0.0f, now + 50);
}
} // namespace

// Under a click-to-focus window manager the click into a field of an embedded editor can come
// before the window has the X focus back: the framework then focuses nothing, and when the focus
// comes it hands it to the field focused before the click. The keeper gives it to the field
// clicked.
TEST(ClickFocusKeeper, AClickMadeBeforeTheWindowHasTheFocusBackFocusesTheFieldClicked)
{
    ::Display* const display = onscreen::frameworkDisplay();
    if (display == nullptr)
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";

    TwoFieldWindow editor;
    ASSERT_NE(editor.getPeer(), nullptr);
    auto& peer = *editor.getPeer();
    onscreen::serveFor(300); // maps and paints
    // The window gets the focus, and gives it to its first field.
    focusFromOutside(editor.window());
    ASSERT_TRUE(onscreen::serveUntil([&] { return editor.first.hasKeyboardFocus(false); }, 2000));

    // The manager takes the focus for the host's window; the framework's own focus requests
    // carry a time before that, as when the click reaches the editor first.
    setUserTime(display, editor.window(), 1);
    focusFromOutside(0);
    ASSERT_TRUE(onscreen::serveUntil(
        [] { return juce::Component::getCurrentlyFocusedComponent() == nullptr; }, 2000));

    clickAt(peer, editor.second.getBounds().getCentre().toFloat());
    onscreen::serveFor(50);
    ASSERT_EQ(juce::Component::getCurrentlyFocusedComponent(), nullptr)
        << "the X server took the framework's focus request after all";

    focusFromOutside(editor.window());
    EXPECT_TRUE(onscreen::serveUntil([&] { return editor.second.hasKeyboardFocus(false); }, 2000));
    onscreen::serveFor(50);
    EXPECT_TRUE(editor.second.hasKeyboardFocus(false));
}
