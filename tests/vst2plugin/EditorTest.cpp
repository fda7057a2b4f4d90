#include "Vst2PluginSupport.h"

#include "HostWindow.h"
#include "HostWindowNaming.h"
#include "XvfbEnvironment.h"

#include <Opcodes.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace
{
constexpr int editorWidth = 325;
constexpr int editorHeight = 454;
constexpr int blockSize = 512;

class EditorTest : public PluginTest
{
protected:
    void SetUp() override
    {
        if (XvfbEnvironment::display() == nullptr)
            GTEST_SKIP() << "no Xvfb";
        PluginTest::SetUp();
        window = std::make_unique<HostWindow>(editorWidth, editorHeight);
        ASSERT_TRUE(window->isOpen());
    }

    // The host's idle calls while its editor window is up, about a hundred a second, until the
    // condition holds or the time runs out.
    bool idleUntil(PluginInstance& instance, const std::function<bool()>& condition,
                   int milliseconds = 3000)
    {
        for (int waited = 0; waited < milliseconds; waited += 10)
        {
            instance.dispatch(EffectOpcode::editorIdle);
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return condition();
    }

    void idleFor(PluginInstance& instance, int milliseconds)
    {
        idleUntil(
            instance, [] { return false; }, milliseconds);
    }

    bool showsEditor(const HostWindow& hostWindow) const
    {
        return hostWindow.showsChildOfSize(editorWidth, editorHeight);
    }

    std::unique_ptr<HostWindow> window;
};

TEST_F(EditorTest, EditorOpensIntoTheHostWindowPaintsAndCloses)
{
    EditorRect* rect = nullptr;
    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, editorHeight);
    EXPECT_EQ(rect->right, editorWidth);

    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, window->handle()), 1);
    ASSERT_TRUE(idleUntil(*plugin, [&] { return showsEditor(*window); }));

    EXPECT_TRUE(idleUntil(*plugin, [&] { return window->isPainted(); }));

    plugin->dispatch(EffectOpcode::editorClose);
    EXPECT_TRUE(idleUntil(*plugin, [&] { return window->children().empty(); }));

    // And again: a host opens and closes the editor as often as the user likes.
    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, window->handle()), 1);
    EXPECT_TRUE(idleUntil(*plugin, [&] { return showsEditor(*window); }));
    plugin->dispatch(EffectOpcode::editorClose);
}

TEST_F(EditorTest, WithoutAWindowThereIsNoEditor)
{
    EXPECT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::editorGetRect, 0, 0, nullptr), 0);
    plugin->dispatch(EffectOpcode::editorIdle);
    plugin->dispatch(EffectOpcode::editorClose);
    idleFor(*plugin, 100);
    EXPECT_TRUE(window->children().empty());
}

// The model switch, counted in the audio, comes out the same with the editor open (its timers
// running in the host's idle calls) and after it closed.
TEST_F(EditorTest, ModelSwitchesWithTheEditorOpenAndAfterItCloses)
{
    const Channels input = noise(2, 10 * blockSize);

    // From a freshly prepared start at type `from`, the same in the plug-in and two references,
    // one of which is not switched.
    const auto switchModel = [&](float from, float to, bool editorOpen)
    {
        plugin->prepare(44100.0f, blockSize);
        ReferenceProcessor switched(44100.0, blockSize, 120.0);
        ReferenceProcessor unswitched(44100.0, blockSize, 120.0);

        for (auto* reference : {&switched, &unswitched})
        {
            (*reference)->setParameter(kPhaserType, from);
            reference->prepare();
        }

        plugin->setParameter(kPhaserType, to);
        if (editorOpen)
            idleFor(*plugin, 100); // the editor's timers run; the switch needs none of them

        switched->setParameter(kPhaserType, to);
        const auto output = processInBlocks(*plugin, input, blockSize);
        const auto what =
            "to phaserType " + std::to_string(to) + (editorOpen ? " with" : " without") + " editor";
        EXPECT_EQ(output, switched.process(input)) << what;
        EXPECT_NE(output, unswitched.process(input)) << what;
    };

    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, window->handle()), 1);
    switchModel(0.0f, 0.5f, true);
    plugin->dispatch(EffectOpcode::editorClose);
    switchModel(0.5f, 1.0f, false);
}

TEST_F(EditorTest, InstancesWithOpenEditorsCloseInAnyOrder)
{
    PluginInstance second(pluginModule(), host);
    HostWindow secondWindow(editorWidth, editorHeight);

    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, window->handle()), 1);
    ASSERT_EQ(second.dispatch(EffectOpcode::editorOpen, 0, 0, secondWindow.handle()), 1);
    EXPECT_TRUE(
        idleUntil(second, [&] { return showsEditor(*window) && showsEditor(secondWindow); }));

    // The host ends the first instance with its editor still open.
    EXPECT_EQ(plugin->close(), 1);
    EXPECT_TRUE(idleUntil(second, [&] { return window->children().empty(); }));
    EXPECT_TRUE(showsEditor(secondWindow));

    second.dispatch(EffectOpcode::editorClose);
    EXPECT_TRUE(idleUntil(second, [&] { return secondWindow.children().empty(); }));
}

// A name typed with real keys into the save-as browser and into the new-folder prompt makes the
// preset or the folder, on a bare X server and under a window manager that gives the focus to
// the host's window on every click before the editor sees the click.
TEST_F(EditorTest, ANameTypedIntoTheDialogsMakesThePresetOrTheFolder)
{
    std::optional<PluginInstance> instance;
    expectTypedNamesMakeTheirFiles("stompix-vst2-typing",
                                   {[&](const HostWindow& hostWindow)
                                    {
                                        instance.emplace(pluginModule(), host);
                                        return instance->dispatch(EffectOpcode::editorOpen, 0, 0,
                                                                  hostWindow.handle()) == 1;
                                    },
                                    [&] { instance->dispatch(EffectOpcode::editorIdle); },
                                    [&] { instance->dispatch(EffectOpcode::editorClose); }});
}
} // namespace
