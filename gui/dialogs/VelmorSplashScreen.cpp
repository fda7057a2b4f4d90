#include "VelmorSplashScreen.h"

#include "EmbeddedImage.h"
#include "VelmorDialogSupport.h"

#include <StompixZR7714BinImg.h>

VelmorSplashScreen::VelmorSplashScreen(const juce::String& name) : juce::Component(name)
{
    backgroundImage =
        decodeEmbeddedImage(StompixZR7714BinImg::about_png, StompixZR7714BinImg::about_pngSize);
    setSize(backgroundImage.getWidth(), backgroundImage.getHeight());

    versionLabel_ = std::make_unique<juce::Label>("versionLabel_", juce::String());
    addAndMakeVisible(*versionLabel_);
    versionLabel_->setBounds(150, 112, 100, 16);
    versionLabel_->setJustificationType(juce::Justification::bottomLeft);
    versionLabel_->setColour(juce::Label::textColourId, juce::Colour(211, 211, 211));

    setVisible(false);
}

VelmorSplashScreen::~VelmorSplashScreen() = default;

void VelmorSplashScreen::setVersion(const juce::String& text)
{
    versionLabel_->setText(text, juce::dontSendNotification);
}

void VelmorSplashScreen::show()
{
    // A show while shown changes nothing.
    velmor::enterModalState(*this);
    setVisible(true);
}

void VelmorSplashScreen::hide()
{
    if (isCurrentlyModal(false))
        exitModalState(1);
    setVisible(false);
}

void VelmorSplashScreen::mouseDown(const juce::MouseEvent&)
{
    // Presses on the version label go to the label, not here.
    hide();
}

void VelmorSplashScreen::paint(juce::Graphics& g)
{
    g.drawImage(backgroundImage, 0, 0, proportionOfWidth(1.0f), proportionOfHeight(1.0f), 0, 0,
                backgroundImage.getWidth(), backgroundImage.getHeight(), false);
}
