// CTreeViewUI: a tree shown as a flat list without a header. Its rows are
// CTreeNodeUI nodes in depth-first order; expanding and collapsing a node shows
// and hides the rows below it, and a node dragged onto another moves under it.
#pragma once

#include "list.h"
#include "core/paint_manager.h"

namespace SkinUI {

class CTreeNodeUI;

class UILIB_API CTreeViewUI : public CListUI, public INotifyUI
{
public:
    CTreeViewUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    // Nodes given as plain controls go through the node operations, so that
    // a subtree is never split between rows.
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    // The node at iIndex goes with its whole subtree; false out of range.
    bool RemoveAt(int iIndex) override;

    virtual bool Add(CTreeNodeUI* pControl);
    virtual bool AddAt(CTreeNodeUI* pControl, CTreeNodeUI* pIndexNode);
    // The row goes in at iIndex and its subtree right after it; answers the
    // index after the last row inserted, -1 when nothing was inserted.
    virtual int AddAt(CTreeNodeUI* pControl, int iIndex);
    virtual bool Remove(CTreeNodeUI* pControl);
    virtual bool OnCheckBoxChanged(void* param);
    virtual bool OnFolderChanged(void* param);
    virtual bool OnDBClickItem(void* param);
    virtual bool SetItemCheckBox(bool bSelected, CTreeNodeUI* pTreeNode = NULL);
    virtual void SetItemExpand(bool bExpanded, CTreeNodeUI* pTreeNode = NULL);
    virtual void SetVisibleFolderBtn(bool bIsVisible);
    virtual bool GetVisibleFolderBtn();
    virtual void SetVisibleCheckBtn(bool bIsVisible);
    virtual bool GetVisibleCheckBtn();
    virtual void SetItemMinWidth(UINT uItemMinWidth);
    virtual UINT GetItemMinWidth();

    void Notify(TNotifyUI& msg) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    // Dragging a node onto another: the indicator (optional) follows the
    // pointer and shows the dragged node's text.
    void SetDragIndicator(CContainerUI* pIndicator);
    void BeginDrag(CTreeNodeUI* pNode);
    void Draging(int x, int y);
    void EndDrag(CTreeNodeUI* pTarget);
    // Moves pNode with its subtree under pNewParent (a top-level node stays).
    bool Move(CTreeNodeUI* pNewParent, CTreeNodeUI* pNode);

protected:
    // Handlers, the view's button settings and minimum width for a new row.
    void PrepareRow(CTreeNodeUI* pNode);
    // Takes the row out of the list only (its subtree is gone already).
    bool RemoveRow(CTreeNodeUI* pNode);

    friend class CTreeNodeUI;

    UINT m_uItemMinWidth;
    bool m_bVisibleFolderBtn;
    bool m_bVisibleCheckBtn;
    CTreeNodeUI* m_pDragNode;
    CContainerUI* m_pDragIndicator;
};

} // namespace SkinUI
