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
// framework shuts down last.
PluginRuntime::~PluginRuntime()
{
    processor.reset();
    messageThread.reset();
}
