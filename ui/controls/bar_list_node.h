// The node records of the program's tree lists (bar list and data list): one
// node per row, owned by its parent node, holding the tree's structure, the
// caller's description of the item and the row it shows as. The row's tag
// (and the tags of the row's controls) point to the node; the list hands the
// node to its rows as their row record (folder image, paint callback).
#pragma once

#include <vector>

#include "list_row.h"
#include "core/ui_string.h"

namespace SkinUI {

class CControlUI;

// What the caller fills to add an item.
struct UILIB_API BarListItemInfo
{
    BarListItemInfo();

    bool folder;
    bool closed;
    bool hasDelete;
    // The caller's own values; the list keeps them and does not read them.
    WORD wValue;
    DWORD dwValue1;
    DWORD dwValue2;
    WORD wValue1;
    WORD wValue2;
    CUIString image;
    CUIString text;
    CUIString key;
};

struct UILIB_API BarListNode : public TListRowRecordUI
{
    BarListNode();
    // Frees the children with it.
    ~BarListNode();
    BarListNode(const BarListNode&) = delete;
    BarListNode& operator=(const BarListNode&) = delete;

    bool IsRoot() const { return level < 0; }
    // The node whose row comes last in this node's subtree (itself when it
    // has no children).
    BarListNode* LastDescendant();

    std::vector<BarListNode*> children;
    BarListNode* parent;
    int level;
    bool folder;
    bool expanded;
    bool openIcon;
    bool savedVisible;
    bool hasDelete;
    WORD wValue;
    DWORD dwValue1;
    DWORD dwValue2;
    WORD wValue1;
    WORD wValue2;
    CUIString image;
    CUIString text;
    CUIString key;
    CControlUI* row;
    // The folder image is the row record's sFolderImage.
};

} // namespace SkinUI
