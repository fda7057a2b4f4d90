#include "VelmorFolderWalk.h"

#include "PresetFiles.h"

#include <filesystem>
#include <system_error>

namespace
{
// The folder's path with every link resolved, so that two roads to one folder compare equal.
std::string identityOf(const juce::File& folder)
{
    const auto path = folder.getFullPathName().toStdString();
    std::error_code error;
    const auto canonical = std::filesystem::canonical(path, error);
    return error ? path : canonical.string();
}
} // namespace

bool VelmorFolderWalk::descendInto(const juce::File& folder)
{
    const bool firstTime = entered.insert(identityOf(folder)).second;
    return firstTime || !folder.isSymbolicLink();
}

juce::Array<juce::File> VelmorFolderWalk::subFoldersOf(const juce::File& folder)
{
    return folder.findChildFiles(juce::File::findDirectories, false, "*");
}

juce::Array<juce::File> VelmorFolderWalk::filesIn(const juce::File& folder,
                                                  const juce::String& pattern)
{
    const juce::WildcardFileFilter filter(pattern, {}, {});
    auto files = folder.findChildFiles(juce::File::findFiles, false, "*");
    files.removeIf([&filter](const juce::File& file)
                   { return !filter.isFileSuitable(file) || !PresetFiles::isRegularFile(file); });
    return files;
}
