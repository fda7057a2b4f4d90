#include "VelmorAlertComponent.h"

#include "DialogImages.h"
#include "EmbeddedImage.h"
#include "VelmorDialogSupport.h"
#include "VelmorMessageLabel.h"

#include <StompixDialogBoxBinImg.h>

namespace
{
const juce::Rectangle<int> twoButtonOk{16, 307, 132, 51};
const juce::Rectangle<int> twoButtonCancel{179, 307, 132, 51};
const juce::Rectangle<int> oneButtonOk{97, 307, 132, 51};
constexpr int iconTop = 12;
// The message keeps clear of the icon's symbol, which ends 156 pixels below the icon's top,
// and of the buttons' row below it.
constexpr int textTop = iconTop + 156;
constexpr int textBottom = 307 - 4;
} // namespace

VelmorAlertComponent::VelmorAlertComponent(const juce::String& name, int iconKind, int okImageKind,
                                           int cancelImageKind)
    : juce::Component(name), iconType(iconKind), okImageType(okImageKind),
      cancelImageType(cancelImageKind)
{
    needChangeParentModal(false);

    backgroundImage = decodeEmbeddedImage(StompixDialogBoxBinImg::dialog_box_clean_png,
                                          StompixDialogBoxBinImg::dialog_box_clean_pngSize);
    setSize(backgroundImage.getWidth(), backgroundImage.getHeight());
    iconImage = DialogImages::loadIconImage(iconType);

    titleLabel = std::make_unique<VelmorMessageLabel>("titleText_", juce::String());
    addAndMakeVisible(*titleLabel);
    titleLabel->setJustificationType(juce::Justification::centred);
    titleLabel->setColour(juce::Label::textColourId, juce::Colour(211, 211, 211));

    okButton = std::make_unique<Velmor2StateKickButton>("OK");
    addAndMakeVisible(*okButton);
    okButton->setImage(DialogImages::loadButtonImage(okImageType));
    okButton->addListener(this);

    cancelButton = std::make_unique<Velmor2StateKickButton>("CANCEL");
    addAndMakeVisible(*cancelButton);
    cancelButton->setImage(DialogImages::loadButtonImage(cancelImageType));
    cancelButton->addListener(this);
}

VelmorAlertComponent::~VelmorAlertComponent()
{
    okButton->removeListener(this);
    cancelButton->removeListener(this);
}

void VelmorAlertComponent::setTitle(const juce::String& text)
{
    titleLabel->setText(text, juce::dontSendNotification);
}

void VelmorAlertComponent::show(int numberOfButtons, int iconKind)
{
    if (numberOfButtons != 1 && numberOfButtons != 2)
        return;

    auto* parent = getParentComponent();
    if (changeParentModal && parent != nullptr && parent->isCurrentlyModal())
    {
        parent->exitModalState(1);
        holdsParentModalState = true;
    }

    // A show while shown only lays the box out again.
    velmor::enterModalState(*this);

    if (iconKind != iconType)
    {
        iconType = iconKind;
        iconImage = DialogImages::loadIconImage(iconType);
    }

    titleLabel->setBoundsRelative(0.1f, 0.3f, 0.8f, 0.4f);
    const auto textArea = titleLabel->getBounds();
    titleLabel->setBorderSize({juce::jmax(0, textTop - textArea.getY()), 5,
                               juce::jmax(0, textArea.getBottom() - textBottom), 5});
    if (numberOfButtons == 2)
    {
        okButton->setBounds(twoButtonOk);
        cancelButton->setBounds(twoButtonCancel);
        cancelButton->setVisible(true);
    }
    else
    {
        okButton->setBounds(oneButtonOk);
        cancelButton->setVisible(false);
    }
    setVisible(true);
}

void VelmorAlertComponent::hide()
{
    if (isCurrentlyModal(false))
        exitModalState(1);

    // Only a state this box took goes back, and only to a parent still on show: the framework
    // would otherwise make a parent that was never modal, or was hidden meanwhile, visible.
    auto* parent = getParentComponent();
    if (holdsParentModalState && parent != nullptr && parent->isVisible())
        velmor::enterModalState(*parent);
    holdsParentModalState = false;

    setVisible(false);
}

void VelmorAlertComponent::okButtonClicked()
{
    hide();
}

void VelmorAlertComponent::cancelButtonClicked()
{
    hide();
}

void VelmorAlertComponent::needChangeParentModal(bool shouldChangeParentModal)
{
    changeParentModal = shouldChangeParentModal;
}

void VelmorAlertComponent::buttonClicked(juce::Button* button)
{
    if (button == okButton.get())
        okButtonClicked();
    else if (button == cancelButton.get())
        cancelButtonClicked();
}

void VelmorAlertComponent::paint(juce::Graphics& g)
{
    g.drawImageAt(backgroundImage, 0, 0, false);
    g.drawImageAt(iconImage, proportionOfWidth(0.5f) - iconImage.getWidth() / 2, iconTop, false);
}
