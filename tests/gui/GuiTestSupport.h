#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// Headless GUI testing: components are painted into images and driven through their mouse
// handlers and the message queue; no window or display is needed.
namespace guitest
{

// A strip whose frames are filled with colours that name them (see frameShown).
juce::Image codedStrip(int width, int frameHeight, int frames);

// Paints the component (and its children) into a transparent image of its size.
juce::Image snapshot(juce::Component& component);

// A glyph that painting drew: its number in its font, the font, and where its baseline starts,
// in the painted component's coordinates.
struct DrawnGlyph
{
    int glyph;
    juce::Font font;
    juce::Point<float> origin;
};

// Paints the component (and its children) as snapshot does and returns the glyphs drawn, in the
// order in which they were drawn.
std::vector<DrawnGlyph> drawnGlyphs(juce::Component& component);

// The numbers of the glyphs that the font draws for the text's visible characters (white space
// draws none).
std::vector<int> visibleGlyphsOf(const juce::Font& font, const juce::String& text);

// The frame of a coded strip that the component shows at a point, or -1 where it drew nothing.
int frameShown(juce::Component& component, juce::Point<int> at);
int frameShown(juce::Component& component);

// The opacity that the component drew with at its centre.
float opacityShown(juce::Component& component);

// A left press and release at a point of a component tree, delivered to the component that
// the framework's hit test finds there, unless a modal component blocks it (then false).
bool pressAt(juce::Component& root, juce::Point<int> at);

// A press, a drag to another point and a release, delivered the same way.
bool dragAt(juce::Component& root, juce::Point<int> from, juce::Point<int> to);

// Runs every message that is waiting (posted clicks, async updates).
void dispatchPendingMessages();

// Clicks a button the way a key press or a posted click does, then delivers the click.
void click(juce::Button& button);

// The child with a component name, or null.
juce::Component* findChild(juce::Component& parent, const juce::String& name);

// Writes the component's picture to $STOMPIX_SNAPSHOT_DIR/<name>.png when that is set.
void saveSnapshotIfAsked(juce::Component& component, const juce::String& name);

} // namespace guitest
