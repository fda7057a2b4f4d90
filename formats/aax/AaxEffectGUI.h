#pragma once

#include "AAX_CEffectGUI.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The plug-in's GUI object: the processor's editor in the host's view. A processor without an
// editor gives a GUI without a view. The editor is made and deleted on the host's main thread,
// the framework's message thread, and always before the GUI lets go of the data model.
class AaxEffectGUI final : public AAX_CEffectGUI
{
public:
    AaxEffectGUI() = default;
    ~AaxEffectGUI() override;

    // Made for the host's factory procedure; null when it cannot be made.
    static AAX_IEffectGUI* Create();

    AAX_Result Uninitialize() override;
    AAX_Result GetViewSize(AAX_Point* outViewSize) const override;
    AAX_Result TimerWakeup() override;

    bool hasView() const { return editor != nullptr; }

protected:
    void CreateViewContents() override;
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

private:
    void DeleteEditor();

    juce::ScopedJuceInitialiser_GUI framework;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};
