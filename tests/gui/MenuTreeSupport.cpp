#include "MenuTreeSupport.h"

std::vector<MenuNode> describeMenu(const juce::PopupMenu& menu)
{
    std::vector<MenuNode> nodes;
    for (juce::PopupMenu::MenuItemIterator it(menu); it.next();)
    {
        const auto& item = it.getItem();
        MenuNode node;
        node.text = item.text;
        node.isTicked = item.isTicked;
        if (item.subMenu != nullptr)
            node.children = describeMenu(*item.subMenu);
        else
            node.itemId = item.itemID;
        nodes.push_back(std::move(node));
    }
    return nodes;
}

const MenuNode* findEntry(const std::vector<MenuNode>& nodes, const juce::String& text)
{
    for (const auto& node : nodes)
        if (node.text == text)
            return &node;
    return nullptr;
}

std::vector<int> itemIdsBelow(const std::vector<MenuNode>& nodes)
{
    std::vector<int> ids;
    for (const auto& node : nodes)
    {
        if (node.itemId != 0)
            ids.push_back(node.itemId);
        const auto below = itemIdsBelow(node.children);
        ids.insert(ids.end(), below.begin(), below.end());
    }
    return ids;
}

void writeTextFile(const juce::File& file, const juce::String& text)
{
    file.getParentDirectory().createDirectory();
    file.replaceWithText(text);
}

VelmorOptionMenuTree::Listing listingOfLastBuild(const VelmorOptionMenuTree& menu)
{
    VelmorOptionMenuTree::Listing listing;
    for (int index = 0; index + 1 < menu.getNumOfFiles(); ++index)
    {
        listing.filePaths.add(menu.getFilePath(index));
        listing.fileNames.add(menu.getFileName(index));
    }
    return listing;
}

int idOf(const VelmorOptionMenuTree& menu, const juce::File& file)
{
    for (int index = 0; index + 1 < menu.getNumOfFiles(); ++index)
        if (menu.getFilePath(index) == file.getFullPathName())
            return index + 1;
    return 0;
}

juce::File fileBelow(const juce::File& folder, const juce::String& relativePath)
{
    return juce::File(folder.getFullPathName() + "/" + relativePath);
}
