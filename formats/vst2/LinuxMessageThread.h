#pragma once

// The framework's message thread for plug-ins on Linux and the event loop a host drives
// through its idle calls. Its header needs the X11 declarations of juce_gui_basics.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>
