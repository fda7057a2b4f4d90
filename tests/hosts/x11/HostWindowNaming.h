#pragma once

#include "HostWindow.h"

#include <functional>

// What a test host does for the typing cases with a plug-in module's editor in a host window of
// its own: a fresh instance's editor opened into the window (false when it did not open), the
// host's idle calls, and the editor closed again.
struct NamingHost
{
    std::function<bool(const HostWindow&)> openEditor;
    std::function<void()> idle;
    std::function<void()> closeEditor;
};

// Every one of the typing cases (NamingCases.h), each in a temporary home of its own (the prefix
// names its folder) and a new host window, under openbox where the case has it: the name typed
// into the editor's dialog makes the preset or the folder, and the editor leaves the window when
// closed.
void expectTypedNamesMakeTheirFiles(const char* homePrefix, const NamingHost& host);
