#pragma once

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <optional>
#include <string>

namespace testsupport
{

// HOME at a fresh folder below the temporary folder while the object lives, so that the user's
// Music folder, and the preset folders below it, lie inside that folder, for this process and
// the programs it starts. The folder goes at the end, and HOME (with the XDG variables that
// could lead elsewhere, unset meanwhile) comes back.
class ScopedTemporaryHome final
{
public:
    explicit ScopedTemporaryHome(const juce::String& prefix);
    ~ScopedTemporaryHome();

    // Invalid when no folder could be made (HOME is then left as it was).
    const juce::File& folder() const noexcept { return home; }
    // The plug-in's preset folder below this home's Music folder (not created).
    juce::File presetFolder() const;

private:
    struct SavedVariable
    {
        explicit SavedVariable(const char* variableName);
        void restore() const;

        const char* name;
        std::optional<std::string> value;
    };

    SavedVariable savedHome{"HOME"};
    SavedVariable savedConfigHome{"XDG_CONFIG_HOME"};
    SavedVariable savedMusicDir{"XDG_MUSIC_DIR"};
    juce::File home;

    JUCE_DECLARE_NON_COPYABLE(ScopedTemporaryHome)
};

// A ScopedTemporaryHome for the whole test binary, from before the first test to after the last.
// Register it once with ::testing::AddGlobalTestEnvironment.
class TemporaryHomeEnvironment final : public ::testing::Environment
{
public:
    explicit TemporaryHomeEnvironment(juce::String folderPrefix);

    void SetUp() override;
    void TearDown() override;

    // The folder, from the set-up on.
    juce::File folder() const;

private:
    juce::String prefix;
    std::optional<ScopedTemporaryHome> home;
};

} // namespace testsupport
