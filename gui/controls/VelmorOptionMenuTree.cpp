#include "VelmorOptionMenuTree.h"

#include "VelmorFolderPaths.h"
#include "VelmorFolderWalk.h"

VelmorOptionMenuTree::VelmorOptionMenuTree(const juce::String& name)
    : juce::Label(name, {}),
      directoryPath(juce::File::getSpecialLocation(juce::File::userMusicDirectory)
                        .getChildFile("Audio Music Apps")
                        .getFullPathName())
{
    setJustificationType(juce::Justification::centred);
    setColour(juce::Label::textColourId, juce::Colours::white);
    setEditable(false, false, false);
}

VelmorOptionMenuTree::~VelmorOptionMenuTree()
{
    juce::PopupMenu::dismissAllActiveMenus();
}

void VelmorOptionMenuTree::setDirectoryPath(juce::String path)
{
    directoryPath = path.replaceCharacter('\\', '/');
}

void VelmorOptionMenuTree::setSelectedFilePath(juce::String relativePath)
{
    selectFilePath(relativePath);
}

void VelmorOptionMenuTree::setSelectedFileIndex(int itemId)
{
    selectFileIndex(itemId);
}

void VelmorOptionMenuTree::setAsRecursive(bool shouldRecurse)
{
    isRecursive = shouldRecurse;
}

void VelmorOptionMenuTree::setFileExtension(juce::String pattern)
{
    fileExtension = pattern;
}

juce::String VelmorOptionMenuTree::getSelectedFilePath() const
{
    return selectedFilePath;
}

int VelmorOptionMenuTree::getSelectedFileIndex() const
{
    return selectedFileIndex;
}

juce::String VelmorOptionMenuTree::getFilePath(int index) const
{
    return filePaths[index];
}

juce::String VelmorOptionMenuTree::getFileName(int index) const
{
    return fileNames[index];
}

int VelmorOptionMenuTree::getNumOfFiles() const
{
    return nextItemId;
}

void VelmorOptionMenuTree::nextResult()
{
    // The selection may point past a list that shrank since it was made.
    const int count = nextItemId - 1;
    const int current = juce::jlimit(0, count, selectedFileIndex);
    setSelectedFileIndex(current < count ? current + 1 : 1);
}

void VelmorOptionMenuTree::previousResult()
{
    const int count = nextItemId - 1;
    const int current = juce::jlimit(0, count, selectedFileIndex);
    setSelectedFileIndex(current > 1 ? current - 1 : count);
}

juce::File VelmorOptionMenuTree::getDirectory() const
{
    return juce::File::isAbsolutePath(directoryPath) ? juce::File(directoryPath) : juce::File();
}

juce::String VelmorOptionMenuTree::relativePathOf(const juce::String& fullPath) const
{
    return velmor::relativePathBelow(getDirectory(), juce::File(fullPath));
}

bool VelmorOptionMenuTree::createMenuTree()
{
    menus.clear();
    numMenus = 0;
    nextItemId = 1;
    filePaths.clearQuick();
    fileNames.clearQuick();

    bool found = false;
    const auto root = getDirectory();
    VelmorFolderWalk walk;
    walk.descendInto(root);
    createSubMenu(root, found, walk);
    return found;
}

int VelmorOptionMenuTree::createSubMenu(const juce::File& folder, bool& found,
                                        VelmorFolderWalk& walk)
{
    juce::PopupMenu menu;

    if (isRecursive)
    {
        // Post-order: every sub-tree is built (and numbered) before this folder's own files.
        std::vector<std::pair<juce::String, int>> subMenus;
        for (const auto& subFolder : VelmorFolderWalk::subFoldersOf(folder))
            if (walk.descendInto(subFolder))
                subMenus.emplace_back(subFolder.getFileName(),
                                      createSubMenu(subFolder, found, walk));

        for (const auto& [name, index] : subMenus)
            menu.addSubMenu(name, menus[static_cast<size_t>(index)], true);
    }

    const auto selected =
        velmor::resolveInsideFolder(getDirectory(), selectedFilePath).getFullPathName();

    for (const auto& file : VelmorFolderWalk::filesIn(folder, fileExtension))
    {
        const auto path = file.getFullPathName();
        const bool ticked = selected.isNotEmpty() && path == selected;
        if (ticked)
        {
            found = true;
            selectedFileIndex = nextItemId;
        }

        menu.addItem(nextItemId, file.getFileName(), true, ticked);
        filePaths.add(path);
        fileNames.add(file.getFileNameWithoutExtension());
        ++nextItemId;
    }

    menus.push_back(std::move(menu));
    return numMenus++;
}

juce::PopupMenu VelmorOptionMenuTree::getRootMenu() const
{
    return menus.empty() ? juce::PopupMenu() : menus.back();
}

void VelmorOptionMenuTree::mouseDown(const juce::MouseEvent&)
{
    createMenuTree();
    if (menus.empty())
        return;

    // A pop-up window has no parent to inherit the look from: it draws with the label's.
    auto menu = menus.back();
    menu.setLookAndFeel(&getLookAndFeel());

    // The menu keeps the lists it was built from: a rescan while it is open (the editor's timer
    // selects by path) must not map the chosen id to another file.
    menu.showMenuAsync(juce::PopupMenu::Options().withTargetComponent(this),
                       [safeThis = juce::Component::SafePointer<VelmorOptionMenuTree>(this),
                        listing = Listing{filePaths, fileNames}](int result)
                       {
                           if (safeThis != nullptr)
                               safeThis->menuResult(result, listing);
                       });
}

void VelmorOptionMenuTree::menuResult(int result, const Listing& listing)
{
    if (result < 1 || result > listing.filePaths.size())
        return;

    const auto& chosenFile = listing.filePaths[result - 1];
    const auto& chosenName = listing.fileNames[result - 1];
    const auto chosenPath = relativePathOf(chosenFile);
    const bool repeatsLastChoice = chosenPath == lastChosenPath && chosenPath == selectedFilePath;

    selectedFilePath = chosenPath;
    selectedFileIndex = filePaths.indexOf(chosenFile) + 1;

    if (repeatsLastChoice)
    {
        // The label tells its listeners only when the text changes, that is when it carried a
        // mark: choosing the last choice again then reloads it, and otherwise does nothing.
        setText(chosenName, juce::sendNotification);
        return;
    }

    // Another file than the last choice, or than the selection (which stepping or a host may have
    // moved since): the listeners load it at once, whatever the label shows (two files in
    // different folders may share a name).
    const juce::Component::SafePointer<VelmorOptionMenuTree> guard(this);
    callChangeListeners();
    if (guard == nullptr)
        return;
    lastChosenPath = chosenPath;
    setText(chosenName, juce::dontSendNotification);
}

bool VelmorOptionMenuTree::selectFilePath(const juce::String& relativePath)
{
    selectedFilePath = relativePath.replaceCharacter('\\', '/');

    if (createMenuTree())
    {
        selectedFilePath = relativePathOf(filePaths[selectedFileIndex - 1]);
        setText(fileNames[selectedFileIndex - 1], juce::dontSendNotification);
        return true;
    }

    setText(velmor::fileNamedBy(getDirectory(), selectedFilePath).getFileNameWithoutExtension(),
            juce::dontSendNotification);
    return false;
}

bool VelmorOptionMenuTree::selectFileIndex(int itemId)
{
    if (itemId < 1 || itemId >= nextItemId || filePaths[0].isEmpty())
        return false;

    selectedFileIndex = itemId;
    selectedFilePath = relativePathOf(filePaths[itemId - 1]);
    setText(fileNames[itemId - 1], juce::dontSendNotification);
    return true;
}
