#pragma once

#include <juce_core/juce_core.h>

#include <vector>

// A parameter value by the plug-in's parameter name ("rate"), set before rendering starts
// (atSeconds < 0) or at a time in the rendered audio.
struct ParameterChange
{
    juce::String name;
    float value = 0.0f;
    double atSeconds = -1.0;
};

struct HostOptions
{
    juce::File plugin;
    bool list = false;
    juce::File input;  // WAV to render; the built-in test signal when empty
    juce::File output; // rendered WAV (32-bit float); nothing is rendered when empty
    juce::File loadState;
    juce::File saveState;
    juce::File editorSnapshot; // a PNG of the editor driven by real mouse events (needs X)
    // Names a user types into the editor's save-as browser and new-folder prompt (needs X), in
    // printable ASCII: the keys of a US keyboard. The user clicks into each dialog's field first
    // or types into it as it comes up, and holds each click down for a while or not at all.
    juce::String editorSaveAs;
    juce::String editorNewFolder;
    bool editorClicksIntoFields = true;
    int editorClickHoldMilliseconds = 0;
    double sampleRate = 0.0; // 0: the input file's rate, or 48000 for the test signal
    int blockSize = 512;
    double tempo = 120.0;
    double seconds = 4.0; // length of the test signal
    int numInputs = 2;
    int numOutputs = 2;
    std::vector<ParameterChange> changes;
};

// Reads the command line (without the program name); false with a message on bad input.
bool parseHostOptions(const juce::StringArray& arguments, HostOptions& options,
                      juce::String& error);

juce::String getHostUsage();
