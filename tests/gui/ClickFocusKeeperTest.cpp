// GoogleTest first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

// The framework's X11 declarations, to move the window's input focus as a window manager does:
// before any other of its headers.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "ClickFocusKeeper.h"
#include "DialogTestSupport.h"
#include "OnScreen.h"
#include "TemporaryHome.h"
#include "VelmorFileBrowser.h"
#include "XEventQueueWake.h"

#include <functional>

namespace
{
// A window watched by a keeper as the editor is (with the wake that has events read into Xlib's
// queue dispatched). The keeper outlives the components of the windows below: the focused one
// tells the window that it loses the focus as it goes.
class WatchedWindow : public juce::Component
{
public:
    ~WatchedWindow() override { removeFromDesktop(); }

    void focusOfChildComponentChanged(FocusChangeType cause) override
    {
        keeper.editorFocusChanged(cause);
    }

    ::Window window() const { return (::Window)getPeer()->getNativeHandle(); }

protected:
    void putOnDesktop(int width, int height)
    {
        setSize(width, height);
        addToDesktop(0);
        setVisible(true);
    }

private:
    const XEventQueueWake wake{*this};
    ClickFocusKeeper keeper{*this};
};

class TwoFieldWindow final : public WatchedWindow
{
public:
    TwoFieldWindow()
    {
        first.setBounds(10, 10, 180, 24);
        second.setBounds(10, 50, 180, 24);
        addAndMakeVisible(first);
        addAndMakeVisible(second);
        putOnDesktop(200, 100);
    }

    juce::TextEditor first, second;
};

// As the editor is: a control that a click focuses, and the save-as dialog over it, hidden
// until its menu item is chosen.
class DialogWindow final : public WatchedWindow
{
public:
    explicit DialogWindow(const juce::File& presetFolder)
        : dialog("savePresetBrowser_", "Save", presetFolder, "*.vzrp", 5, 1, 5, 3, 8)
    {
        control.setBounds(10, 10, 80, 24);
        addAndMakeVisible(control);
        addChildComponent(dialog);
        dialog.setBounds(0, 0, 325, 454);
        putOnDesktop(325, 454);
    }

    juce::TextButton control{"FILE"};
    VelmorFileBrowser dialog;
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

// Keys as the window's peer receives them from the X server, one by one.
void typeInto(juce::ComponentPeer& peer, const juce::String& text)
{
    for (const auto character : text)
        peer.handleKeyPress((int)character, character);
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

// A dialog chosen from a menu comes up while the menu's window holds the X focus: the framework
// focuses nothing in its own window, which gets the X focus back a moment later, and hands the
// focus late to the control focused before the menu; the keeper then moves it on to the dialog.
// Keys that arrive before the hand-back, or before that correction, reach the dialog itself (the
// component that it blocks passes them to it): they go on to its name field, in order, as do
// the keys after it. The same for the new-folder prompt over the save-as dialog.
TEST(ClickFocusKeeper, KeysTypedBeforeTheLateHandBackReachTheDialogsNameField)
{
    ::Display* const display = onscreen::frameworkDisplay();
    if (display == nullptr)
        GTEST_SKIP() << "needs a display; the test command runs this suite under Xvfb as well";

    const auto presetFolder = presetFolderInTemporaryHome();
    presetFolder.createDirectory();

    struct Case
    {
        const char* dialog;
        // Brings the dialog up, as its menu item or button does, and answers its name field.
        std::function<juce::TextEditor&(VelmorFileBrowser&)> bringUp;
    };
    const Case cases[] = {
        {"the save-as browser",
         [](VelmorFileBrowser& dialog) -> juce::TextEditor&
         {
             dialog.show();
             return *childOfType<juce::TextEditor>(fileBrowserIn(dialog));
         }},
        {"the new-folder prompt",
         [](VelmorFileBrowser& dialog) -> juce::TextEditor&
         {
             dialog.show();
             dialog.createNewFolder();
             auto* prompt = childNamed(dialog, "newFolderComponent_");
             return *dynamic_cast<juce::TextEditor*>(childNamed(*prompt, "textEditor_"));
         }},
    };

    for (const auto& test : cases)
    {
        DialogWindow editor(presetFolder);
        ASSERT_NE(editor.getPeer(), nullptr);
        auto& peer = *editor.getPeer();
        onscreen::serveFor(300); // maps and paints

        // The control has the focus when the menu opens.
        focusFromOutside(editor.window());
        ASSERT_TRUE(onscreen::serveUntil(
            [] { return juce::Component::getCurrentlyFocusedComponent() != nullptr; }, 2000));
        editor.control.grabKeyboardFocus();
        ASSERT_TRUE(editor.control.hasKeyboardFocus(false));

        // The menu's window takes the focus; the framework's own requests carry an older time.
        setUserTime(display, editor.window(), 1);
        focusFromOutside(0);
        ASSERT_TRUE(onscreen::serveUntil(
            [] { return juce::Component::getCurrentlyFocusedComponent() == nullptr; }, 2000));

        auto& field = test.bringUp(editor.dialog);
        onscreen::serveFor(50);
        ASSERT_EQ(juce::Component::getCurrentlyFocusedComponent(), nullptr)
            << test.dialog << ": the X server took the framework's focus request after all";

        typeInto(peer, "pr");
        EXPECT_EQ(field.getText(), "pr") << test.dialog << ": keys before the window's focus";

        // The window has the X focus back, and keys come before the framework reads that.
        focusFromOutside(editor.window());
        typeInto(peer, "o");
        EXPECT_EQ(field.getText(), "pro") << test.dialog << ": keys before the hand-back";

        // The framework hands the focus to the control behind the dialog, and keys read with
        // that change reach it before the keeper moves it on.
        ASSERT_TRUE(onscreen::serveUntil(
            [&] { return juce::Component::getCurrentlyFocusedComponent() != nullptr; }, 2000));
        typeInto(peer, "be");
        EXPECT_TRUE(onscreen::serveUntil([&] { return field.hasKeyboardFocus(false); }, 2000))
            << test.dialog;
        typeInto(peer, " b0");
        EXPECT_EQ(field.getText(), "probe b0") << test.dialog;
        EXPECT_TRUE(field.hasKeyboardFocus(false)) << test.dialog;

        editor.dialog.hide();
    }
}
