#include "VelmorFolderPaths.h"

namespace velmor
{

juce::File fileNamedBy(const juce::File& folder, const juce::String& path)
{
    const auto slashed = path.replaceCharacter('\\', '/');
    if (slashed.startsWithChar('/'))
        return juce::File(slashed);

    // "./" first: getChildFile and the File constructor take a leading "~" for a home folder.
    // getChildFile only folds leading "..", the File constructor folds the inner ones.
    const auto joined = folder.getChildFile("./" + slashed);
    return juce::File(joined.getFullPathName());
}

juce::File resolveInsideFolder(const juce::File& folder, const juce::String& path)
{
    if (folder == juce::File() || path.trim().isEmpty())
        return {};

    const auto resolved = fileNamedBy(folder, path);
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
