#include "BareXServer.h"
#include "HostWindow.h"
#include "HostWindowNaming.h"
#include "LoadedModule.h"
#include "XvfbEnvironment.h"

#include "AAX_Enums.h"

#include <chrono>
#include <functional>
#include <thread>

namespace
{
constexpr int editorWidth = 325;
constexpr int editorHeight = 454;

// The host's view of an instance's editor: a top-level X11 window of the editor's size, and the
// view containers that hand it to the GUI. The host gives the module no time but the timer
// wake-ups of its data model and GUI.
class ModuleEditor : public aaxtest::LoadedModule
{
protected:
    void SetUp() override
    {
        if (XvfbEnvironment::display() == nullptr)
            GTEST_SKIP() << "no Xvfb";
        LoadedModule::SetUp();
        window = std::make_unique<HostWindow>(editorWidth, editorHeight);
        ASSERT_TRUE(window->isOpen());
    }

    // About a hundred wake-ups a second, until the condition holds or the time runs out.
    static bool wakeUntil(aaxhost::EffectInstance& instance, const std::function<bool()>& condition,
                          int milliseconds = 3000)
    {
        for (int waited = 0; waited < milliseconds; waited += 10)
        {
            instance.idle();
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return condition();
    }

    static void wakeFor(aaxhost::EffectInstance& instance, int milliseconds)
    {
        wakeUntil(
            instance, [] { return false; }, milliseconds);
    }

    // A new view container on the host window (or on none), handed to the instance's GUI.
    aaxhost::HostViewContainer& openView(AAX_IACFEffectGUI& gui, const HostWindow* hostWindow,
                                         int32_t type = AAX_eViewContainer_Type_XWindow)
    {
        aaxhost::HostViewContainer& container = host.newViewContainer();
        container.setView(type, hostWindow != nullptr ? hostWindow->handle() : nullptr);
        EXPECT_EQ(gui.SetViewContainer(container.unknown()), AAX_SUCCESS);
        return container;
    }

    static bool showsEditor(const HostWindow& hostWindow)
    {
        return hostWindow.showsChildOfSize(editorWidth, editorHeight);
    }

    std::unique_ptr<HostWindow> window;
};

TEST_F(ModuleEditor, OpensIntoTheHostWindowPaintsClosesAndReopens)
{
    aaxhost::EffectInstance& instance = newInstance();
    ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
    AAX_Point size{};
    EXPECT_EQ(instance.gui().GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.horz, editorWidth);
    EXPECT_EQ(size.vert, editorHeight);

    aaxhost::HostViewContainer& first = openView(instance.gui(), window.get());
    ASSERT_EQ(first.sizes().size(), 1u);
    EXPECT_EQ(first.sizes()[0].horz, editorWidth);
    EXPECT_EQ(first.sizes()[0].vert, editorHeight);
    ASSERT_TRUE(wakeUntil(instance, [&] { return showsEditor(*window); }));
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->isPainted(); }));

    EXPECT_EQ(instance.gui().SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->children().empty(); }));
    EXPECT_TRUE(first.balanced());

    // The host opens the view again, with a container of its own, as often as the user likes;
    // then it closes the instance with the view still open.
    aaxhost::HostViewContainer& second = openView(instance.gui(), window.get());
    EXPECT_EQ(second.sizes().size(), 1u);
    EXPECT_TRUE(wakeUntil(instance, [&] { return showsEditor(*window) && window->isPainted(); }));
    instance.releaseGui();
    EXPECT_TRUE(second.balanced());
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->children().empty(); }));
}

TEST_F(ModuleEditor, HostChangesShowInTheOpenEditor)
{
    aaxhost::EffectInstance& instance = newInstance();
    ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
    openView(instance.gui(), window.get());
    ASSERT_TRUE(wakeUntil(instance, [&] { return window->isPainted(); }));
    wakeFor(instance, 200);
    const auto before = window->pixels();

    // Automation turns the depth knob all the way up; the host tells the GUI.
    ASSERT_EQ(instance.dataModel().UpdateParameterNormalizedValue("4", 1.0,
                                                                  AAX_eUpdateSource_Unspecified),
              AAX_SUCCESS);
    EXPECT_EQ(instance.gui().ParameterUpdated("4"), AAX_SUCCESS);
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->pixels() != before; }));
}

// A host may hand a new container without taking the old one away first: the view moves.
TEST_F(ModuleEditor, ANewContainerTakesTheViewOver)
{
    aaxhost::EffectInstance& instance = newInstance();
    ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
    aaxhost::HostViewContainer& first = openView(instance.gui(), window.get());
    ASSERT_TRUE(wakeUntil(instance, [&] { return window->isPainted(); }));

    HostWindow secondWindow(editorWidth, editorHeight, editorWidth + 50);
    openView(instance.gui(), &secondWindow);
    EXPECT_TRUE(first.balanced());
    EXPECT_TRUE(wakeUntil(instance,
                          [&] { return window->children().empty() && secondWindow.isPainted(); }));
    instance.releaseGui();
}

