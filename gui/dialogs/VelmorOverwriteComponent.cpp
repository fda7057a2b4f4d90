#include "VelmorOverwriteComponent.h"

#include "StompixZR7714AudioProcessor.h"
#include "VelmorDialogSupport.h"
#include "VelmorPresetSaving.h"

VelmorOverwriteComponent::VelmorOverwriteComponent(const juce::String& name,
                                                   StompixZR7714AudioProcessor* processorToUse,
                                                   VelmorPresetMenu* presetMenuToUse)
    : VelmorAlertComponent(name, 1, 1, 3), processor(processorToUse), presetMenu(presetMenuToUse),
      failureBox(velmor::addMessageBox(*this))
{
    setTitle({});
}

VelmorOverwriteComponent::~VelmorOverwriteComponent()
{
    processor = nullptr;
    presetMenu = nullptr;
}

void VelmorOverwriteComponent::show(int numberOfButtons, int iconKind)
{
    if (processor != nullptr)
    {
        askedProgram = processor->getCurrentProgram();
        askedChannel = processor->getCurrentProgramSlot().activeChannelIndex();
        askedAfterLoad = processor->getProgramLoads();
    }
    VelmorAlertComponent::show(numberOfButtons, iconKind);
}

bool VelmorOverwriteComponent::isStillAsked() const
{
    return processor == nullptr ||
           (processor->getProgramLoads() == askedAfterLoad &&
            processor->getCurrentProgram() == askedProgram &&
            processor->getCurrentProgramSlot().activeChannelIndex() == askedChannel);
}

void VelmorOverwriteComponent::withdrawIfNoLongerAsked()
{
    if (isVisible() && !isStillAsked())
        cancelButtonClicked();
}

bool VelmorOverwriteComponent::overwriteTarget()
{
    if (presetMenu == nullptr || processor == nullptr)
        return true;

    const auto result = velmor::saveCurrentPreset(*processor, *presetMenu, targetFile);
    if (result.failed())
    {
        velmor::showFailure(*failureBox, result.getErrorMessage());
        return false;
    }

    processor->updateHostDisplay();
    return true;
}

void VelmorOverwriteComponent::okButtonClicked()
{
    if (!isStillAsked())
        cancelButtonClicked();
    else if (overwriteTarget())
        hide();
}

void VelmorOverwriteComponent::cancelButtonClicked()
{
    hide();
}
