#include "EditorNamingRun.h"

#include "EditorNaming.h"
#include "EditorWindow.h"
#include "HostWindow.h"
#include "HostedPlugin.h"
#include "MessageLoop.h"
#include "UserPresetFolder.h"
#include "WindowManager.h"

#include <iostream>

int runEditorNaming(HostedPlugin& plugin, EditorNamingKind kind, const juce::String& name,
                    EditorNaming::Gestures gestures)
{
    std::unique_ptr<juce::AudioProcessorEditor> editor(plugin.getInstance().createEditorIfNeeded());
    if (editor == nullptr)
    {
        std::cerr << "stompix-host: the plug-in has no editor" << std::endl;
        return 1;
    }

    const bool folder = kind == EditorNamingKind::folder;
    const auto made = userPresetFolder().getChildFile(folder ? name : name + ".vzrp");
    const auto isMade = [&] { return folder ? made.isDirectory() : made.existsAsFile(); };

    auto window = std::make_unique<EditorWindow>(*editor);
    std::string notes;
    {
        const HostWindow onScreen(reinterpret_cast<unsigned long>(window->getWindowHandle()));
        EditorNaming user(onScreen, WindowManager::runsOnDisplay(), gestures,
                          [] { MessageLoop::runFor(10); });
        if (!user.idleUntil([&] { return onScreen.isPainted(); }, 5000))
            notes += "the editor never painted its window\n";

        user.openSaveAsBrowser();
        if (folder)
            user.typeIntoNewFolderPrompt(name.toStdString());
        else
            user.typeIntoSaveAsBrowser(name.toStdString());
        user.idleUntil(isMade);
        notes += user.notes();
    }

    window.reset();
    editor.reset();
    MessageLoop::runFor(200);

    std::cerr << notes << std::flush;
    if (!isMade())
    {
        std::cerr << "stompix-host: nothing was made at " << made.getFullPathName() << std::endl;
        return 1;
    }
    std::cout << (folder ? "folder\t" : "preset\t") << made.getFullPathName() << std::endl;
    return 0;
}
