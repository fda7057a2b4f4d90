#include "FrameworkEnvironment.h"

// The framework's message manager and timer thread, once for the whole test binary.
static const auto* const framework =
    ::testing::AddGlobalTestEnvironment(new testsupport::FrameworkEnvironment);
