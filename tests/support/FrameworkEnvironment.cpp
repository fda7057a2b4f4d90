#include "FrameworkEnvironment.h"

namespace testsupport
{

void FrameworkEnvironment::SetUp()
{
    framework = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
}

void FrameworkEnvironment::TearDown()
{
    dispatchPendingMessages();
    framework.reset();
}

} // namespace testsupport
