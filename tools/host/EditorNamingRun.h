#pragma once

#include "EditorNaming.h"

#include <juce_core/juce_core.h>

class HostedPlugin;

enum class EditorNamingKind
{
    preset, // a preset saved in the save-as browser
    folder  // a folder made in the save-as browser's new-folder prompt
};

// Opens the plug-in's editor in a window of its own on the X display (DISPLAY), and there names
// a preset or a folder as a user does, with real mouse and key events: FILE, "Save Preset
// As...", then the name typed into the browser's "file:" field (in two goes, with a second click
// into the field between them) or, after a click into that field and New Folder, into the
// prompt's field, and Return; the gestures may leave the clicks into the fields out, or hold
// each click down. Prints where the preset or the folder was made and, on the error stream, what
// the editor did not show. 0 when it was made, otherwise 1.
int runEditorNaming(HostedPlugin& plugin, EditorNamingKind kind, const juce::String& name,
                    EditorNaming::Gestures gestures);
