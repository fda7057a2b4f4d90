// GoogleTest first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "OnScreen.h"

#include "PendingMessages.h"

namespace onscreen
{
::Display* frameworkDisplay()
{
    auto* const windowing = juce::XWindowSystem::getInstance();
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        return nullptr;
    return windowing->getDisplay();
}

bool serveUntil(const std::function<bool()>& condition, int timeoutMs,
                const std::function<void()>& between)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition() && juce::Time::getMillisecondCounter() < deadline)
    {
        testsupport::dispatchPendingMessages();
        juce::Thread::sleep(1);
        if (between)
            between();
    }
    return condition();
}

void serveFor(int timeoutMs)
{
    serveUntil([] { return false; }, timeoutMs);
}

void asAnotherClient(const std::function<void(::Display*)>& requests)
{
    auto& x11 = *juce::X11Symbols::getInstance();
    ::Display* const other = x11.xOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    requests(other);
    x11.xSync(other, False);
    x11.xCloseDisplay(other);
}
} // namespace onscreen