// A host that initialises the GUI again gets a fresh editor: the old one leaves the view and the
// processor, and the new one opens into the next container.
TEST_F(ModuleEditor, ASecondInitializeStartsAFreshEditor)
{
    aaxhost::EffectInstance& instance = newInstance();
    ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
    aaxhost::HostViewContainer& first = openView(instance.gui(), window.get());
    ASSERT_TRUE(wakeUntil(instance, [&] { return window->isPainted(); }));

    EXPECT_EQ(instance.gui().Initialize(instance.host().unknown()), AAX_SUCCESS);
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->children().empty(); }));
    EXPECT_TRUE(first.balanced());

    openView(instance.gui(), window.get());
    EXPECT_TRUE(wakeUntil(instance, [&] { return showsEditor(*window) && window->isPainted(); }));
}

// A container whose native view is no X11 window gets no view: nothing in the host's window,
// no window of the editor's own on the display, no size asked for.
TEST_F(ModuleEditor, NoViewWithoutAnX11Window)
{
    struct Case
    {
        const char* what;
        int32_t type;
        bool withWindow;
    };
    const Case cases[] = {
        {"an X11 container without a window", AAX_eViewContainer_Type_XWindow, false},
        {"a window of no known type", AAX_eViewContainer_Type_NULL, true}};
    const int topLevelWindows = BareXServer::countViewableWindows();
    for (const Case& tried : cases)
    {
        aaxhost::EffectInstance& instance = newInstance();
        ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
        aaxhost::HostViewContainer& container =
            openView(instance.gui(), tried.withWindow ? window.get() : nullptr, tried.type);
        wakeFor(instance, 200);
        EXPECT_TRUE(container.sizes().empty()) << tried.what;
        EXPECT_TRUE(window->children().empty()) << tried.what;
        EXPECT_EQ(BareXServer::countViewableWindows(), topLevelWindows) << tried.what;
        instance.releaseGui();
        EXPECT_TRUE(container.balanced()) << tried.what;
    }
}

// A processor has one editor: a second GUI object on the same instance shows none, and the two
// go in any order without the second deleting the first one's editor.
TEST_F(ModuleEditor, ASecondGuiOnTheSameInstanceHasNoView)
{
    aaxhost::EffectInstance& instance = newInstance();
    ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
    AAX_IACFEffectGUI* const second = instance.makeGui();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(second->Initialize(instance.host().unknown()), AAX_SUCCESS);

    AAX_Point size{-1.0f, -1.0f};
    EXPECT_EQ(second->GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.horz, -1.0f);
    HostWindow secondWindow(editorWidth, editorHeight, editorWidth + 50);
    aaxhost::HostViewContainer& container = openView(*second, &secondWindow);
    openView(instance.gui(), window.get());
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->isPainted(); }));
    EXPECT_TRUE(secondWindow.children().empty());
    EXPECT_TRUE(container.sizes().empty());

    instance.releaseGui();
    EXPECT_TRUE(wakeUntil(instance, [&] { return window->children().empty(); }));
    EXPECT_EQ(second->Uninitialize(), AAX_SUCCESS);
    second->Release();
    EXPECT_TRUE(container.balanced());
}

TEST_F(ModuleEditor, InstancesWithOpenViewsCloseInAnyOrder)
{
    aaxhost::EffectInstance& first = newInstance();
    aaxhost::EffectInstance& second = newInstance();
    ASSERT_EQ(first.createGui(), AAX_SUCCESS);
    ASSERT_EQ(second.createGui(), AAX_SUCCESS);
    HostWindow secondWindow(editorWidth, editorHeight, editorWidth + 50);
    openView(first.gui(), window.get());
    openView(second.gui(), &secondWindow);
    EXPECT_TRUE(wakeUntil(second, [&] { return window->isPainted() && secondWindow.isPainted(); }));

    // The host ends the first instance with its view still open; the second goes on painting.
    first.releaseDataModel();
    EXPECT_TRUE(wakeUntil(second, [&] { return window->children().empty(); }));
    const auto before = secondWindow.pixels();
    ASSERT_EQ(
        second.dataModel().UpdateParameterNormalizedValue("5", 1.0, AAX_eUpdateSource_Unspecified),
        AAX_SUCCESS);
    EXPECT_TRUE(wakeUntil(second, [&] { return secondWindow.pixels() != before; }));

    EXPECT_EQ(second.gui().SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(wakeUntil(second, [&] { return secondWindow.children().empty(); }));
}

// A name typed with real keys into the save-as browser and into the new-folder prompt makes the
// preset or the folder, on a bare X server and under a window manager that gives the focus to
// the host's window on every click before the editor sees the click.
TEST_F(ModuleEditor, ANameTypedIntoTheDialogsMakesThePresetOrTheFolder)
{
    aaxhost::EffectInstance* instance = nullptr;
    expectTypedNamesMakeTheirFiles("stompix-aax-typing",
                                   {[&](const HostWindow& hostWindow)
                                    {
                                        instance = &newInstance();
                                        if (instance->createGui() != AAX_SUCCESS)
                                            return false;
                                        openView(instance->gui(), &hostWindow);
                                        return true;
                                    },
                                    [&] { instance->idle(); }, [&] { instance->releaseGui(); }});
}
} // namespace
