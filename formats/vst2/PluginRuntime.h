#pragma once

#include <StompixZR7714AudioProcessor.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace juce
{
class MessageThread;
}

// What one plug-in instance needs of the framework before anything else: the framework
// initialised, a message thread of its own for timers and asynchronous messages while no editor
// is open (shared by all instances in the process), and the processor.
class PluginRuntime
{
public:
    PluginRuntime();
    ~PluginRuntime();

    PluginRuntime(const PluginRuntime&) = delete;
    PluginRuntime& operator=(const PluginRuntime&) = delete;

    StompixZR7714AudioProcessor& getProcessor() noexcept { return *processor; }

private:
    juce::ScopedJuceInitialiser_GUI libraryInitialiser;
    std::unique_ptr<juce::SharedResourcePointer<juce::MessageThread>> messageThread;
    std::unique_ptr<StompixZR7714AudioProcessor> processor;
};
