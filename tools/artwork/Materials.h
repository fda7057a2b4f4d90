#pragma once

#include <juce_graphics/juce_graphics.h>

// Surfaces and small parts that several pictures share.
namespace artwork
{

// Speckle of a hammer finish (brushed = horizontal streaks of brushed metal), one grain per
// final pixel, from a fixed seed so that every run draws the same grain.
void addGrain(juce::Graphics& g, juce::Rectangle<int> area, juce::int64 seed, float strength,
              bool brushed);

// A round, soft shadow falling below an object of the given radius.
void drawRoundShadow(juce::Graphics& g, juce::Point<float> centre, float radius, float spread,
                     float alpha);

void drawScrew(juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle);

// A panel lamp in a chrome bezel; unlit it shows its dark lens.
void drawLed(juce::Graphics& g, juce::Point<float> centre, float radius, juce::Colour colour,
             bool lit);

// The face of a dark push button; pressed, it sits lower and darker.
void drawButtonFace(juce::Graphics& g, juce::Rectangle<float> area, float corner, bool pressed);

// A recessed area: a darker well with a shadowed top edge and a lit bottom edge.
void drawRecess(juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill);

// A circle with ridges on its edge, turned by an angle (radians).
juce::Path knurledCircle(juce::Point<float> centre, float radius, float depth, int ridges,
                         float rotation);

// The point at a distance from a centre, at an angle clockwise from twelve o'clock.
juce::Point<float> polar(juce::Point<float> centre, float radius, float angle);

} // namespace artwork
