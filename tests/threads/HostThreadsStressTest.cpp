#include "HostAudioThread.h"
#include "HostEnvironment.h"
#include "ParameterWrites.h"
#include "StompixZR7714AudioProcessor.h"
#include "StompixZR7714AudioProcessorEditor.h"
#include "VelmorPresetMenu.h"
#include "VelmorPresetSaving.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace juce
{
// The framework's own message pump (what its Linux plug-in message thread runs).
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

namespace
{
// What a host's message thread does to a plug-in, by kind.
enum Operation
{
    setParameter,
    readHostDisplay,
    changeProgram,
    switchChannel,
    copyChannel,
    getState,
    setState,
    getProgramState,
    setProgramState,
    savePreset,
    loadPreset,
    openEditor,
    closeEditor,
    numOperations
};

constexpr std::array<const char*, numOperations> operationNames{
    "parameter writes",   "host display reads", "program changes",  "A/B switches",
    "A/B copies",         "whole state gets",   "whole state sets", "program state gets",
    "program state sets", "preset saves",       "preset loads",     "editor opens",
    "editor closes"};

// How often each kind is picked; the editor opens whenever it is needed while closed.
constexpr std::array<int, numOperations> operationWeights{16, 2, 2, 3, 2, 2, 2, 2, 2, 2, 3, 0, 1};

constexpr int maxSavedStates = 4;
constexpr int presetNames = 5;
// Longer than the editor's 50 ms timer, and than the model-switch debounce in the audio that
// the audio thread renders meanwhile.
constexpr int pauseMilliseconds = 70;
// Opening the editor decodes all its artwork: it stays open for a while before it may close.
constexpr double minEditorOpenMs = 750.0;

int stressSeconds()
{
    const auto text = juce::SystemStats::getEnvironmentVariable("STOMPIX_STRESS_SECONDS", "5");
    return juce::jlimit(1, 600, text.getIntValue());
}

double millisecondsSince(double start)
{
    return juce::Time::getMillisecondCounterHiRes() - start;
}

// The framework's message loop on this thread for a while: posted clicks, the timers that the
// timer thread wakes (the editor's tick), repaints of the editor's window.
// `afterEachMessage` looks at the processor after every message dispatched.
template <typename Function> void runMessageLoop(int milliseconds, Function&& afterEachMessage)
{
    const double start = juce::Time::getMillisecondCounterHiRes();

    do
    {
        if (juce::dispatchNextMessageOnSystemQueue(true))
            afterEachMessage();
        else
            juce::Thread::sleep(1);
    } while (millisecondsSince(start) < milliseconds);
}

void runMessageLoop(int milliseconds)
{
    runMessageLoop(milliseconds, [] {});
}

// The host's side on the message thread: parameters, programs, state and the editor, with the
// user's A/B switch, A/B copy and preset menu inside it.
class MessageThreadHost final
{
public:
    explicit MessageThreadHost(StompixZR7714AudioProcessor& processorToDrive)
        : processor(processorToDrive)
    {
    }

    ~MessageThreadHost() { close(); }

    void performRandomOperation()
    {
        auto operation = pick();

        if (editor == nullptr && (needsEditor(operation) || operation == closeEditor))
            operation = openEditor;
        else if (operation == closeEditor && millisecondsSince(editorOpened) < minEditorOpenMs)
            operation = setParameter;

        perform(operation);
    }

    // Messages for a moment, or now and then for longer than 50 ms: the audio thread then
    // carries out the model switch of a type write, and the editor ticks.
    void runMessages()
    {
        const bool pausing = random.nextInt(12) == 0 || (typeWritten && random.nextBool());
        typeWritten = false;
        const int typeBefore = modelOfType();
        const bool refreshDue = editor != nullptr && processor.parametersChanged.load() != 0;
        bool flagCleared = false;

        // Seen right after the editor's tick: the audio thread's automation raises the flag
        // again within a few blocks.
        runMessageLoop(pausing ? pauseMilliseconds : random.nextInt(4), [&]
                       { flagCleared = flagCleared || processor.parametersChanged.load() == 0; });

        if (refreshDue && editor != nullptr && flagCleared)
            ++editorRefreshes;

        if (pausing && typeBefore != settledModel)
        {
            settledModel = typeBefore;
            ++typeChangesSettled;
        }
    }

    bool editorIsOpen() const noexcept { return editor != nullptr; }

    // Every kind of operation made, a model switch let happen and an editor refresh seen.
    bool coveredEverything() const
    {
        return std::all_of(made.begin(), made.end(), [](int count) { return count > 0; }) &&
               typeChangesSettled > 0 && editorRefreshes > 0;
    }

    void perform(Operation operation)
    {
        ++made[(size_t)operation];

        switch (operation)
        {
        case setParameter:
            writeRandomParameter();
            break;
        case readHostDisplay:
            for (int index = 0; index < kNumParameters; ++index)
                processor.getParameterText(index);
            processor.getProgramName(processor.getCurrentProgram());
            break;
        case changeProgram:
            processor.setCurrentProgram(random.nextInt(StompixZR7714AudioProcessor::numPrograms));
            break;
        case switchChannel:
            button("abButton_").triggerClick();
            break;
        case copyChannel:
            button("abCopyButton_").triggerClick();
            break;
        case getState:
            keep(states,
                 [this](juce::MemoryBlock& block) { processor.getStateInformation(block); });
            break;
        case setState:
            if (states.empty())
                perform(getState);
            restore(states, [this](const juce::MemoryBlock& block)
                    { processor.setStateInformation(block.getData(), (int)block.getSize()); });
            break;
        case getProgramState:
            keep(programStates, [this](juce::MemoryBlock& block)
                 { processor.getCurrentProgramStateInformation(block); });
            break;
        case setProgramState:
            if (programStates.empty())
                perform(getProgramState);
            restore(programStates,
                    [this](const juce::MemoryBlock& block) {
                        processor.setCurrentProgramStateInformation(block.getData(),
                                                                    (int)block.getSize());
                    });
            break;
        case savePreset:
            saveRandomPreset();
            break;
        case loadPreset:
            button(random.nextBool() ? "presetIncButton_" : "presetDecButton_").triggerClick();
            break;
        case openEditor:
            open();
            break;
        case closeEditor:
            close();
            break;
        case numOperations:
            break;
        }
    }

    std::array<int, numOperations> made{};
    int editorRefreshes = 0;
    int typeChangesSettled = 0;

private:
    static bool needsEditor(Operation operation)
    {
        return operation == switchChannel || operation == copyChannel || operation == savePreset ||
               operation == loadPreset;
    }

    Operation pick()
    {
        int total = 0;
        for (int weight : operationWeights)
            total += weight;

        int chosen = random.nextInt(total);
        for (int operation = 0; operation < numOperations; ++operation)
        {
            chosen -= operationWeights[(size_t)operation];
            if (chosen < 0)
                return (Operation)operation;
        }
        return setParameter;
    }

    int modelOfType() const
    {
        return StompixZR7714AudioProcessor::modelNumberFor(processor.getCurrentValue(kPhaserType));
    }

    void writeRandomParameter()
    {
        const int index = random.nextInt(kNumParameters);
        const float value = ParameterWrites::randomValue(random, index);

        typeWritten = index == kPhaserType;

        // The editor's controls and a host's automation on this thread both end here.
        JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
        processor.setParameterNotifyingHost(index, value);
        JUCE_END_IGNORE_WARNINGS_GCC_LIKE
    }

    template <typename Get> void keep(std::vector<juce::MemoryBlock>& saved, Get&& get)
    {
        juce::MemoryBlock block;
        get(block);

        if ((int)saved.size() < maxSavedStates)
            saved.push_back(std::move(block));
        else
            saved[(size_t)random.nextInt(maxSavedStates)] = std::move(block);
    }

    template <typename Set> void restore(const std::vector<juce::MemoryBlock>& saved, Set&& set)
    {
        set(saved[(size_t)random.nextInt((int)saved.size())]);
    }

    void saveRandomPreset()
    {
        auto& menu = dynamic_cast<VelmorPresetMenu&>(child("presetMenu_"));
        const auto file = StompixZR7714AudioProcessor::getPresetFolder()
                              .getChildFile("Stress")
                              .getChildFile("Preset " + juce::String(random.nextInt(presetNames)))
                              .withFileExtension("vzrp");

        // What the overwrite confirmation and the save-as browser do on OK.
        EXPECT_TRUE(velmor::saveCurrentPreset(processor, menu, file).wasOk());
    }

    void open()
    {
        if (editor != nullptr)
            return;

        editor.reset(
            dynamic_cast<StompixZR7714AudioProcessorEditor*>(processor.createEditorIfNeeded()));
        ASSERT_NE(editor, nullptr);

        // On the screen, as in a host's window: the editor paints and its timer ticks.
        editor->addToDesktop(0);
        editor->setVisible(true);
        editorOpened = juce::Time::getMillisecondCounterHiRes();
    }

    void close()
    {
        if (editor == nullptr)
            return;

        // As a host's wrapper closes it: the processor is told first.
        processor.editorBeingDeleted(editor.get());
        editor.reset();
    }

    juce::Component& child(const juce::String& name) const
    {
        for (auto* component : editor->getChildren())
            if (component->getName() == name)
                return *component;

        throw std::runtime_error(("the editor has no child " + name).toStdString());
    }

    juce::Button& button(const juce::String& name) const
    {
        return dynamic_cast<juce::Button&>(child(name));
    }

    StompixZR7714AudioProcessor& processor;
    std::unique_ptr<StompixZR7714AudioProcessorEditor> editor;
    juce::Random random{20240611};
    std::vector<juce::MemoryBlock> states;
    std::vector<juce::MemoryBlock> programStates;
    int settledModel = 0;
    bool typeWritten = false;
    double editorOpened = 0.0;
};

void report(const MessageThreadHost& host, const HostAudioThread& audio, double seconds)
{
    int operations = 0;
    for (int count : host.made)
        operations += count;

    std::cout << "audio thread: " << audio.blocksProcessed() << " blocks processed ("
              << audio.samplesProcessed() << " samples, " << audio.tempoChanges()
              << " tempo changes, " << audio.parameterWrites() << " parameter writes, "
              << audio.typeWrites() << " of them type changes) in " << juce::String(seconds, 1)
              << " s\n"
              << "message thread: " << operations << " operations:";

    for (int operation = 0; operation < numOperations; ++operation)
        std::cout << (operation == 0 ? " " : ", ") << host.made[(size_t)operation] << " "
                  << operationNames[(size_t)operation];

    std::cout << "\nmessage thread: " << host.typeChangesSettled
              << " pauses after a type change, long enough for its model switch, "
              << host.editorRefreshes << " editor refreshes seen\n";

    ::testing::Test::RecordProperty("blocksProcessed", std::to_string(audio.blocksProcessed()));
    ::testing::Test::RecordProperty("audioThreadParameterWrites", audio.parameterWrites());
    ::testing::Test::RecordProperty("messageThreadOperations", operations);
}
} // namespace

// A host's audio thread runs blocks of changing sizes at a moving tempo, and the host's automation
// between them, while its message thread writes parameters (model switches and crossfades
// included), changes programs, gets and sets the state, and opens and closes the editor, in which
// the user switches and copies A/B and saves and loads presets. Under ThreadSanitizer any race
// between the two threads ends the run.
TEST(HostThreads, AudioAndMessageThreadShareTheProcessor)
{
    ASSERT_TRUE(HostEnvironment::hasDisplay()) << "Xvfb could not be started";

    StompixZR7714AudioProcessor processor;
    MessageThreadHost host(processor);
    host.perform(openEditor);
    HostAudioThread audio(processor);

    const double limit = 1000.0 * stressSeconds();
    const double start = juce::Time::getMillisecondCounterHiRes();

    // Until the time is up and everything has happened at least once (a slow machine gets more
    // time rather than a run that leaves something out).
    while (millisecondsSince(start) < limit || !host.coveredEverything() || audio.typeWrites() == 0)
    {
        host.performRandomOperation();
        host.runMessages();

        if (millisecondsSince(start) > 20.0 * limit)
            break;
    }

    if (host.editorIsOpen())
        host.perform(closeEditor);

    runMessageLoop(pauseMilliseconds);
    audio.stop();
    const double seconds = millisecondsSince(start) / 1000.0;

    report(host, audio, seconds);

    EXPECT_TRUE(host.coveredEverything());
    EXPECT_GT(audio.blocksProcessed(), 0);
    EXPECT_GT(audio.typeWrites(), 0);
    EXPECT_TRUE(audio.outputStayedFinite());
}
