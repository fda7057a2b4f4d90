// libFuzzer target: any bytes handed to the processor as host state, whole or current program.
// The processor must neither crash nor leave anything out of range, and whatever it ends up
// holding must survive its own save and restore unchanged.

#include "StompixZR7714AudioProcessor.h"

#include <FuzzTarget.h>
#include <PendingMessages.h>
#include <ProcessorInvariants.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

using fuzztarget::check;
using fuzztarget::checkProcessorInvariants;

extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzztarget::runHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto* const framework = new juce::ScopedJuceInitialiser_GUI();
    juce::ignoreUnused(framework);

    const int length = (int)std::min<std::size_t>(size, 1 << 20);
    StompixZR7714AudioProcessor processor;
    processor.setStateInformation(data, length);
    checkProcessorInvariants(processor);
    processor.setCurrentProgramStateInformation(data, length);
    checkProcessorInvariants(processor);

    juce::MemoryBlock saved;
    processor.getStateInformation(saved);

    StompixZR7714AudioProcessor restored;
    restored.setStateInformation(saved.getData(), (int)saved.getSize());

    juce::MemoryBlock savedAgain;
    restored.getStateInformation(savedAgain);
    check(savedAgain == saved);
    // Delivered as a host's message loop would between two calls: left in the queue, the
    // messages of one input after another would pile up.
    testsupport::dispatchPendingMessages();
    return 0;
}
