#pragma once

#include <juce_core/juce_core.h>

// The values a host or the editor writes to the processor's parameters: any value on a knob,
// 0 or 1 on a switch (the effect mostly on), one of the three steps on the type switch.
namespace ParameterWrites
{
float randomValue(juce::Random& random, int index);

// A parameter a host automates from its audio thread: mostly the knobs, now and then a switch,
// seldom the type, so that the model switch's debounce runs out between type changes.
int randomAutomatedIndex(juce::Random& random);
} // namespace ParameterWrites
