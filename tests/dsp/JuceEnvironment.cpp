// The models are action broadcasters, which expect the framework's message manager to exist.
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

namespace
{
class JuceEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override { juce::MessageManager::getInstance(); }
    void TearDown() override { juce::MessageManager::deleteInstance(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new JuceEnvironment);
} // namespace
