#pragma once

namespace testsupport
{

// Runs every message that is waiting on this thread's queue (posted clicks, async updates).
void dispatchPendingMessages();

} // namespace testsupport
