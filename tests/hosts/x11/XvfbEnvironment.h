#pragma once

#include "XvfbDisplay.h"

// The private X server of a test binary whose tests open editors: started as the binary starts,
// before any plug-in under test can connect to a display, and stopped when the tests are done.
namespace XvfbEnvironment
{
// The running server, or null when Xvfb could not be started.
const XvfbDisplay* display();
} // namespace XvfbEnvironment
