#pragma once

// The framework's messages (timer callbacks, asynchronous updates) wait in the module's own
// queue: no run loop of the host's drives them on this platform. The host's main thread, which
// is the framework's message thread, dispatches them when the host wakes the plug-in's timers.
namespace AaxMessageLoop
{
// Dispatches every message waiting now; does nothing on any thread but the message thread.
void DispatchPendingMessages();
} // namespace AaxMessageLoop
