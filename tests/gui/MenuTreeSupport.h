#pragma once

#include "VelmorOptionMenuTree.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// A pop-up menu as plain data: what a test compares instead of walking juce::PopupMenu items.
struct MenuNode
{
    juce::String text;
    int itemId = 0; // 0 for a sub-menu entry
    bool isTicked = false;
    std::vector<MenuNode> children; // a sub-menu's entries
};

std::vector<MenuNode> describeMenu(const juce::PopupMenu& menu);

// The entry of nodes titled text, or nullptr.
const MenuNode* findEntry(const std::vector<MenuNode>& nodes, const juce::String& text);

// Every item id of nodes and their sub-menus.
std::vector<int> itemIdsBelow(const std::vector<MenuNode>& nodes);

// The files of the menu's last build, as a menu shown then would have captured them.
VelmorOptionMenuTree::Listing listingOfLastBuild(const VelmorOptionMenuTree& menu);

// The item id under which the menu's last build listed file, or 0.
int idOf(const VelmorOptionMenuTree& menu, const juce::File& file);

// Creates file (and its folders) holding text.
void writeTextFile(const juce::File& file, const juce::String& text = "x");

// The file at relativePath below folder, every name taken literally (the framework's getChildFile
// reads a leading "~" as a home folder).
juce::File fileBelow(const juce::File& folder, const juce::String& relativePath);
