// The X server this binary may use, settled before any test environment starts the framework.
// Without a display given the framework would try ":0", which may be somebody else's server: the
// suite then runs headless, with a display number no server can have. Given one (xvfb-run, for
// the Debug run), its window-manager atoms are interned so that real windows work without a
// window manager.

#include "BareXServer.h"

#include <cstdlib>

namespace
{
[[maybe_unused]] const bool displaySettled = []
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        ::setenv("DISPLAY", ":-1", 1);
    else
        BareXServer::internWindowManagerAtoms();
    return true;
}();
} // namespace
