#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork::palette
{

// The pedal: a deep violet hammer finish with cream print, black knobs and amber lights.
const juce::Colour faceTop{0xff463c74};
const juce::Colour faceBottom{0xff2b2550};
const juce::Colour faceEdge{0xff15122a};
const juce::Colour print{0xfff1e6c8};
const juce::Colour printDim{0xffb9aed6};
const juce::Colour amber{0xffffb23e};
const juce::Colour amberDim{0xff5a4a3a};
const juce::Colour ledRed{0xffff3b2f};
const juce::Colour ledRedOff{0xff4a1512};

// The upper panel: brushed charcoal with a cream display.
const juce::Colour panelTop{0xff2c2c33};
const juce::Colour panelBottom{0xff1b1b20};
const juce::Colour displayLight{0xffeee7d0};
const juce::Colour displayShade{0xffd3caa9};

// Buttons.
const juce::Colour buttonTop{0xff3d3d46};
const juce::Colour buttonBottom{0xff24242a};
const juce::Colour buttonEdge{0xff0c0c0f};
const juce::Colour buttonText{0xffe6e1d3};

// The dialogs: charcoal panels with a violet rule, light grey text.
const juce::Colour dialogTop{0xff2a2830};
const juce::Colour dialogBottom{0xff1c1b21};
const juce::Colour dialogEdge{0xff4d4470};
const juce::Colour dialogWell{0xff141318};
const juce::Colour dialogText{0xffd3d3d3};

} // namespace artwork::palette
