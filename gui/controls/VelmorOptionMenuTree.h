#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class VelmorFolderWalk;

// A label that pops up a menu of the files in a folder tree: every sub-folder a sub-menu, every
// matching file an item, the chosen file's name (without extension) the label's text. The tree is
// read from the disk again each time the menu opens and each time a file is selected by path.
class VelmorOptionMenuTree : public juce::Label
{
public:
    // The files behind one built menu, by item id - 1; a shown menu keeps its own copy.
    struct Listing
    {
        juce::StringArray filePaths;
        juce::StringArray fileNames;
    };

    explicit VelmorOptionMenuTree(const juce::String& name);
    ~VelmorOptionMenuTree() override;

    void mouseDown(const juce::MouseEvent&) override;

    virtual void setDirectoryPath(juce::String path);
    virtual void setSelectedFilePath(juce::String relativePath);
    virtual void setSelectedFileIndex(int itemId);
    virtual void setAsRecursive(bool shouldRecurse);
    virtual void setFileExtension(juce::String pattern);
    virtual juce::String getSelectedFilePath() const;
    virtual int getSelectedFileIndex() const;
    virtual juce::String getFilePath(int index) const;
    virtual juce::String getFileName(int index) const;
    // The number of files of the last build plus one (the id the next file would get).
    virtual int getNumOfFiles() const;
    virtual void nextResult();
    virtual void previousResult();

    // Rebuilds every menu and list; true when the selected file was found in the tree.
    bool createMenuTree();

    // What follows a choice in the menu that mouseDown shows; result is the chosen item id (0 when
    // the menu was dismissed), listing the files the menu was built from.
    virtual void menuResult(int result, const Listing& listing);

    // The menu that mouseDown shows, as the last build made it.
    juce::PopupMenu getRootMenu() const;

protected:
    juce::File getDirectory() const;

    // setSelectedFilePath and setSelectedFileIndex; each tells whether the file was found in the
    // tree (or the index accepted).
    bool selectFilePath(const juce::String& relativePath);
    bool selectFileIndex(int itemId);

private:
    int createSubMenu(const juce::File& folder, bool& found, VelmorFolderWalk& walk);
    juce::String relativePathOf(const juce::String& fullPath) const;

    std::vector<juce::PopupMenu> menus;
    int numMenus = 0;
    int nextItemId = 1;
    juce::StringArray filePaths;
    juce::StringArray fileNames;
    juce::String directoryPath;
    // The relative path of the file last chosen through the menu; only a menu choice sets it.
    juce::String lastChosenPath;
    juce::String selectedFilePath;
    int selectedFileIndex = 0;
    juce::String fileExtension{"*"};
    bool isRecursive = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelmorOptionMenuTree)
};
