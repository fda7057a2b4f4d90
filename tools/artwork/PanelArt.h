#pragma once

#include "Supersampled.h"

namespace artwork
{

// The editor's background: the upper panel with the preset display, the pedal face with its
// print (title, knob captions, the model names beside the switch, the logo), and nothing where
// the controls draw themselves.
Supersampled drawPanelBackground();

// Three sweeps a third of a cycle apart, the phaser's motif.
void drawPhaseWaves(juce::Graphics& g, juce::Rectangle<float> area);

// The maker's mark: a ring around a V of two phase-shifted waves.
void drawMakerEmblem(juce::Graphics& g, juce::Point<float> centre, float radius,
                     juce::Colour colour);

// The product logo: maker, product name and model number, filling the area.
void drawProductLogo(juce::Graphics& g, juce::Rectangle<float> area);

} // namespace artwork
