#include "DynamicSymbols.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
// A host binds to the three entry points; everything else binds inside the module, so that a
// library in the host's global scope that defines the framework's names (another plug-in on
// another version of the framework) never receives the module's own calls.
TEST(Vst3ModuleExports, AreTheThreeEntryPointsAlone)
{
    std::string error;
    const auto exported = testsupport::definedDynamicSymbols(STOMPIX_VST3_MODULE_PATH, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(exported, (std::set<std::string>{"GetPluginFactory", "ModuleEntry", "ModuleExit"}));
}
} // namespace
