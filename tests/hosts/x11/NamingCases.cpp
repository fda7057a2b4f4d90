#include "NamingCases.h"

const NamingCase namingCases[4] = {{"preset, no window manager", false, false},
                                   {"folder, no window manager", false, true},
                                   {"preset, openbox", true, false},
                                   {"folder, openbox", true, true}};

void NamingCase::typeInto(EditorNaming& user) const
{
    user.openSaveAsBrowser();
    if (folder)
        user.typeIntoNewFolderPrompt(typed());
    else
        user.typeIntoSaveAsBrowser("typed", "preset");
}
