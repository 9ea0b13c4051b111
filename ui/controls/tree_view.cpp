// CTreeViewUI: rows added and removed a subtree at a time, the folder buttons
// expanding and collapsing, check marks passed down, the view's settings, and
// moving a node under another by dragging.
#include "tree_view.h"

#include <cwchar>
#include <vector>

#include "core/attribute_values.h"
#include "list_header.h"
#include "option.h"
#include "tree_node.h"

namespace SkinUI {

namespace {

CTreeNodeUI* TreeNodeOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<CTreeNodeUI*>(pControl->GetInterface(L"TreeNode")) : NULL;
}

bool IsTreeNodeClass(CControlUI* pControl)
{
    return pControl != NULL && wcscmp(pControl->GetClass(), L"TreeNodeUI") == 0;
}

// The node whose row holds a button of it (button -> row layout -> node).
CTreeNodeUI* NodeOfButton(CControlUI* pButton)
{
    CControlUI* pRow = pButton != NULL ? pButton->GetParent() : NULL;
    return pRow != NULL ? TreeNodeOf(pRow->GetParent()) : NULL;
}

} // namespace

CTreeViewUI::CTreeViewUI()
    : m_uItemMinWidth(0),
      m_bVisibleFolderBtn(true),
      m_bVisibleCheckBtn(false),
      m_pDragNode(NULL),
      m_pDragIndicator(NULL)
{
    if (GetHeader() != NULL) GetHeader()->SetVisible(false);
}

const wchar_t* CTreeViewUI::GetClass() const { return L"TreeViewUI"; }

LPVOID CTreeViewUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"TreeView") == 0) return static_cast<CTreeViewUI*>(this);
    return CListUI::GetInterface(pstrName);
}

// ---- rows ----------------------------------------------------------------------------------

void CTreeViewUI::PrepareRow(CTreeNodeUI* pNode)
{
    pNode->OnNotify += MakeDelegate(this, &CTreeViewUI::OnDBClickItem);
    pNode->GetFolderButton()->OnNotify += MakeDelegate(this, &CTreeViewUI::OnFolderChanged);
    pNode->GetCheckBox()->OnNotify += MakeDelegate(this, &CTreeViewUI::OnCheckBoxChanged);
    pNode->SetVisibleFolderBtn(m_bVisibleFolderBtn);
    pNode->SetVisibleCheckBtn(m_bVisibleCheckBtn);
    if (m_uItemMinWidth > 0) pNode->SetMinWidth(static_cast<int>(m_uItemMinWidth));
}

bool CTreeViewUI::Add(CTreeNodeUI* pControl)
{
    if (!IsTreeNodeClass(pControl)) return false;
    // A node shown already would be a row twice (and freed twice).
    if (GetItemIndex(pControl) >= 0) return false;
    PrepareRow(pControl);
    if (!CListUI::Add(pControl)) return false;
    pControl->SetTreeView(this);
    for (int i = 0; i < pControl->GetCountChild(); ++i) Add(pControl->GetChildNode(i));
    return true;
}

int CTreeViewUI::AddAt(CTreeNodeUI* pControl, int iIndex)
{
    if (!IsTreeNodeClass(pControl) || GetItemIndex(pControl) >= 0) return -1;
    PrepareRow(pControl);
    if (!CListUI::AddAt(pControl, iIndex)) return -1;
    pControl->SetTreeView(this);
    int iNext = iIndex + 1;
    for (int i = 0; i < pControl->GetCountChild() && iNext >= 0; ++i) iNext = AddAt(pControl->GetChildNode(i), iNext);
    return iNext;
}

bool CTreeViewUI::AddAt(CTreeNodeUI* pControl, CTreeNodeUI* pIndexNode)
{
    const int iIndex = pIndexNode != NULL ? GetItemIndex(pIndexNode) : -1;
    if (iIndex < 0) return false;
    return AddAt(pControl, iIndex) >= 0;
}

