#include "EditorSnapshot.h"

#include "BareXServer.h"
#include "EditorWindow.h"
#include "HostedPlugin.h"
#include "MessageLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
// Where the gestures land, in the editor's own coordinates: the middle of the depth knob, of
// the footswitch and of the file button.
const juce::Point<int> depthKnob{69, 264};
const juce::Point<int> footswitch{267, 403};
const juce::Point<int> fileButton{35, 16};
constexpr int dragPixels = 30;

// Runs xdotool with the arguments while the message loop keeps serving both sides.
bool xdotool(const juce::StringArray& arguments)
{
    juce::StringArray command{"xdotool"};
    command.addArray(arguments);

    juce::ChildProcess process;
    if (!process.start(command, 0))
        return false;

    while (process.isRunning())
        MessageLoop::runFor(10);

    return process.getExitCode() == 0;
}

// Serves the message loop until the condition holds or the time is up: on a loaded machine a
// gesture's parameter change can take a while to travel from the editor to the host.
template <typename Condition> void serveUntil(Condition condition, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + static_cast<juce::uint32>(timeoutMs);
    while (!condition() && juce::Time::getMillisecondCounter() < deadline)
        MessageLoop::runFor(20);
}

juce::StringArray at(juce::Point<int> point)
{
    return {juce::String(point.x), juce::String(point.y)};
}

juce::String valueText(float value)
{
    return juce::String(value, 3);
}

int fail(const juce::String& message)
{
    std::cerr << "stompix-host: " << message << std::endl;
    return 1;
}
} // namespace

int runEditorSnapshot(HostedPlugin& plugin, const juce::File& png)
{
    auto& instance = plugin.getInstance();
    auto* depth = plugin.findParameter("depth");
    auto* bypass = plugin.findParameter("onBypass");
    if (depth == nullptr || bypass == nullptr)
        return fail("the plug-in has no parameters depth and onBypass");

    std::unique_ptr<juce::AudioProcessorEditor> editor(instance.createEditorIfNeeded());
    if (editor == nullptr)
        return fail("the plug-in has no editor");

    auto window = std::make_unique<EditorWindow>(*editor);
    MessageLoop::runFor(1500);

    const auto origin = window->getScreenPosition();
    std::cout << "editor\t" << editor->getWidth() << "x" << editor->getHeight() << std::endl;

    const float depthBefore = depth->getValue();
    const auto knob = origin + depthKnob;
    juce::StringArray drag{"mousemove"};
    drag.addArray(at(knob));
    drag.addArray({"sleep", "0.3", "mousedown", "1", "sleep", "0.2"});
    for (int step = 1; step <= 3; ++step)
    {
        drag.add("mousemove");
        drag.addArray(at(knob - juce::Point<int>(0, step * dragPixels / 3)));
        drag.addArray({"sleep", "0.1"});
    }
    drag.addArray({"sleep", "0.2", "mouseup", "1"});
    const bool dragged = xdotool(drag);
    serveUntil([&] { return depth->getValue() > depthBefore; }, 3000);
    MessageLoop::runFor(300);
    std::cout << "depth\t" << valueText(depthBefore) << " -> " << valueText(depth->getValue())
              << std::endl;

    const float bypassBefore = bypass->getValue();
    juce::StringArray press{"mousemove"};
    press.addArray(at(origin + footswitch));
    press.addArray({"sleep", "0.2", "click", "1"});
    const bool pressed = xdotool(press);
    serveUntil([&] { return bypass->getValue() != bypassBefore; }, 3000);
    MessageLoop::runFor(300);
    std::cout << "onBypass\t" << valueText(bypassBefore) << " -> " << valueText(bypass->getValue())
              << std::endl;

    const int windowsBefore = BareXServer::countViewableWindows();
    juce::StringArray open{"mousemove"};
    open.addArray(at(origin + fileButton));
    open.addArray({"sleep", "0.2", "click", "1"});
    const bool clicked = xdotool(open);
    serveUntil([&] { return BareXServer::countViewableWindows() > windowsBefore; }, 3000);
    MessageLoop::runFor(300);
    const bool menuOpened = BareXServer::countViewableWindows() > windowsBefore;
    std::cout << "fileMenu\t" << (menuOpened ? "opened" : "not opened") << std::endl;

    const auto shot = BareXServer::grabScreen(window->getScreenBounds());
    png.deleteFile();
    bool written = false;
    if (shot.isValid())
    {
        juce::FileOutputStream out(png);
        written = out.openedOk() && juce::PNGImageFormat().writeImageToStream(shot, out);
    }
    if (written)
        std::cout << "snapshot\t" << png.getFullPathName() << std::endl;

    xdotool({"key", "Escape"});
    MessageLoop::runFor(300);
    window.reset();
    editor.reset();
    MessageLoop::runFor(200);

    if (!(dragged && pressed && clicked))
        return fail("xdotool could not send the mouse events");
    if (!(depth->getValue() > depthBefore))
        return fail("dragging the depth knob did not raise depth");
    if (bypass->getValue() == bypassBefore)
        return fail("pressing the footswitch did not switch onBypass");
    if (!menuOpened)
        return fail("clicking the file button opened no menu");
    if (!written)
        return fail("could not write " + png.getFullPathName());
    return 0;
}
