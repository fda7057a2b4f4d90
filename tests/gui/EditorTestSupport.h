#pragma once

#include "StompixZR7714AudioProcessor.h"
#include "StompixZR7714AudioProcessorEditor.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// What a host sees of the processor: every parameter notification and every display update.
class HostRecorder final : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value) override
    {
        notifications.emplace_back(index, value);
    }
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override
    {
        ++displayUpdates;
    }

    std::vector<std::pair<int, float>> notifications;
    int displayUpdates = 0;
};

// A real processor and its editor on the desktop, with the editor's timer stopped: each test
// runs the 50 ms ticks itself. Files are arranged before openEditor, which builds the editor as a
// host does (createEditorIfNeeded) and records what the host sees from then on.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void openEditor();
    void tick(int count = 1);

    juce::Component& child(const juce::String& name) const;
    juce::Button& button(const juce::String& name) const;
    juce::Slider& slider(const juce::String& name) const;
    juce::Label& presetLabel() const;
    // A click as the framework delivers it (posted, then dispatched).
    void click(const juce::String& name);

    ProgramSlot& slot() { return processor.getCurrentProgramSlot(); }
    void lowerFlags();

    // Writes the processor's current settings as a preset below the preset folder.
    void writePreset(const juce::String& relativePath, float depth);

    // Closes the editor as a host's wrapper does: the processor is told first.
    struct EditorCloser
    {
        void operator()(StompixZR7714AudioProcessorEditor* editor) const;
        StompixZR7714AudioProcessor* processor;
    };

    const juce::File presetFolder = presetFolderInTemporaryHome();
    StompixZR7714AudioProcessor processor;
    HostRecorder host;
    std::unique_ptr<StompixZR7714AudioProcessorEditor, EditorCloser> editor{nullptr, {&processor}};
    int timerIntervalWhenOpened = 0;
};

::testing::AssertionResult samePixels(const juce::Image& drawn, const juce::Image& expected);

// True when a component without children draws, pixel for pixel, frame `frame` of a vertical
// strip.
::testing::AssertionResult drawsFrame(juce::Component& component, const juce::Image& strip,
                                      int numFrames, int frame);

// The text of a message box.
juce::String messageOf(const juce::Component& box);
