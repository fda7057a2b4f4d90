#pragma once

#include "AAX_CEffectGUI.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The plug-in's GUI object: the processor's editor in the host's view. The editor is made with
// the GUI (the host may ask its size before it opens a view) and lives inside the X11 window the
// host's view container hands over; a container without a window gets no view. It is made and
// deleted on the host's main thread, the framework's message thread, and always before the GUI
// lets go of the data model. A processor without an editor, or whose editor another GUI object
// already shows, gives a GUI without a view.
//
// Host updates of parameters reach the editor through the processor: the data model sets them
// there, and the editor's timer shows what the processor announces. The GUI adds nothing to
// that road: announcing every parameter again when the host opens a view would mark the
// editor's preset as changed.
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

protected:
    void CreateViewContents() override;
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

private:
    void DeleteEditor();

    juce::ScopedJuceInitialiser_GUI framework;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};
