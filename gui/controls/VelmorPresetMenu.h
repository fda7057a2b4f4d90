#pragma once

#include "VelmorOptionMenuTree.h"

class StompixZR7714AudioProcessor;

// The editor's preset selector: the folder-tree menu over the preset folder, the bridge to the
// processor's preset reader, writer and comparer, and the changed mark: a "*" after the name while
// the settings no longer match the selected preset file (or the file is not in the tree).
class VelmorPresetMenu : public VelmorOptionMenuTree
{
public:
    explicit VelmorPresetMenu(const juce::String& name);

    // A name too long for the label is shortened before the changed mark, never the mark itself;
    // the label's text stays the whole name and mark.
    void paint(juce::Graphics&) override;

    void setSelectedFilePath(juce::String relativePath) override;
    void setSelectedFileIndex(int itemId) override;
    void menuResult(int result, const Listing& listing) override;

    // Appends the mark, once.
    virtual void setPresetHasChanged();
    // Marks the menu when the selected preset file differs from the processor's current values.
    virtual void compareAndMarkPreset(StompixZR7714AudioProcessor* processor);
    // Loads a preset file (a path relative to the preset folder, or a full path inside it) into the
    // processor; the processor's result, or 0 when there is no such file inside the folder.
    virtual int readPreset(StompixZR7714AudioProcessor* processor, juce::String path);
    // Writes the processor's current settings as a preset file inside the preset folder and
    // selects it; a link there has the file it leads to written. On failure nothing is selected,
    // an existing file keeps its old contents, and the result carries the text to show the user.
    virtual juce::Result writePreset(StompixZR7714AudioProcessor* processor, juce::String path);
    virtual void setMarkedAsChange(bool isMarked);

private:
    juce::File presetFileAt(const juce::String& path) const;

    bool markedAsChange = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorPresetMenu)
};
