#pragma once

// What the whole binary runs in, set up before the first test in this order: HOME at a
// temporary folder (presets are written below its Music folder), a private Xvfb display for the
// editor's window, and the framework with this thread as its message thread.
namespace HostEnvironment
{
// False when Xvfb could not be started.
bool hasDisplay();
} // namespace HostEnvironment
