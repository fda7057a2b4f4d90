#include "ArtworkCatalogue.h"

#include "DialogArt.h"
#include "KnobArt.h"
#include "PanelArt.h"
#include "PanelButtonArt.h"
#include "PanelLayout.h"

namespace artwork
{

std::vector<ArtworkImage> drawArtwork()
{
    const auto background = drawPanelBackground();
    const auto under = [&background](juce::Rectangle<int> control)
    { return background.crop(control); };

    const juce::String panel = "StompixZR7714BinImg";
    const juce::String upper = "StompixModulationUpperPanelBinImg";
    const juce::String dialog = "StompixDialogBoxBinImg";

    return {
        {panel, "about", 1, drawAboutPanel()},
        {panel, "bg_phaser", 1, background.downsample(juce::Image::ARGB)},
        {panel, "bypass", 4, drawFootswitchStrip(under(layout::bypassButton))},
        {panel, "depth", 101, drawKnobStrip(under(layout::depthKnob), 101)},
        {panel, "feedback", 101, drawKnobStrip(under(layout::feedbackKnob), 101)},
        {panel, "level", 101, drawKnobStrip(under(layout::levelKnob), 101)},
        {panel, "mix", 101, drawKnobStrip(under(layout::mixKnob), 101)},
        {panel, "rate", 101, drawKnobStrip(under(layout::rateKnob), 101)},
        {panel, "rate_sync", 19,
         drawDivisionKnobStrip(layout::rateKnob.getWidth(), layout::rateKnob.getHeight())},
        {panel, "type", 3, drawModelSwitchStrip(under(layout::typeSwitch))},

        {upper, "ab", 2, drawSlotSwitchStrip(under(layout::abButton))},
        {upper, "atob", 2, drawCopyButtonStrip(under(layout::abCopyButton), "A", "B")},
        {upper, "btoa", 2, drawCopyButtonStrip(under(layout::abCopyButton), "B", "A")},
        {upper, "file", 2, drawFileButtonStrip(under(layout::fileButton))},
        {upper, "left", 2, drawArrowButtonStrip(under(layout::presetDecButton), false)},
        {upper, "right", 2, drawArrowButtonStrip(under(layout::presetIncButton), true)},
        {upper, "stereo", 2, drawToggleStrip(under(layout::stereoButton), "STEREO")},
        {upper, "sync", 2, drawToggleStrip(under(layout::syncButton), "SYNC")},

        {dialog, "browser_textonly_import", 1, drawTitleOverlay("Import Preset")},
        {dialog, "browser_textonly_load", 1, drawTitleOverlay("Load Preset")},
        {dialog, "browser_textonly_save_as", 1, drawTitleOverlay("Save Preset As")},
        {dialog, "cancel", 2, drawDialogButtonStrip("CANCEL", false)},
        {dialog, "dialog_box_clean", 1, drawDialogBox()},
        {dialog, "download", 2, drawDialogButtonStrip("DOWNLOAD", true)},
        {dialog, "file_browser_clean", 1, drawFileBrowserBox()},
        {dialog, "icononly_asterix", 1, drawIconOverlay(Icon::asterisk)},
        {dialog, "icononly_frown", 1, drawIconOverlay(Icon::frown)},
        {dialog, "icononly_smile", 1, drawIconOverlay(Icon::smile)},
        {dialog, "import", 2, drawDialogButtonStrip("IMPORT", true)},
        {dialog, "newfolder", 2, drawDialogButtonStrip("NEW FOLDER", false)},
        {dialog, "ok", 2, drawDialogButtonStrip("OK", true)},
        {dialog, "overwrite", 2, drawDialogButtonStrip("OVERWRITE", true)},
        {dialog, "save", 2, drawDialogButtonStrip("SAVE", true)},
    };
}

juce::Image frameOf(const ArtworkImage& artwork, int frame)
{
    const int height = artwork.image.getHeight() / artwork.frames;
    return artwork.image.getClippedImage({0, frame * height, artwork.image.getWidth(), height});
}

const ArtworkImage& find(const std::vector<ArtworkImage>& artwork, const juce::String& name)
{
    for (const auto& image : artwork)
        if (image.name == name)
            return image;
    jassertfalse;
    return artwork.front();
}

} // namespace artwork
