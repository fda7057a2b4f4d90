#pragma once

#include <juce_graphics/juce_graphics.h>

// The dialogs' pictures, all with alpha: panels, title and icon overlays, button strips, and
// the about panel.
namespace artwork
{

// Opaque only in the rows of the panel; the editor stays visible above and below it.
juce::Image drawDialogBox();
juce::Image drawFileBrowserBox();

enum class Icon
{
    asterisk,
    smile,
    frown,
};
// Transparent but for the symbol, which sits where the message box expects it.
juce::Image drawIconOverlay(Icon icon);
// Transparent but for the browser's title line.
juce::Image drawTitleOverlay(const juce::String& title);

// Released above, pressed below; primary buttons are violet, the others charcoal.
juce::Image drawDialogButtonStrip(const juce::String& label, bool primary);

// The about panel: a card with the logo, a caption for the version and the credits, over a
// dark veil that dims the editor behind it.
juce::Image drawAboutPanel();

} // namespace artwork
