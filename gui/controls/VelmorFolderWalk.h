#pragma once

#include <juce_core/juce_core.h>

#include <set>
#include <string>

// One walk down a folder tree. Symbolic links to folders are followed, but never into a folder the
// walk has already entered (directly or through another link): a link back up the tree cannot make
// the walk endless, and a ladder of links cannot make it explode.
class VelmorFolderWalk final
{
public:
    // Records that the walk reaches folder and tells whether to enter it: false only for a link
    // to a folder entered before. A real folder is always entered, even after a link led to it.
    bool descendInto(const juce::File& folder);

    // The immediate sub-folders of folder (hidden ones included), in the order the file system
    // lists them.
    static juce::Array<juce::File> subFoldersOf(const juce::File& folder);

    // The regular files (links followed) directly in folder, hidden ones included, that match the
    // wildcard pattern, in the order the file system lists them: no pipe, device or socket.
    // Matching ignores case, as the file browsers' filter does.
    static juce::Array<juce::File> filesIn(const juce::File& folder, const juce::String& pattern);

private:
    std::set<std::string> entered;
};
