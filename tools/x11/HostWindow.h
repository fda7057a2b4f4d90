#pragma once

#include <cstdint>
#include <vector>

// A host's top-level X11 window for a plug-in editor to embed into, on its own connection to
// the display, as a Linux host offers one.
class HostWindow
{
public:
    // At (left, 0) on the screen: windows that overlap hide each other's pixels.
    explicit HostWindow(int width, int height, int left = 0);
    // A top-level window of the program's own (a framework's), looked at but not destroyed.
    explicit HostWindow(unsigned long existingWindow);
    ~HostWindow();

    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    bool isOpen() const { return window != 0; }
    int getWidth() const { return width; }

    // What the host hands the plug-in as its editor's parent: the window's X11 id as a pointer
    // (VST2 opcode 14, the native view of an AAX view container).
    void* handle() const;

    // The child windows currently inside it, and whether each is mapped and viewable.
    struct Child
    {
        unsigned long window;
        bool viewable;
        int width;
        int height;
    };
    std::vector<Child> children() const;
    // Whether a viewable child of that size is inside: an editor on show.
    bool showsChildOfSize(int childWidth, int childHeight) const;

    // How many windows are on show on the screen, this one's frame and a pop-up menu included.
    int viewableWindowsOnScreen() const;

    // Every pixel covered, none of the background left, in more than 64 colours: an editor's
    // artwork has painted the window.
    bool isPainted() const;

    // Where the window's top left corner is on the screen: a window manager puts it into a frame
    // wherever it likes.
    struct Point
    {
        int x;
        int y;
    };
    Point originOnScreen() const;

    // The window's pixels as 0xRRGGBB, row by row; none while it is not wholly on show.
    std::vector<std::uint32_t> pixels() const;

    static constexpr std::uint32_t background = 0xFF00FF;

private:
    void* display = nullptr;
    unsigned long window = 0;
    bool owned = true;
    int width;
    int height;
};
