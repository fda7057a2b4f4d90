#pragma once

#include "PendingMessages.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace testsupport
{

// The framework's message manager, timer thread and GUI layer for the whole test binary,
// started before the first test. After the last, the messages still waiting run before the
// framework shuts down. Register it once with ::testing::AddGlobalTestEnvironment.
class FrameworkEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> framework;
};

} // namespace testsupport
