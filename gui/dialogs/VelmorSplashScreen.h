#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The about panel: a picture the size of the editor with the version written into it. It
// comes up modally over the editor and goes at the next click anywhere on it but the version.
class VelmorSplashScreen final : public juce::Component
{
public:
    explicit VelmorSplashScreen(const juce::String& componentName);
    ~VelmorSplashScreen() override;

    void mouseDown(const juce::MouseEvent& event) override;
    void paint(juce::Graphics& g) override;

    virtual void show();
    virtual void hide();

    // The editor passes a temporary, so the text is taken by const reference.
    void setVersion(const juce::String& text);

private:
    juce::Image backgroundImage;
    std::unique_ptr<juce::Label> versionLabel_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorSplashScreen)
};
