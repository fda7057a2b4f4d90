#include "FrameworkEnvironment.h"

namespace juce
{
// The framework's own message pump (used by its Linux plug-in message thread).
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

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

void dispatchPendingMessages()
{
    while (juce::dispatchNextMessageOnSystemQueue(true))
    {
    }
}

} // namespace testsupport
