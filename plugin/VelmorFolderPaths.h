#pragma once

#include <juce_core/juce_core.h>

// Paths below a folder, as the processor, the preset menu and the dialogs store and compare them.
// Stored paths come from host state and typed names, so none of them may lead out of the folder.
namespace velmor
{

// The file a path names from folder: an absolute path (one that starts with a separator) as it
// stands, any other path relative to folder, with backslashes taken as separators and "." and
// ".." resolved. Every other name is taken literally: a leading "~" is a plain character here,
// never another user's home folder (the framework's File reads it so).
juce::File fileNamedBy(const juce::File& folder, const juce::String& path);

// The file a path names below folder (see fileNamedBy). A path that does not end up strictly
// below folder gives the null File().
juce::File resolveInsideFolder(const juce::File& folder, const juce::String& path);

// True when file is folder itself or lies anywhere below it, compared as whole path components
// (a sibling whose name merely starts with the folder's name is outside).
bool isFolderOrInside(const juce::File& folder, const juce::File& file);

// The path of a file below folder relative to it, with forward slashes and no leading separator.
juce::String relativePathBelow(const juce::File& folder, const juce::File& file);

} // namespace velmor
