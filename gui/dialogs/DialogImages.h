#pragma once

#include <juce_graphics/juce_graphics.h>

// The pictures that the dialogs choose by number, decoded afresh on each call.
namespace DialogImages
{

// Button strips (132 x 102, released above, pressed below): 3 and 4 cancel, 5 save, 7 import,
// 8 new folder, 9 download, 10 overwrite, every other kind OK.
juce::Image loadButtonImage(int kind);

// Message-box icons: 2 the OK button's strip, 3 smile, 4 frown, every other kind the asterisk.
juce::Image loadIconImage(int kind);

} // namespace DialogImages
