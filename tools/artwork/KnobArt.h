#pragma once

#include "Supersampled.h"

namespace artwork
{

// A black knob with a cream pointer over a ring of amber scale lights, one frame per value
// step from the minimum (frame 0, pointer at seven o'clock) to the maximum (five o'clock).
// Opaque: each frame is drawn over the panel it sits on.
juce::Image drawKnobStrip(const Supersampled& backdrop, int frames);

// The tempo-division knob: the same knob, stepping through the note values that it prints on
// its cap, with an amber marker on its rim. Transparent around the knob.
juce::Image drawDivisionKnobStrip(int width, int frameHeight);

} // namespace artwork
