// First: it asks juce_gui_basics for its X11 declarations.
#include "LinuxMessageThread.h"

#include "PluginRuntime.h"

#include <juce_audio_plugin_client/utility/juce_CreatePluginFilter.h>

#include <stdexcept>

namespace
{
std::unique_ptr<StompixZR7714AudioProcessor> createProcessor()
{
    auto created = juce::createPluginFilterOfType(juce::AudioProcessor::wrapperType_VST);
    auto* processor = dynamic_cast<StompixZR7714AudioProcessor*>(created.get());

    if (processor == nullptr)
        throw std::runtime_error("the factory made no Stompix processor");

    created.release();
    return std::unique_ptr<StompixZR7714AudioProcessor>(processor);
}
} // namespace

PluginRuntime::PluginRuntime()
    : messageThread(std::make_unique<juce::SharedResourcePointer<juce::MessageThread>>()),
      processor(createProcessor())
{
}

// The processor goes first, then the message thread (the last instance stops it), and the
// framework shuts down last. After the last instance the framework shuts down on the host's
// thread that closes it, which takes the stopped message thread's place: what the framework
// deletes then (the desktop and its mouse sources, with updates that thread had not delivered
// yet) may only be deleted on the message thread.
PluginRuntime::~PluginRuntime()
{
    processor.reset();
    const bool lastInstance = messageThread->getReferenceCount() == 1;
    messageThread.reset();

    if (lastInstance)
        juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
}
