#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace
{
// The test's own framework, for the processor the module's audio is compared with. The module
// runs a framework of its own, which the host's main thread (this thread) drives as well.
class JuceEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override { framework = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { framework.reset(); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> framework;
};

const auto* const juceEnvironment = ::testing::AddGlobalTestEnvironment(new JuceEnvironment());
} // namespace
