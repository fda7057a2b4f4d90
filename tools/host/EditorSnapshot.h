#pragma once

#include <juce_core/juce_core.h>

class HostedPlugin;

// Opens the plug-in's editor in a window of its own on the X display (DISPLAY), drives it with
// real mouse events from xdotool (drags the depth knob up, presses the footswitch, opens the
// file menu), writes a screenshot of the window with the menu open as a PNG, closes the menu and
// the editor, and prints what each gesture did. 0 when every gesture reached the plug-in and the
// picture was written; otherwise 1 with a message on the error stream.
int runEditorSnapshot(HostedPlugin& plugin, const juce::File& png);
