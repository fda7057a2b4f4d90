// First: it asks juce_gui_basics for its X11 declarations.
#include "LinuxMessageThread.h"

#include "StompixVstEffect.h"

#include <DispatchValues.h>
#include <Opcodes.h>

#include <limits>

// While an editor is open the host's GUI thread is the framework's message thread: the host
// creates, drives (opcode 19) and closes the editor there, and the framework's own message
// thread is stopped until the last open editor of the process closes. With no editor open that
// thread runs the timers and asynchronous messages.

namespace
{
// Runs a piece of editor work as the message thread would: directly on it, else with the
// message thread held off.
template <typename Function> void onMessageThread(Function&& function)
{
    if (juce::MessageManager::getInstance()->isThisTheMessageThread())
    {
        function();
        return;
    }

    const juce::MessageManagerLock lock;
    function();
}

std::int16_t clampedPixels(int value)
{
    return static_cast<std::int16_t>(
        juce::jlimit<int>(0, std::numeric_limits<std::int16_t>::max(), value));
}
} // namespace

std::int64_t StompixVstEffect::dispatchEditor(std::int32_t opcode, void* ptr)
{
    switch (opcode)
    {
    case EffectOpcode::editorGetRect:
        return DispatchValues::fromBool(getEditorRect(static_cast<EditorRect**>(ptr)));
    case EffectOpcode::editorOpen:
        return DispatchValues::fromBool(openEditor(ptr));
    case EffectOpcode::editorClose:
        closeEditor();
        return 0;
    case EffectOpcode::editorIdle:
        idleEditor();
        return 0;
    default:
        return 0;
    }
}

void StompixVstEffect::createEditorIfNeeded()
{
    if (editorComponent != nullptr || !processor.hasEditor())
        return;

    onMessageThread([this] { editorComponent.reset(processor.createEditorIfNeeded()); });
}

void StompixVstEffect::deleteEditor()
{
    if (editorComponent == nullptr)
        return;

    onMessageThread(
        [this]
        {
            editorComponent->setVisible(false);
            editorComponent->removeFromDesktop();
            // The processor forgets its editor before the editor goes.
            processor.editorBeingDeleted(editorComponent.get());
            editorComponent.reset();
        });
}

bool StompixVstEffect::getEditorRect(EditorRect** rect)
{
    if (rect == nullptr)
        return false;

    createEditorIfNeeded();

    if (editorComponent == nullptr)
        return false;

    editorRect.top = 0;
    editorRect.left = 0;
    editorRect.bottom = clampedPixels(editorComponent->getHeight());
    editorRect.right = clampedPixels(editorComponent->getWidth());
    *rect = &editorRect;
    return true;
}

bool StompixVstEffect::openEditor(void* parentWindow)
{
    // The editor lives inside the host's window: without one there is nothing to open into.
    if (parentWindow == nullptr || !processor.hasEditor())
        return false;

    if (!hostEventLoop.has_value())
        hostEventLoop.emplace();

    createEditorIfNeeded();

    if (editorComponent == nullptr)
    {
        hostEventLoop.reset();
        return false;
    }

    editorComponent->setOpaque(true);
    editorComponent->addToDesktop(0, parentWindow);
    editorComponent->setVisible(true);
    return true;
}

void StompixVstEffect::closeEditor()
{
    deleteEditor();
    hostEventLoop.reset();
}

void StompixVstEffect::idleEditor()
{
    if (hostEventLoop.has_value())
        (*hostEventLoop)->processPendingEvents();
}
