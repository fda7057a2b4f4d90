#include "EditorNamingRun.h"

#include "EditorNaming.h"
#include "EditorWindow.h"
#include "HostWindow.h"
#include "HostedPlugin.h"
#include "MessageLoop.h"
#include "WindowManager.h"

#include <iostream>

int runEditorNaming(HostedPlugin& plugin, EditorNamingKind kind, const juce::String& name)
{
    std::unique_ptr<juce::AudioProcessorEditor> editor(plugin.getInstance().createEditorIfNeeded());
    if (editor == nullptr)
    {
        std::cerr << "stompix-host: the plug-in has no editor" << std::endl;
        return 1;
    }

    const auto presetFolder = juce::File::getSpecialLocation(juce::File::userMusicDirectory)
                                  .getChildFile("Audio Music Apps")
                                  .getChildFile("Velmor/Presets/StompixZR7714");
    const bool folder = kind == EditorNamingKind::folder;
    const auto made = presetFolder.getChildFile(folder ? name : name + ".vzrp");
    const auto isMade = [&] { return folder ? made.isDirectory() : made.existsAsFile(); };

    auto window = std::make_unique<EditorWindow>(*editor);
    std::string notes;
    {
        const HostWindow onScreen(reinterpret_cast<unsigned long>(window->getWindowHandle()));
        EditorNaming user(onScreen, WindowManager::runsOnDisplay(),
                          [] { MessageLoop::runFor(10); });
        if (!user.idleUntil([&] { return onScreen.isPainted(); }, 5000))
            notes += "the editor never painted its window\n";

        const auto text = name.toStdString();
        user.openSaveAsBrowser();
        if (folder)
            user.typeIntoNewFolderPrompt(text);
        else
            user.typeIntoSaveAsBrowser(text.substr(0, text.size() / 2),
                                       text.substr(text.size() / 2));
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
