#include "MessageLoop.h"

#include <juce_events/juce_events.h>

namespace juce
{
// Defined by the framework's Linux message queue; its header does not declare it.
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

namespace MessageLoop
{
void runFor(int milliseconds)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32)milliseconds;

    while (juce::Time::getMillisecondCounter() < end)
        if (!juce::dispatchNextMessageOnSystemQueue(true))
            juce::Thread::sleep(1);
}
} // namespace MessageLoop
