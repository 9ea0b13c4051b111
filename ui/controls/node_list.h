// CNodeListUI: what the bar list and the data list share: a list whose rows
// show a tree of node records as indented rows built from an item layout.
// Folders expand and collapse by showing and hiding their descendants' rows; a
// leaf row can be dragged onto a folder row; the wheel scrolls with a short
// animation. The rows find their node records through the list's
// "IListRowRecords" face, so only tags that are live nodes of this list are
// ever read as nodes.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <unordered_set>

#include "bar_list_node.h"
#include "core/dialog_builder.h"
#include "list.h"
#include "list_row.h"

namespace SkinUI {

class CNodeListUI;

// Called for each node in turn until it answers non-zero; it may remove the
// node it is given.
typedef int (*BarListVisitCallback)(BarListNode* pNode, const wchar_t* pstrText, CNodeListUI* pList);

// The notification of a leaf dropped on a folder: wParam the leaf's node,
// lParam the folder's.
extern UILIB_API const wchar_t* const kNotifyDragDroppedFriendList;

// Cursor resources of the program shown while dragging: over a row that can
// take the drop, and over the dragged row itself.
const UINT IDC_BARLIST_DRAG_OVER = 102;
const UINT IDC_BARLIST_DRAG_SELF = 103;

// The control timer of the wheel animation.
const UINT BARLIST_WHEEL_TIMER = 10;

class UILIB_API CNodeListUI : public CListUI, public IListRowRecordsUI
{
public:
    explicit CNodeListUI(CPaintManagerUI* pManager);
    ~CNodeListUI() override;

    LPVOID GetInterface(const wchar_t* pstrName) override;

    // Builds the item layout for a new node under pParent (the root when
    // null) and places its row after the parent's last descendant. Null when
    // the layout builds nothing or the row cannot be placed.
    BarListNode* AddBarListNode(const BarListItemInfo& info, BarListNode* pParent, const wchar_t* pstrItemLayout);
    void ExpandBarListNode(BarListNode* pNode, bool bExpand);
    // Children before their parent, top-level subtrees in order; the text
    // compared exactly.
    BarListNode* FindBarListNode(const wchar_t* pstrText);
    void VisitBarListNodes(const wchar_t* pstrText, BarListVisitCallback pfnCallback);
    // Removes the node's rows with its whole subtree and frees it.
    bool RemoveDataListNode(BarListNode* pNode);

    BarListNode* GetRootNode() const;
    // The node a row or one of its controls belongs to, or null.
    BarListNode* GetNodeOf(CControlUI* pControl) const;
    int GetNodeCount() const;

    // Rows are container elements; one tied to a node goes with its subtree.
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    // Selecting gives the old and the new row their looks (see the hooks).
    bool SelectItem(int iIndex, bool bTakeFocus = false) override;
    void DoEvent(TEventUI& event) override;

    TListRowRecordUI* GetRowRecord(CControlUI* pRow, UINT_PTR tag) override;

    bool IsDragEnabled() const;
    bool IsShowingFoldersOnly() const;

protected:
    // The height a row gets when it is made and when it gives up the selection.
    virtual int GetRowHeight() const = 0;
    // A row tied to a node that gives up the selection (before it is
    // deselected) and one that takes it.
    virtual void OnRowDeselecting(CControlUI* pRow, BarListNode* pNode) = 0;
    virtual void OnRowSelected(CControlUI* pRow, BarListNode* pNode) = 0;
    // A named control of the row, or of the window when no row is given.
    CControlUI* FindInRow(CControlUI* pRow, const wchar_t* pstrName) const;
    void ShowInRow(CControlUI* pRow, const wchar_t* pstrName, bool bShow) const;
    // Rebuilds the row's "item_text": indent, folder icon, the node's text.
    void UpdateItemText(BarListNode* pNode);
    // The row's index in the list, -1 when it has none.
    int RowIndexOf(BarListNode* pNode) const;

    bool m_bDragEnabled;
    CUIString m_sOpenFolderIcon;
    CUIString m_sClosedFolderIcon;
    CPaintManagerUI* m_pOwnerManager;

private:
    static bool IsRowClass(CControlUI* pControl);
    void ForgetSubtree(BarListNode* pNode);
    void RemoveSubtreeRows(BarListNode* pNode);
    void ShowFoldersOnly();
    void RestoreLeafRows();
    void ScrollToRow(CControlUI* pRow);
    void OnWheel(TEventUI& event);
    void OnWheelTick();
    void OnDrag(TEventUI& event);
    CControlUI* ControlAt(const TEventUI& event) const;

    std::unique_ptr<BarListNode> m_pRoot;
    std::unordered_set<const BarListNode*> m_liveNodes;
    int m_nWheelSpeed;
    unsigned m_nWheelSteps;
    unsigned m_nWheelStepsLeft;
    CDialogBuilder m_itemBuilder;
    // The layout the item builder parsed first; every row is built from it.
    CUIString m_sParsedLayout;
    std::set<std::wstring> m_layoutNames;
    bool m_bFoldersShown;
    bool m_bButtonHeld;
    BarListNode* m_pDragSource;
    BarListNode* m_pDropTarget;
};

// Node text made safe for tagged text: shown as written, never read as tags.
UILIB_API CUIString EscapeTaggedText(const CUIString& sText);

} // namespace SkinUI
