#pragma once

#include "Supersampled.h"

// The editor's switches and buttons, each frame drawn over the panel it sits on (opaque).
namespace artwork
{

// Off released, off pressed, on released, on pressed: a chrome footswitch below a red lamp.
juce::Image drawFootswitchStrip(const Supersampled& backdrop);

// The three-position model slide switch, thumb at the top (Type 1) in frame 0.
juce::Image drawModelSwitchStrip(const Supersampled& backdrop);

// A latching button with a lamp and a name: off above, on below.
juce::Image drawToggleStrip(const Supersampled& backdrop, const juce::String& name);

// Momentary buttons of the upper panel: released above, pressed below.
juce::Image drawFileButtonStrip(const Supersampled& backdrop);
juce::Image drawArrowButtonStrip(const Supersampled& backdrop, bool pointsRight);
juce::Image drawCopyButtonStrip(const Supersampled& backdrop, const juce::String& from,
                                const juce::String& to);

// The A/B slot switch: A lit above, B lit below.
juce::Image drawSlotSwitchStrip(const Supersampled& backdrop);

} // namespace artwork
