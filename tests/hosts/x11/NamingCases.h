#pragma once

#include "EditorNaming.h"

// The cases of every format's typing test: a preset name typed into the save-as browser and a
// folder name typed into its new-folder prompt, on the bare Xvfb and with openbox running.
struct NamingCase
{
    const char* what;
    bool windowManager;
    bool folder;

    // The name the user types: the preset's in two goes, with a second click into the field
    // between them.
    const char* typed() const { return folder ? "typedfolder" : "typedpreset"; }
    // What that makes in the preset folder.
    const char* made() const { return folder ? "typedfolder" : "typedpreset.vzrp"; }
    // FILE, "Save Preset As...", and the name into the case's dialog.
    void typeInto(EditorNaming& user) const;
};

extern const NamingCase namingCases[4];
