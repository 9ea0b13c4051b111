// CTreeNodeUI: one node of a tree view, shown as one row of the view's list.
// The row is a horizontal layout of an indenting dotted line, the folder button
// (selected means collapsed), a check box and the option that shows the text.
// A node knows its child nodes, its parent node and its view; the view keeps
// the rows in depth-first order. A node that is not in a view owns its child
// nodes; once in a view every node is a row of it and the view owns them all.
#pragma once

#include "list_container_element.h"
#include "core/ui_arrays.h"

namespace SkinUI {

class CTreeViewUI;
class CHorizontalLayoutUI;
class CLabelUI;
class CCheckBoxUI;
class COptionUI;

class UILIB_API CTreeNodeUI : public CListContainerElementUI
{
    friend class CTreeViewUI;

public:
    explicit CTreeNodeUI(CTreeNodeUI* pParentNode = NULL);
    ~CTreeNodeUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    // A node becomes a child node; any other control a plain child.
    bool Add(CControlUI* pControl) override;
    // Only nodes: before the child node at iIndex, else after the last one.
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    using CListContainerElementUI::RemoveAt;

    bool AddChildNode(CTreeNodeUI* pNode);
    // The child node goes with its whole subtree.
    bool RemoveAt(CTreeNodeUI* pNode);

    void SetItemText(const wchar_t* pstrValue);
    CUIString GetItemText() const;
    void CheckBoxSelected(bool bSelected);
    bool IsCheckBoxSelected() const;
    bool IsHasChild() const;
    int GetCountChild() const;
    CTreeNodeUI* GetChildNode(int iIndex) const;
    CStdPtrArray GetTreeNodes() const;
    void SetParentNode(CTreeNodeUI* pParentNode);
    CTreeNodeUI* GetParentNode() const;
    CTreeViewUI* GetTreeView() const;
    void SetVisibleFolderBtn(bool bVisible);
    bool GetVisibleFolderBtn() const;
    void SetVisibleCheckBtn(bool bVisible);
    bool GetVisibleCheckBtn() const;
    // The node's row in the view, -1 when it is not shown.
    int GetTreeIndex() const;
    // Among the parent's children; a top-level node answers its row.
    int GetNodeIndex() const;
    // The deepest last descendant, the node itself without children.
    CTreeNodeUI* GetLastNode();
    // Links a child under this node: indent, parent, option group and view.
    CTreeNodeUI* CalLocation(CTreeNodeUI* pNode);
    // The node at a point of the window (a control inside a row finds its row).
    CTreeNodeUI* GetFirstCTreeNodeUIFromPoint(POINT pt);

    CHorizontalLayoutUI* GetTreeNodeHoriznotal() const;
    CLabelUI* GetDottedLine() const;
    CCheckBoxUI* GetFolderButton() const;
    CCheckBoxUI* GetCheckBox() const;
    COptionUI* GetItemButton() const;

protected:
    void SetTreeView(CTreeViewUI* pTreeView);
    // Whether pNode may become a child: a fresh node, not this one, not an
    // ancestor (a node already placed elsewhere would be shown twice).
    bool CanAdopt(CTreeNodeUI* pNode) const;
    // Undoes CalLocation after an insert that failed.
    void Unlink(CTreeNodeUI* pNode);
    // Removes every child node with its subtree.
    void RemoveChildNodes();

    bool m_bExpanded;
    CTreeViewUI* m_pTreeView;
    CTreeNodeUI* m_pParentTreeNode;
    CHorizontalLayoutUI* m_pHoriz;
    CLabelUI* m_pDottedLine;
    CCheckBoxUI* m_pFolderButton;
    CCheckBoxUI* m_pCheckBox;
    COptionUI* m_pItemButton;
    CStdPtrArray m_aTreeNodes;
};

} // namespace SkinUI