bool CTreeViewUI::RemoveRow(CTreeNodeUI* pNode)
{
    // By index: the list's Remove would come back through this view's RemoveAt.
    const int iIndex = GetItemIndex(pNode);
    if (iIndex < 0) return false;
    pNode->SetTreeView(NULL);
    return CListUI::RemoveAt(iIndex);
}

bool CTreeViewUI::Remove(CTreeNodeUI* pControl)
{
    if (pControl == NULL || GetItemIndex(pControl) < 0) return false;
    // The parent forgets it too: nothing keeps a pointer to a freed node.
    if (pControl->GetParentNode() != NULL) return pControl->GetParentNode()->RemoveAt(pControl);
    pControl->RemoveChildNodes();
    return RemoveRow(pControl);
}

bool CTreeViewUI::Add(CControlUI* pControl)
{
    if (IsTreeNodeClass(pControl)) return Add(static_cast<CTreeNodeUI*>(pControl));
    return CListUI::Add(pControl);
}

bool CTreeViewUI::AddAt(CControlUI* pControl, int iIndex)
{
    if (IsTreeNodeClass(pControl)) return AddAt(static_cast<CTreeNodeUI*>(pControl), iIndex) >= 0;
    return CListUI::AddAt(pControl, iIndex);
}

bool CTreeViewUI::Remove(CControlUI* pControl)
{
    CTreeNodeUI* pNode = TreeNodeOf(pControl);
    if (pNode != NULL && pNode->GetTreeView() == this) return Remove(pNode);
    const int iIndex = GetList()->GetItemIndex(pControl);
    if (iIndex >= 0) return CListUI::RemoveAt(iIndex);
    return CListUI::Remove(pControl);
}

bool CTreeViewUI::RemoveAt(int iIndex)
{
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == NULL) return false;
    CTreeNodeUI* pNode = TreeNodeOf(pControl);
    if (pNode != NULL && pNode->GetTreeView() == this) return Remove(pNode);
    return CListUI::RemoveAt(iIndex);
}

// ---- folder buttons, check boxes and double clicks ---------------------------------------

bool CTreeViewUI::OnFolderChanged(void* param)
{
    TNotifyUI* pMsg = static_cast<TNotifyUI*>(param);
    if (pMsg->type != L"selectchanged") return true;
    CCheckBoxUI* pFolder = static_cast<CCheckBoxUI*>(pMsg->sender);
    CTreeNodeUI* pNode = NodeOfButton(pFolder);
    if (pNode == NULL) return true;
    const bool bCollapsed = pFolder->IsSelected();
    pNode->m_bExpanded = !bCollapsed;
    if (!bCollapsed && m_pManager != NULL) m_pManager->SendNotify(pNode, L"itemexpand");
    SetItemExpand(!bCollapsed, pNode);
    return true;
}

bool CTreeViewUI::OnCheckBoxChanged(void* param)
{
    TNotifyUI* pMsg = static_cast<TNotifyUI*>(param);
    if (pMsg->type != L"selectchanged") return true;
    CCheckBoxUI* pCheckBox = static_cast<CCheckBoxUI*>(pMsg->sender);
    CTreeNodeUI* pNode = NodeOfButton(pCheckBox);
    if (pNode != NULL) SetItemCheckBox(pCheckBox->GetCheck(), pNode);
    return true;
}

bool CTreeViewUI::OnDBClickItem(void* param)
{
    TNotifyUI* pMsg = static_cast<TNotifyUI*>(param);
    if (pMsg->type != L"itemdbclick") return true;
    CTreeNodeUI* pNode = TreeNodeOf(pMsg->sender);
    if (pNode == NULL) return true;
    CCheckBoxUI* pFolder = pNode->GetFolderButton();
    pFolder->Selected(!pFolder->IsSelected());
    pNode->m_bExpanded = !pFolder->IsSelected();
    SetItemExpand(pNode->m_bExpanded, pNode);
    return true;
}

