#include "ScopedTemporaryHome.h"

#include "UserPresetFolder.h"

#include <cstdlib>
#include <utility>

namespace testsupport
{

ScopedTemporaryHome::SavedVariable::SavedVariable(const char* variableName) : name(variableName)
{
    if (const char* text = std::getenv(name))
        value = text;
}

void ScopedTemporaryHome::SavedVariable::restore() const
{
    if (value.has_value())
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

ScopedTemporaryHome::ScopedTemporaryHome(const juce::String& prefix)
{
    auto pattern = juce::File::getSpecialLocation(juce::File::tempDirectory)
                       .getChildFile(prefix + "-XXXXXX")
                       .getFullPathName()
                       .toStdString();
    if (::mkdtemp(pattern.data()) == nullptr)
        return;

    home = juce::File(pattern);
    // The Music folder is read from $HOME/.config/user-dirs.dirs; nothing outside may leak in.
    ::setenv("HOME", pattern.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_MUSIC_DIR");
}

ScopedTemporaryHome::~ScopedTemporaryHome()
{
    if (home == juce::File())
        return;

    savedHome.restore();
    savedConfigHome.restore();
    savedMusicDir.restore();
    home.deleteRecursively(false);
}

juce::File ScopedTemporaryHome::presetFolder() const
{
    return userPresetFolder();
}

TemporaryHomeEnvironment::TemporaryHomeEnvironment(juce::String folderPrefix)
    : prefix(std::move(folderPrefix))
{
}

void TemporaryHomeEnvironment::SetUp()
{
    home.emplace(prefix);
    ASSERT_NE(home->folder(), juce::File());
    ASSERT_TRUE(
        juce::File::getSpecialLocation(juce::File::userMusicDirectory).isAChildOf(home->folder()));
}

void TemporaryHomeEnvironment::TearDown()
{
    home.reset();
}

juce::File TemporaryHomeEnvironment::folder() const
{
    return home.has_value() ? home->folder() : juce::File();
}

} // namespace testsupport
