#include "VelmorFolderPaths.h"

namespace velmor
{

juce::File resolveInsideFolder(const juce::File& folder, const juce::String& path)
{
    if (folder == juce::File() || path.trim().isEmpty())
        return {};

    // getChildFile only folds leading "..", the File constructor folds the inner ones.
    const auto joined = folder.getChildFile(path.replaceCharacter('\\', '/'));
    const juce::File resolved(joined.getFullPathName());

    return resolved.isAChildOf(folder) ? resolved : juce::File();
}

bool isFolderOrInside(const juce::File& folder, const juce::File& file)
{
    return folder != juce::File() && (file == folder || file.isAChildOf(folder));
}

juce::String relativePathBelow(const juce::File& folder, const juce::File& file)
{
    return file.getRelativePathFrom(folder).replaceCharacter('\\', '/');
}

} // namespace velmor
