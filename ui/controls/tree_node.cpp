// CTreeNodeUI: the node's row of controls, linking child nodes under it (and
// their rows into the view right after its subtree), removing them with their
// subtrees, its attributes, and the double click and dragging of a node.
#include "tree_node.h"

#include <cwchar>

#include "horizontal_layout.h"
#include "label.h"
#include "option.h"
#include "tree_view.h"

namespace SkinUI {

namespace {

// How much deeper each level's dotted line reaches.
const int kIndent = 18;
const int kNodeHeight = 20;
const int kNodeWidth = 250;

CTreeNodeUI* TreeNodeOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<CTreeNodeUI*>(pControl->GetInterface(L"TreeNode")) : NULL;
}

bool IsTreeNodeClass(CControlUI* pControl)
{
    return pControl != NULL && wcscmp(pControl->GetClass(), L"TreeNodeUI") == 0;
}

} // namespace

CTreeNodeUI::CTreeNodeUI(CTreeNodeUI* pParentNode)
    : m_bExpanded(true),
      m_pTreeView(NULL),
      m_pParentTreeNode(IsTreeNodeClass(pParentNode) ? pParentNode : NULL),
      m_pHoriz(new CHorizontalLayoutUI()),
      m_pDottedLine(new CLabelUI()),
      m_pFolderButton(new CCheckBoxUI()),
      m_pCheckBox(new CCheckBoxUI()),
      m_pItemButton(new COptionUI())
{
    SetFixedHeight(kNodeHeight);
    SetFixedWidth(kNodeWidth);

    m_pDottedLine->SetVisible(false);
    m_pDottedLine->SetFixedWidth(0);
    m_pFolderButton->SetFixedWidth(GetFixedHeight());
    m_pFolderButton->Selected(true);
    m_pCheckBox->SetVisible(false);
    m_pCheckBox->SetFixedWidth(GetFixedHeight());
    m_pItemButton->SetAttribute(L"align", L"left");
    m_pItemButton->SetMouseEnabled(false);

    m_pHoriz->Add(m_pDottedLine);
    m_pHoriz->Add(m_pFolderButton);
    m_pHoriz->Add(m_pCheckBox);
    m_pHoriz->Add(m_pItemButton);
    CListContainerElementUI::AddAt(m_pHoriz, 0);
}

CTreeNodeUI::~CTreeNodeUI()
{
    // Outside a view the child nodes are rows of nothing: this node owns them.
    if (m_pTreeView != NULL) return;
    CStdPtrArray children(m_aTreeNodes);
    m_aTreeNodes.Empty();
    for (int i = 0; i < children.GetSize(); ++i) delete static_cast<CTreeNodeUI*>(children[i]);
}

const wchar_t* CTreeNodeUI::GetClass() const { return L"TreeNodeUI"; }

LPVOID CTreeNodeUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL) {
        if (wcscmp(pstrName, L"TreeNode") == 0) return static_cast<CTreeNodeUI*>(this);
        // Where the layout builder puts the controls written inside a node.
        if (wcscmp(pstrName, L"TreeNodeRow") == 0) return static_cast<IContainerUI*>(m_pHoriz);
    }
    return CListContainerElementUI::GetInterface(pstrName);
}

// ---- child nodes -------------------------------------------------------------------------

bool CTreeNodeUI::CanAdopt(CTreeNodeUI* pNode) const
{
    if (pNode == NULL || pNode->m_pParentTreeNode != NULL || pNode->m_pTreeView != NULL) return false;
    for (const CTreeNodeUI* p = this; p != NULL; p = p->m_pParentTreeNode) {
        if (p == pNode) return false;
    }
    return true;
}

CTreeNodeUI* CTreeNodeUI::CalLocation(CTreeNodeUI* pNode)
{
    pNode->m_pDottedLine->SetVisible(true);
    pNode->m_pDottedLine->SetFixedWidth(m_pDottedLine->GetFixedWidth() + kIndent);
    pNode->SetParentNode(this);
    pNode->m_pItemButton->SetGroup(m_pItemButton->GetGroup());
    pNode->SetTreeView(m_pTreeView);
    return pNode;
}

