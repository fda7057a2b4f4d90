#include "AaxMessageLoop.h"

#include <juce_events/juce_events.h>

namespace juce
{
// The framework's own dispatch of the next waiting message on this platform.
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

namespace AaxMessageLoop
{
namespace
{
// Enough for every message a wake-up finds; a message that posts another waits for the next.
constexpr int maxMessagesPerWakeUp = 256;
} // namespace

void DispatchPendingMessages()
{
    if (!juce::MessageManager::existsAndIsCurrentThread())
        return;
    for (int count = 0; count < maxMessagesPerWakeUp; ++count)
        if (!juce::dispatchNextMessageOnSystemQueue(true))
            return;
}
} // namespace AaxMessageLoop
