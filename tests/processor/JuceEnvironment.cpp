#include "ProcessorTestSupport.h"

static const auto* const juceEnvironment =
    ::testing::AddGlobalTestEnvironment(new JuceEnvironment());
