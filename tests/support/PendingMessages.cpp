#include "PendingMessages.h"

namespace juce
{
// The framework's own message pump (used by its Linux plug-in message thread).
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

namespace testsupport
{

void dispatchPendingMessages()
{
    while (juce::dispatchNextMessageOnSystemQueue(true))
    {
    }
}

} // namespace testsupport
