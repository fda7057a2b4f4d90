#pragma once

#include "FuzzTarget.h"

#include <StompixZR7714AudioProcessor.h>

namespace fuzztarget
{
// Whatever a processor was handed, its program, its slots and its live values stay in range, and
// the live values are those of the current slot's active channel.
inline void checkProcessorInvariants(StompixZR7714AudioProcessor& processor)
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
} // namespace fuzztarget
