#pragma once

// Runs the framework's message loop on the calling (message) thread for a while, so that timers
// and posted messages of the host side are delivered.
namespace MessageLoop
{
void runFor(int milliseconds);
}