bool CTreeViewUI::SetItemCheckBox(bool bSelected, CTreeNodeUI* pTreeNode)
{
    if (pTreeNode == NULL) {
        for (int i = 0; i < GetCount(); ++i) {
            CTreeNodeUI* pNode = TreeNodeOf(GetItemAt(i));
            if (pNode != NULL) pNode->CheckBoxSelected(bSelected);
        }
        return true;
    }
    for (int i = 0; i < pTreeNode->GetCountChild(); ++i) {
        CTreeNodeUI* pChild = pTreeNode->GetChildNode(i);
        pChild->CheckBoxSelected(bSelected);
        if (pChild->IsHasChild()) SetItemCheckBox(bSelected, pChild);
    }
    return true;
}

void CTreeViewUI::SetItemExpand(bool bExpanded, CTreeNodeUI* pTreeNode)
{
    // Hiding reaches every descendant; showing stops below a collapsed node
    // and does not start under a node that is itself hidden.
    if (pTreeNode == NULL) {
        for (int i = 0; i < GetCount(); ++i) {
            CTreeNodeUI* pNode = TreeNodeOf(GetItemAt(i));
            if (pNode == NULL) continue;
            pNode->SetVisible(bExpanded);
            if (pNode->IsHasChild() && (!bExpanded || pNode->m_bExpanded)) SetItemExpand(bExpanded, pNode);
        }
        return;
    }
    if (bExpanded && !pTreeNode->IsVisible()) return;
    for (int i = 0; i < pTreeNode->GetCountChild(); ++i) {
        CTreeNodeUI* pChild = pTreeNode->GetChildNode(i);
        pChild->SetVisible(bExpanded);
        if (pChild->IsHasChild() && (!bExpanded || pChild->m_bExpanded)) SetItemExpand(bExpanded, pChild);
    }
}

// ---- view settings -----------------------------------------------------------------------

void CTreeViewUI::SetVisibleFolderBtn(bool bIsVisible)
{
    m_bVisibleFolderBtn = bIsVisible;
    for (int i = 0; i < GetCount(); ++i) {
        CTreeNodeUI* pNode = TreeNodeOf(GetItemAt(i));
        if (pNode != NULL) pNode->SetVisibleFolderBtn(bIsVisible);
    }
}

bool CTreeViewUI::GetVisibleFolderBtn() { return m_bVisibleFolderBtn; }

void CTreeViewUI::SetVisibleCheckBtn(bool bIsVisible)
{
    m_bVisibleCheckBtn = bIsVisible;
    for (int i = 0; i < GetCount(); ++i) {
        CTreeNodeUI* pNode = TreeNodeOf(GetItemAt(i));
        if (pNode != NULL) pNode->SetVisibleCheckBtn(bIsVisible);
    }
}

bool CTreeViewUI::GetVisibleCheckBtn() { return m_bVisibleCheckBtn; }

void CTreeViewUI::SetItemMinWidth(UINT uItemMinWidth)
{
    m_uItemMinWidth = uItemMinWidth;
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pRow = GetItemAt(i);
        if (pRow != NULL) pRow->SetMinWidth(static_cast<int>(uItemMinWidth));
    }
    Invalidate();
}

UINT CTreeViewUI::GetItemMinWidth() { return m_uItemMinWidth; }

void CTreeViewUI::Notify(TNotifyUI&) {}

void CTreeViewUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"visiblefolderbtn") == 0) SetVisibleFolderBtn(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"visiblecheckbtn") == 0) SetVisibleCheckBtn(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"itemminwidth") == 0) SetItemMinWidth(static_cast<UINT>(ParseInt(pstrValue)));
    else CListUI::SetAttribute(pstrName, pstrValue);
}

// ---- dragging ------------------------------------------------------------------------------

void CTreeViewUI::SetDragIndicator(CContainerUI* pIndicator) { m_pDragIndicator = pIndicator; }

