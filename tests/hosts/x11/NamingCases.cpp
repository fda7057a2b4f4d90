#include "NamingCases.h"

namespace
{
constexpr EditorNaming::Gestures clicks{true, 0};
constexpr EditorNaming::Gestures heldClicks{true, 120};
constexpr EditorNaming::Gestures noClicks{false, 0};
} // namespace

// The clicks are held only under openbox, where the window's focus change then comes between
// the press and the release.
const std::array<NamingCase, 8> namingCases{{
    {"preset, no window manager", false, false, clicks},
    {"folder, no window manager", false, true, clicks},
    {"preset typed as the browser comes up, no window manager", false, false, noClicks},
    {"preset, openbox", true, false, clicks},
    {"folder, openbox", true, true, clicks},
    {"preset, openbox, clicks held", true, false, heldClicks},
    {"folder, openbox, clicks held", true, true, heldClicks},
    {"preset typed as the browser comes up, openbox", true, false, noClicks},
}};

void NamingCase::typeInto(EditorNaming& user) const
{
    user.openSaveAsBrowser();
    if (folder)
        user.typeIntoNewFolderPrompt(typed());
    else
        user.typeIntoSaveAsBrowser(typed());
}
