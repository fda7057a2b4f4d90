#pragma once

#include "ArtworkCatalogue.h"

namespace artwork
{

// One picture that shows every image: the editor put together in two states, the dialogs
// over it, then each image (strips frame by frame) with its size, frames and channels.
juce::Image drawContactSheet(const std::vector<ArtworkImage>& artwork);

// The put-together views of the sheet alone, each twice its size for a close look.
std::vector<std::pair<juce::String, juce::Image>>
drawPreviews(const std::vector<ArtworkImage>& artwork);

} // namespace artwork
