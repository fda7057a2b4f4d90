#include "VelmorFolderWalk.h"

#include "GuardedXml.h"

#include <filesystem>
#include <system_error>

namespace
{
// The entries directly in folder, in the order the file system lists them, that are folders (or
// links to folders) when wantFolders is set, and anything else otherwise. A name is any bytes the
// file system holds: it becomes valid UTF-8 before the framework's text functions see it (the
// framework's own listing hands malformed names to them as they are, and miscounts them).
juce::Array<juce::File> entriesOf(const juce::File& folder, bool wantFolders)
{
    juce::Array<juce::File> entries;
    if (folder == juce::File())
        return entries;

    const auto prefix = juce::File::addTrailingSeparator(folder.getFullPathName());
    std::error_code error;

    for (std::filesystem::directory_iterator it(prefix.toStdString(), error), end;
         !error && it != end; it.increment(error))
    {
        std::error_code typeError;
        if (it->is_directory(typeError) != wantFolders)
            continue;

        const auto name = it->path().filename().native();
        entries.add(juce::File::createFileWithoutCheckingPath(
            prefix + GuardedXml::toValidText(name.data(), name.size())));
    }
    return entries;
}

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
    return entriesOf(folder, true);
}

juce::Array<juce::File> VelmorFolderWalk::filesIn(const juce::File& folder,
                                                  const juce::String& pattern)
{
    const juce::WildcardFileFilter filter(pattern, {}, {});
    auto files = entriesOf(folder, false);
    files.removeIf([&filter](const juce::File& file) { return !filter.isFileSuitable(file); });
    return files;
}