void CTreeNodeUI::Unlink(CTreeNodeUI* pNode)
{
    pNode->m_pDottedLine->SetVisible(false);
    pNode->m_pDottedLine->SetFixedWidth(0);
    pNode->SetParentNode(NULL);
    pNode->SetTreeView(NULL);
}

bool CTreeNodeUI::AddChildNode(CTreeNodeUI* pNode)
{
    if (!IsTreeNodeClass(pNode) || !CanAdopt(pNode)) return false;
    CalLocation(pNode);
    if (m_pTreeView != NULL) {
        // The new row follows the whole subtree shown under this node so far.
        CTreeNodeUI* pLast = m_aTreeNodes.IsEmpty() ? this : GetChildNode(GetCountChild() - 1)->GetLastNode();
        const int iAfter = pLast->GetTreeIndex();
        if (iAfter < 0 || m_pTreeView->AddAt(pNode, iAfter + 1) < 0) {
            Unlink(pNode);
            return false;
        }
    }
    m_aTreeNodes.Add(pNode);
    return true;
}

bool CTreeNodeUI::Add(CControlUI* pControl)
{
    if (IsTreeNodeClass(pControl)) return AddChildNode(static_cast<CTreeNodeUI*>(pControl));
    return CListContainerElementUI::AddAt(pControl, GetCount());
}

bool CTreeNodeUI::AddAt(CControlUI* pControl, int iIndex)
{
    CTreeNodeUI* pNode = TreeNodeOf(pControl);
    if (pNode == NULL) return false;
    CTreeNodeUI* pBefore = GetChildNode(iIndex);
    // Past the last child: appended, its row after this node's whole subtree.
    if (pBefore == NULL) return AddChildNode(pNode);
    if (!CanAdopt(pNode)) return false;
    CalLocation(pNode);
    if (m_pTreeView != NULL && !m_pTreeView->AddAt(pNode, pBefore)) {
        Unlink(pNode);
        return false;
    }
    m_aTreeNodes.InsertAt(iIndex, pNode);
    return true;
}

bool CTreeNodeUI::Remove(CControlUI* pControl)
{
    CTreeNodeUI* pNode = TreeNodeOf(pControl);
    if (pNode != NULL) return RemoveAt(pNode);
    return CListContainerElementUI::Remove(pControl);
}

void CTreeNodeUI::RemoveChildNodes()
{
    while (!m_aTreeNodes.IsEmpty()) RemoveAt(GetChildNode(GetCountChild() - 1));
}

bool CTreeNodeUI::RemoveAt(CTreeNodeUI* pNode)
{
    const int iIndex = m_aTreeNodes.Find(pNode);
    if (iIndex < 0) return false;
    pNode->RemoveChildNodes();
    m_aTreeNodes.Remove(iIndex);
    pNode->m_pParentTreeNode = NULL;
    if (m_pTreeView != NULL) m_pTreeView->RemoveRow(pNode);
    else delete pNode;
    return true;
}

// ---- plain accessors ---------------------------------------------------------------------

void CTreeNodeUI::SetItemText(const wchar_t* pstrValue) { m_pItemButton->SetText(pstrValue); }
CUIString CTreeNodeUI::GetItemText() const { return m_pItemButton->GetText(); }
void CTreeNodeUI::CheckBoxSelected(bool bSelected) { m_pCheckBox->Selected(bSelected); }
bool CTreeNodeUI::IsCheckBoxSelected() const { return m_pCheckBox->IsSelected(); }
bool CTreeNodeUI::IsHasChild() const { return !m_aTreeNodes.IsEmpty(); }
int CTreeNodeUI::GetCountChild() const { return m_aTreeNodes.GetSize(); }

CTreeNodeUI* CTreeNodeUI::GetChildNode(int iIndex) const
{
    return static_cast<CTreeNodeUI*>(m_aTreeNodes.GetAt(iIndex));
}

CStdPtrArray CTreeNodeUI::GetTreeNodes() const { return m_aTreeNodes; }

