#pragma once

#include "EditorNaming.h"

#include <array>

// The cases of every format's typing test: a preset name typed into the save-as browser and a
// folder name typed into its new-folder prompt, on the bare Xvfb and with openbox running; with
// clicks into the fields or without them, typing into the browser as it comes up; and, under
// openbox, with each click held as a user holds it.
struct NamingCase
{
    const char* what;
    bool windowManager;
    bool folder;
    EditorNaming::Gestures gestures;

    // The name the user types (the preset's in two goes when the user clicks into the field,
    // with a second click into it between them).
    const char* typed() const { return folder ? "typedfolder" : "typedpreset"; }
    // What that makes in the preset folder.
    const char* made() const { return folder ? "typedfolder" : "typedpreset.vzrp"; }
    // FILE, "Save Preset As...", and the name into the case's dialog.
    void typeInto(EditorNaming& user) const;
};

extern const std::array<NamingCase, 8> namingCases;