void CTreeViewUI::BeginDrag(CTreeNodeUI* pNode)
{
    m_pDragNode = pNode;
    if (pNode == NULL || m_pDragIndicator == NULL) return;
    CControlUI* pFirst = m_pDragIndicator->GetItemAt(0);
    if (pFirst != NULL) pFirst->SetText(pNode->GetItemText());
}

void CTreeViewUI::Draging(int x, int y)
{
    if (m_pDragNode == NULL || m_pDragIndicator == NULL) return;
    m_pDragIndicator->SetPos(RECT{x + 5, y + 5, x + 135, y + 25});
}

void CTreeViewUI::EndDrag(CTreeNodeUI* pTarget)
{
    if (m_pDragIndicator != NULL) m_pDragIndicator->SetPos(RECT{0, 0, 0, 0});
    CTreeNodeUI* pSource = m_pDragNode;
    m_pDragNode = NULL;
    if (pSource == NULL || pTarget == NULL || pSource == pTarget || pSource->GetParentNode() == pTarget) return;
    for (CTreeNodeUI* p = pTarget; p != NULL; p = p->GetParentNode()) {
        if (p == pSource) return;
    }
    if (!Move(pTarget, pSource)) return;
    for (int i = 0; i < GetCount(); ++i) {
        IListItemUI* pItem = static_cast<IListItemUI*>(GetItemAt(i)->GetInterface(L"ListItem"));
        if (pItem != NULL) pItem->Select(false);
    }
    pSource->Select(true);
}

namespace {

// A node's subtree as it was before a move.
struct SubtreeRecord
{
    CTreeNodeUI* node;
    std::vector<SubtreeRecord> children;
};

SubtreeRecord Record(CTreeNodeUI* pNode)
{
    SubtreeRecord record = {pNode, {}};
    for (int i = 0; i < pNode->GetCountChild(); ++i) record.children.push_back(Record(pNode->GetChildNode(i)));
    return record;
}

void Relink(const SubtreeRecord& record)
{
    for (const SubtreeRecord& child : record.children) {
        record.node->AddChildNode(child.node);
        Relink(child);
    }
}

} // namespace

bool CTreeViewUI::Move(CTreeNodeUI* pNewParent, CTreeNodeUI* pNode)
{
    CTreeNodeUI* pOldParent = pNode != NULL ? pNode->GetParentNode() : NULL;
    if (pOldParent == NULL || pNewParent == NULL || pNewParent->GetTreeView() != this) return false;
    // Under itself the subtree would hang from nothing.
    for (CTreeNodeUI* p = pNewParent; p != NULL; p = p->GetParentNode()) {
        if (p == pNode) return false;
    }
    const SubtreeRecord record = Record(pNode);
    // Every node of the subtree leaves its place without being freed.
    CContainerUI* pBody = GetList();
    const bool bAutoDestroy = pBody->IsAutoDestroy();
    pBody->SetAutoDestroy(false);
    std::vector<const SubtreeRecord*> rows(1, &record);
    for (size_t i = 0; i < rows.size(); ++i) {
        for (const SubtreeRecord& child : rows[i]->children) rows.push_back(&child);
    }
    for (const SubtreeRecord* r : rows) RemoveRow(r->node);
    pBody->SetAutoDestroy(bAutoDestroy);
    pOldParent->m_aTreeNodes.Remove(pOldParent->m_aTreeNodes.Find(pNode));
    std::vector<const SubtreeRecord*> stack(1, &record);
    while (!stack.empty()) {
        const SubtreeRecord* r = stack.back();
        stack.pop_back();
        r->node->m_aTreeNodes.Empty();
        r->node->SetParentNode(NULL);
        r->node->SetTreeView(NULL);
        for (const SubtreeRecord& child : r->children) stack.push_back(&child);
    }
    if (!pNewParent->AddChildNode(pNode)) return false;
    Relink(record);
    return true;
}

} // namespace SkinUI
