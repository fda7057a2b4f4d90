#include "BareXServer.h"

// Xlib's macros (None, Bool, Status) come after every JUCE header.
#include "XErrorTrap.h"
#include "XWindowTree.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace
{
struct DisplayCloser
{
    void operator()(Display* display) const { XCloseDisplay(display); }
};

using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// The server the framework connects to: DISPLAY, or ":0.0" when that is not set.
DisplayConnection openDisplay()
{
    const auto name = juce::SystemStats::getEnvironmentVariable("DISPLAY", {});
    return DisplayConnection(XOpenDisplay(name.isNotEmpty() ? name.toRawUTF8() : ":0.0"));
}

// The byte of a pixel that a colour mask selects, scaled to 8 bits.
juce::uint8 channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0)
        ++shift;
    const unsigned long maximum = mask >> shift;
    return (juce::uint8)((((pixel & mask) >> shift) * 255UL) / maximum);
}
} // namespace

namespace BareXServer
{

bool internWindowManagerAtoms()
{
    // A server resets when its last client leaves and forgets the atoms interned so far: this
    // connection stays open until the program ends.
    static const auto display = openDisplay();
    if (display == nullptr)
        return false;

    const char* const names[] = {"WM_PROTOCOLS",
                                 "WM_TAKE_FOCUS",
                                 "WM_DELETE_WINDOW",
                                 "_NET_WM_PING",
                                 "WM_CHANGE_STATE",
                                 "WM_STATE",
                                 "_NET_WM_WINDOW_TYPE",
                                 "_NET_WM_WINDOW_TYPE_NORMAL",
                                 "_NET_WM_WINDOW_TYPE_COMBO",
                                 "_NET_WM_STATE",
                                 "_NET_WM_STATE_HIDDEN"};

    for (const auto* name : names)
        XInternAtom(display.get(), name, False);

    XSync(display.get(), False);
    return true;
}

juce::Image grabScreen(juce::Rectangle<int> area)
{
    const auto display = openDisplay();
    if (display == nullptr || area.isEmpty())
        return {};

    // An area that reaches beyond the screen fails (BadMatch): a null image, not the end of the
    // program.
    XImage* shot = nullptr;
    {
        const XErrorTrap trap(display.get());
        shot = XGetImage(display.get(), DefaultRootWindow(display.get()), area.getX(), area.getY(),
                         (unsigned int)area.getWidth(), (unsigned int)area.getHeight(), AllPlanes,
                         ZPixmap);
    }
    if (shot == nullptr)
        return {};

    juce::Image image(juce::Image::RGB, area.getWidth(), area.getHeight(), false);
    {
        juce::Image::BitmapData pixels(image, juce::Image::BitmapData::writeOnly);
        for (int y = 0; y < area.getHeight(); ++y)
            for (int x = 0; x < area.getWidth(); ++x)
            {
                const auto pixel = XGetPixel(shot, x, y);
                pixels.setPixelColour(x, y,
                                      juce::Colour(channel(pixel, shot->red_mask),
                                                   channel(pixel, shot->green_mask),
                                                   channel(pixel, shot->blue_mask)));
            }
    }

    XDestroyImage(shot);
    return image;
}

int countViewableWindows()
{
    const auto display = openDisplay();
    if (display == nullptr)
        return 0;
    return XWindowTree::countViewable(
        XWindowTree::describeChildren(display.get(), DefaultRootWindow(display.get())));
}

} // namespace BareXServer
