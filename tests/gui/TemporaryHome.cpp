#include "TemporaryHome.h"

#include "ScopedTemporaryHome.h"
#include "UserPresetFolder.h"

namespace
{
auto* const environment =
    static_cast<testsupport::TemporaryHomeEnvironment*>(::testing::AddGlobalTestEnvironment(
        new testsupport::TemporaryHomeEnvironment("stompix-gui-home")));
} // namespace

juce::File temporaryHome()
{
    return environment->folder();
}

juce::File presetFolderInTemporaryHome()
{
    return userPresetFolder();
}
