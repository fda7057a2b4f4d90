#include "DialogImages.h"

#include "EmbeddedImage.h"

#include <StompixDialogBoxBinImg.h>

namespace DialogImages
{
namespace images = StompixDialogBoxBinImg;

juce::Image loadButtonImage(int kind)
{
    switch (kind)
    {
    case 3:
    case 4:
        return decodeEmbeddedImage(images::cancel_png, images::cancel_pngSize);
    case 5:
        return decodeEmbeddedImage(images::save_png, images::save_pngSize);
    case 7:
        return decodeEmbeddedImage(images::import_png, images::import_pngSize);
    case 8:
        return decodeEmbeddedImage(images::newfolder_png, images::newfolder_pngSize);
    case 9:
        return decodeEmbeddedImage(images::download_png, images::download_pngSize);
    case 10:
        return decodeEmbeddedImage(images::overwrite_png, images::overwrite_pngSize);
    default:
        return decodeEmbeddedImage(images::ok_png, images::ok_pngSize);
    }
}

juce::Image loadIconImage(int kind)
{
    switch (kind)
    {
    case 2:
        return decodeEmbeddedImage(images::ok_png, images::ok_pngSize);
    case 3:
        return decodeEmbeddedImage(images::icononly_smile_png, images::icononly_smile_pngSize);
    case 4:
        return decodeEmbeddedImage(images::icononly_frown_png, images::icononly_frown_pngSize);
    default:
        return decodeEmbeddedImage(images::icononly_asterix_png, images::icononly_asterix_pngSize);
    }
}

} // namespace DialogImages
