// libFuzzer target: any bytes handed to the processor as host state, whole or current program.
// The processor must neither crash nor leave anything out of range, and whatever it ends up
// holding must survive its own save and restore unchanged.

#include "StompixZR7714AudioProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <cstdlib>

namespace
{
void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkInvariants(StompixZR7714AudioProcessor& processor)
{
    check(juce::isPositiveAndBelow(processor.getCurrentProgram(),
                                   StompixZR7714AudioProcessor::numPrograms));

    for (int program = 0; program < StompixZR7714AudioProcessor::numPrograms; ++program)
    {
        const auto& slot = processor.getProgramSlot(program);
        check(slot.activeChannel == 0 || slot.activeChannel == 1);

        for (const auto& values : slot.values)
            for (float value : values)
                check(value >= 0.0f && value <= 1.0f);
    }

    for (int k = 0; k < kNumParameters; ++k)
        check(processor.getCurrentValue(k) == processor.getParameter(k));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto* const framework = new juce::ScopedJuceInitialiser_GUI();
    juce::ignoreUnused(framework);

    const int length = (int)std::min<std::size_t>(size, 1 << 20);
    StompixZR7714AudioProcessor processor;
    processor.setStateInformation(data, length);
    checkInvariants(processor);
    processor.setCurrentProgramStateInformation(data, length);
    checkInvariants(processor);

    juce::MemoryBlock saved;
    processor.getStateInformation(saved);

    StompixZR7714AudioProcessor restored;
    restored.setStateInformation(saved.getData(), (int)saved.getSize());

    juce::MemoryBlock savedAgain;
    restored.getStateInformation(savedAgain);
    check(savedAgain == saved);
    return 0;
}
