#include "VelmorPresetBrowser.h"

#include "PresetFiles.h"
#include "StompixZR7714AudioProcessor.h"
#include "VelmorDialogSupport.h"
#include "VelmorFolderPaths.h"
#include "VelmorOverwriteComponent2.h"
#include "VelmorPresetSaving.h"

namespace
{
const juce::String presetExtension{".vzrp"};

// The preset's name is its file name without the extension; a blank one would show as an empty
// label and an empty menu entry.
bool namesAPreset(const juce::File& file)
{
    auto name = file.getFileName();
    if (name.endsWith(presetExtension))
        name = name.dropLastCharacters(presetExtension.length());
    return name.trim().isNotEmpty();
}
} // namespace

VelmorPresetBrowser::VelmorPresetBrowser(const juce::String& name, const juce::String& title,
                                         const juce::File& presetFolder,
                                         const juce::String& filePattern, int browserMode,
                                         int titleKind, int okKind, int cancelKind,
                                         int newFolderKind,
                                         StompixZR7714AudioProcessor* processorToUse,
                                         VelmorPresetMenu* presetMenuToUse)
    : VelmorFileBrowser(name, title, presetFolder, filePattern, browserMode, titleKind, okKind,
                        cancelKind, newFolderKind),
      processor(processorToUse), presetMenu(presetMenuToUse),
      overwriteConfirmation(std::make_unique<VelmorOverwriteComponent2>(
          "overwriteComponent_", processorToUse, presetMenuToUse))
{
    addChildComponent(overwriteConfirmation.get());
    overwriteConfirmation->needChangeParentModal(true);
    failureBox = velmor::addMessageBox(*this);
    watchDialogOver(*overwriteConfirmation);
    watchDialogOver(*failureBox);
}

VelmorPresetBrowser::~VelmorPresetBrowser()
{
    processor = nullptr;
    presetMenu = nullptr;
}

void VelmorPresetBrowser::timerCallback()
{
    auto* fileBrowser = getBrowser();
    if (getMode() != 5 || fileBrowser == nullptr)
        return;

    // Inside means the preset folder itself or anything below it, never a sibling folder whose
    // name merely begins with the preset folder's name.
    const auto selected = getSelectedFile();
    const bool inside = velmor::isFolderOrInside(getRootFolder(), selected);
    velmor::setButtonActive(*getOkButton(),
                            inside && selectedFileIsValid() && namesAPreset(selected));
    velmor::setButtonActive(*getNewFolderButton(), inside);
}

void VelmorPresetBrowser::okButtonClicked()
{
    if (getMode() != 5)
        return;

    savePreset();
    if (processor != nullptr)
        processor->updateHostDisplay();
}

void VelmorPresetBrowser::cancelButtonClicked()
{
    hide();
}

void VelmorPresetBrowser::withdrawQuestionIfNoLongerAsked()
{
    overwriteConfirmation->withdrawIfNoLongerAsked();
}

void VelmorPresetBrowser::savePreset()
{
    auto* fileBrowser = getBrowser();
    if (presetMenu == nullptr || processor == nullptr || fileBrowser == nullptr)
        return;

    // A name for a file below the preset folder, not the folder shown.
    auto path = getSelectedFile().getFullPathName();
    if (path.isEmpty() || !juce::File(path).isAChildOf(getRootFolder()) ||
        juce::File(path) == fileBrowser->getRoot() || !namesAPreset(juce::File(path)))
        return;

    if (!path.endsWith(presetExtension))
        path += presetExtension;
    const juce::File file(path);

    // Any entry of that name but a folder is asked about, a link to nothing among them: the save
    // then says why it cannot go there instead of putting a file in the link's place.
    if (PresetFiles::namesAnEntry(file) && !file.isDirectory())
    {
        overwriteConfirmation->setBounds(0, 0, 325, 454);
        overwriteConfirmation->targetFile = file;
        overwriteConfirmation->setTitle(velmor::overwriteQuestion(file, getRootFolder()));
        overwriteConfirmation->show(2, 1);
        return;
    }

    const auto result = velmor::saveCurrentPreset(*processor, *presetMenu, file);
    if (result.failed())
    {
        velmor::showFailure(*failureBox, result.getErrorMessage());
        return;
    }

    fileBrowser->refresh();
    hide();
}