void CTreeNodeUI::SetParentNode(CTreeNodeUI* pParentNode) { m_pParentTreeNode = pParentNode; }
CTreeNodeUI* CTreeNodeUI::GetParentNode() const { return m_pParentTreeNode; }
void CTreeNodeUI::SetTreeView(CTreeViewUI* pTreeView) { m_pTreeView = pTreeView; }
CTreeViewUI* CTreeNodeUI::GetTreeView() const { return m_pTreeView; }
void CTreeNodeUI::SetVisibleFolderBtn(bool bVisible) { m_pFolderButton->SetVisible(bVisible); }
bool CTreeNodeUI::GetVisibleFolderBtn() const { return m_pFolderButton->IsVisible(); }
void CTreeNodeUI::SetVisibleCheckBtn(bool bVisible) { m_pCheckBox->SetVisible(bVisible); }
bool CTreeNodeUI::GetVisibleCheckBtn() const { return m_pCheckBox->IsVisible(); }

int CTreeNodeUI::GetTreeIndex() const
{
    return m_pTreeView != NULL ? m_pTreeView->GetItemIndex(const_cast<CTreeNodeUI*>(this)) : -1;
}

int CTreeNodeUI::GetNodeIndex() const
{
    if (m_pParentTreeNode != NULL) return m_pParentTreeNode->m_aTreeNodes.Find(const_cast<CTreeNodeUI*>(this));
    return GetTreeIndex();
}

CTreeNodeUI* CTreeNodeUI::GetLastNode()
{
    CTreeNodeUI* pNode = this;
    while (pNode->IsHasChild()) pNode = pNode->GetChildNode(pNode->GetCountChild() - 1);
    return pNode;
}

CHorizontalLayoutUI* CTreeNodeUI::GetTreeNodeHoriznotal() const { return m_pHoriz; }
CLabelUI* CTreeNodeUI::GetDottedLine() const { return m_pDottedLine; }
CCheckBoxUI* CTreeNodeUI::GetFolderButton() const { return m_pFolderButton; }
CCheckBoxUI* CTreeNodeUI::GetCheckBox() const { return m_pCheckBox; }
COptionUI* CTreeNodeUI::GetItemButton() const { return m_pItemButton; }

// ---- events and attributes ---------------------------------------------------------------

CTreeNodeUI* CTreeNodeUI::GetFirstCTreeNodeUIFromPoint(POINT pt)
{
    if (m_pManager == NULL) return NULL;
    CControlUI* pRoot = m_pTreeView != NULL ? static_cast<CControlUI*>(m_pTreeView) : m_pManager->GetRoot();
    if (pRoot == NULL) return NULL;
    for (CControlUI* p = m_pManager->FindSubControlByPoint(pRoot, pt); p != NULL; p = p->GetParent()) {
        CTreeNodeUI* pNode = TreeNodeOf(p);
        if (pNode != NULL) return pNode;
    }
    return NULL;
}

void CTreeNodeUI::DoEvent(TEventUI& event)
{
    if (event.type == UIEV_DOUBLE_CLICK) {
        if (IsEnabled()) {
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemdbclick");
            Invalidate();
        }
        return;
    }
    if (m_pTreeView != NULL) {
        if (event.type == UIEV_BUTTON_DOWN) m_pTreeView->BeginDrag(GetFirstCTreeNodeUIFromPoint(event.point));
        else if (event.type == UIEV_MOUSE_MOVE) m_pTreeView->Draging(event.point.x, event.point.y);
        else if (event.type == UIEV_BUTTON_UP) m_pTreeView->EndDrag(GetFirstCTreeNodeUIFromPoint(event.point));
    }
    CListContainerElementUI::DoEvent(event);
}

void CTreeNodeUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    const struct
    {
        const wchar_t* name;
        CControlUI* part;
    } kParts[] = {
        {L"horizattr", m_pHoriz},       {L"dotlineattr", m_pDottedLine}, {L"folderattr", m_pFolderButton},
        {L"checkboxattr", m_pCheckBox}, {L"itemattr", m_pItemButton},
    };
    if (wcscmp(pstrName, L"text") == 0) {
        SetItemText(pstrValue);
        return;
    }
    for (const auto& entry : kParts) {
        if (wcscmp(pstrName, entry.name) == 0) {
            entry.part->ApplyAttributeList(pstrValue);
            return;
        }
    }
    CListContainerElementUI::SetAttribute(pstrName, pstrValue);
}

} // namespace SkinUI
