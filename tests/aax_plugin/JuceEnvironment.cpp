#include "FrameworkEnvironment.h"
#include "ScopedTemporaryHome.h"

// The test's own framework, for the processor the module's audio is compared with. The module
// runs a framework of its own, which the host's main thread (this thread) drives as well.
static const auto* const framework =
    ::testing::AddGlobalTestEnvironment(new testsupport::FrameworkEnvironment);
// The module's editor reads the preset folder below the Music folder.
static const auto* const temporaryHome = ::testing::AddGlobalTestEnvironment(
    new testsupport::TemporaryHomeEnvironment("stompix-aax-home"));
