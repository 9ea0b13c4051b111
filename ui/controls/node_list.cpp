// CNodeListUI: node rows built from the item layout and placed in tree order,
// expanding and collapsing, finding, visiting and removing nodes, selection
// looks, dragging a leaf onto a folder, and the animated wheel.
#include "node_list.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <vector>

#include "core/container_ui.h"

namespace SkinUI {

const wchar_t* const kNotifyDragDroppedFriendList = L"dragdroped_friend_list";

namespace {

IListItemUI* ListItemOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<IListItemUI*>(pControl->GetInterface(L"ListItem")) : NULL;
}

CContainerUI* ContainerOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<CContainerUI*>(pControl->GetInterface(L"Container")) : NULL;
}

// Tags a built tree by hand when there is no manager to tag it while building.
void TagTree(CControlUI* pControl, UINT_PTR tag)
{
    pControl->SetTag(tag);
    IContainerUI* pContainer = static_cast<IContainerUI*>(pControl->GetInterface(L"IContainer"));
    if (pContainer == NULL) return;
    for (int i = 0; i < pContainer->GetCount(); ++i) TagTree(pContainer->GetItemAt(i), tag);
}

// Children before their parent.
void CollectPostOrder(BarListNode* pNode, std::vector<BarListNode*>& out)
{
    for (BarListNode* pChild : pNode->children) CollectPostOrder(pChild, out);
    out.push_back(pNode);
}

// Shown by the tree: every ancestor below the root is expanded.
bool IsShownByTree(const BarListNode* pNode)
{
    for (const BarListNode* pUp = pNode->parent; pUp != NULL && !pUp->IsRoot(); pUp = pUp->parent) {
        if (!pUp->expanded) return false;
    }
    return true;
}

void SetDragCursor(UINT id)
{
    HINSTANCE hInstance =
        CPaintManagerUI::GetInstance() != NULL ? CPaintManagerUI::GetInstance() : ::GetModuleHandleW(NULL);
    HCURSOR hCursor = ::LoadCursorW(hInstance, MAKEINTRESOURCEW(id));
    ::SetCursor(hCursor != NULL ? hCursor : ::LoadCursorW(NULL, IDC_ARROW));
}

BarListNode* NewRoot()
{
    BarListNode* pRoot = new BarListNode();
    pRoot->level = -1;
    pRoot->expanded = true;
    pRoot->openIcon = true;
    return pRoot;
}

} // namespace

CUIString EscapeTaggedText(const CUIString& sText)
{
    CUIString sOut;
    for (const wchar_t* p = sText.GetData(); *p != L'\0'; ++p) {
        switch (*p) {
        case L'<': sOut += L"{<}"; break;
        case L'>': sOut += L"{>}"; break;
        case L'{': sOut += L"<{>"; break;
        case L'}': sOut += L"<}>"; break;
        default: {
            const wchar_t ch[2] = {*p, L'\0'};
            sOut += ch;
        }
        }
    }
    return sOut;
}

CNodeListUI::CNodeListUI(CPaintManagerUI* pManager)
    : m_bDragEnabled(false),
      m_sOpenFolderIcon(L"<i list_icon_b.png>"),
      m_sClosedFolderIcon(L"<i list_icon_a.png>"),
      m_pOwnerManager(pManager),
      m_pRoot(NewRoot()),
      m_nWheelSpeed(0),
      m_nWheelSteps(0),
      m_nWheelStepsLeft(0),
      m_bFoldersShown(false),
      m_bButtonHeld(false),
      m_pDragSource(NULL),
      m_pDropTarget(NULL)
{
    SetItemShowHtml(true);
}

CNodeListUI::~CNodeListUI()
{
    if (m_pOwnerManager != NULL) {
        for (const std::wstring& name : m_layoutNames) m_pOwnerManager->RemoveDefaultTag(name.c_str());
    }
}

LPVOID CNodeListUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL) {
        if (wcscmp(pstrName, L"IListRowRecords") == 0) return static_cast<IListRowRecordsUI*>(this);
        if (wcscmp(pstrName, L"IList") == 0 || wcscmp(pstrName, L"IListOwner") == 0) return static_cast<IListUI*>(this);
    }
    // Not "List": these lists are not taken for plain lists.
    return CVerticalLayoutUI::GetInterface(pstrName);
}

BarListNode* CNodeListUI::GetRootNode() const { return m_pRoot.get(); }
int CNodeListUI::GetNodeCount() const { return static_cast<int>(m_liveNodes.size()); }
bool CNodeListUI::IsDragEnabled() const { return m_bDragEnabled; }
bool CNodeListUI::IsShowingFoldersOnly() const { return m_bFoldersShown; }

BarListNode* CNodeListUI::GetNodeOf(CControlUI* pControl) const
{
    if (pControl == NULL) return NULL;
    const BarListNode* pNode = reinterpret_cast<const BarListNode*>(pControl->GetTag());
    return m_liveNodes.count(pNode) != 0 ? const_cast<BarListNode*>(pNode) : NULL;
}

TListRowRecordUI* CNodeListUI::GetRowRecord(CControlUI*, UINT_PTR tag)
{
    const BarListNode* pNode = reinterpret_cast<const BarListNode*>(tag);
    return m_liveNodes.count(pNode) != 0 ? const_cast<BarListNode*>(pNode) : NULL;
}

bool CNodeListUI::IsRowClass(CControlUI* pControl)
{
    return pControl != NULL && _wcsicmp(pControl->GetClass(), L"ListContainerElementUI") == 0;
}

int CNodeListUI::RowIndexOf(BarListNode* pNode) const
{
    if (pNode == NULL || pNode->row == NULL) return -1;
    IListItemUI* pItem = ListItemOf(pNode->row);
    if (pItem != NULL && GetItemAt(pItem->GetIndex()) == pNode->row) return pItem->GetIndex();
    return m_pList->GetItemIndex(pNode->row);
}

CControlUI* CNodeListUI::FindInRow(CControlUI* pRow, const wchar_t* pstrName) const
{
    CContainerUI* pContainer = ContainerOf(pRow);
    if (pContainer != NULL) return pContainer->FindSubControl(pstrName);
    return pRow == NULL && m_pManager != NULL ? m_pManager->FindControl(pstrName) : NULL;
}

void CNodeListUI::ShowInRow(CControlUI* pRow, const wchar_t* pstrName, bool bShow) const
{
    CControlUI* pControl = FindInRow(pRow, pstrName);
    if (pControl != NULL) pControl->SetVisible(bShow);
}

void CNodeListUI::UpdateItemText(BarListNode* pNode)
{
    CControlUI* pText = FindInRow(pNode->row, L"item_text");
    if (pText == NULL) return;
    CUIString sText;
    if (pNode->level > 0) {
        for (int i = 0; i < pNode->level; ++i) sText += L"<x 20>";
        sText += L"<x 1>";
    }
    if (pNode->folder) sText += pNode->openIcon && pNode->expanded ? m_sOpenFolderIcon : m_sClosedFolderIcon;
    sText += EscapeTaggedText(pNode->text);
    pText->SetAttribute(L"showhtml", L"true");
    pText->SetText(sText);
}

// ---- nodes -----------------------------------------------------------------------------------

BarListNode* CNodeListUI::AddBarListNode(const BarListItemInfo& info, BarListNode* pParent,
                                         const wchar_t* pstrItemLayout)
{
    if (pstrItemLayout == NULL || *pstrItemLayout == L'\0') return NULL;
    BarListNode* pUnder = pParent != NULL ? pParent : m_pRoot.get();
    if (pUnder != m_pRoot.get() && m_liveNodes.count(pUnder) == 0) return NULL;
    std::unique_ptr<BarListNode> node(new BarListNode());
    const UINT_PTR tag = reinterpret_cast<UINT_PTR>(node.get());

    // The builder keeps the layout it parsed first and builds every row from
    // it, tagging the controls by that layout's name: the tag is set under
    // the name actually built, and taken away again at once, so that no
    // later build elsewhere gets the tag of a node that may be gone.
    m_layoutNames.insert(pstrItemLayout);
    const bool bParsed = !m_sParsedLayout.IsEmpty();
    const CUIString sLayout = bParsed ? m_sParsedLayout : CUIString(pstrItemLayout);
    if (m_pOwnerManager != NULL) m_pOwnerManager->SetDefaultTag(sLayout, tag);
    CControlUI* pRow = bParsed ? m_itemBuilder.Create(NULL, m_pOwnerManager, NULL)
                               : m_itemBuilder.Create(STRINGorID(pstrItemLayout), NULL, NULL, m_pOwnerManager, NULL);
    if (m_pOwnerManager != NULL) m_pOwnerManager->RemoveDefaultTag(sLayout);
    if (pRow == NULL) return NULL;
    if (!bParsed) m_sParsedLayout = pstrItemLayout;
    if (m_pOwnerManager == NULL) TagTree(pRow, tag);

    node->parent = pUnder;
    node->level = pUnder->level + 1;
    node->folder = info.folder;
    node->openIcon = info.folder && !info.closed;
    node->sFolderImage = info.folder ? L"tree_folder.png" : L"";
    node->expanded = node->level == 0;
    node->text = info.text;
    node->key = info.key;
    node->image = info.image;
    node->wValue = info.wValue;
    node->dwValue1 = info.dwValue1;
    node->dwValue2 = info.dwValue2;
    node->wValue1 = info.wValue1;
    node->wValue2 = info.wValue2;
    node->hasDelete = info.hasDelete;
    node->row = pRow;
    if (info.hasDelete) ShowInRow(pRow, L"item_del", true);
    UpdateItemText(node.get());
    pRow->SetFixedHeight(GetRowHeight());
    // A row under a collapsed folder stays hidden until the folder opens.
    if (!IsShownByTree(node.get())) pRow->SetVisible(false);

    int iIndex = 0;
    if (!pUnder->children.empty()) iIndex = RowIndexOf(pUnder->children.back()->LastDescendant()) + 1;
    else if (pUnder != m_pRoot.get()) iIndex = RowIndexOf(pUnder) + 1;
    if (iIndex < 0 || !AddAt(pRow, iIndex)) {
        delete pRow;
        return NULL;
    }
    m_liveNodes.insert(node.get());
    pUnder->children.push_back(node.get());
    BarListNode* pNode = node.release();

    if (!pUnder->folder && pUnder->row != NULL) {
        pUnder->folder = true;
        pUnder->openIcon = true;
        UpdateItemText(pUnder);
    }
    return pNode;
}

void CNodeListUI::ExpandBarListNode(BarListNode* pNode, bool bExpand)
{
    if (pNode == NULL || pNode->IsRoot() || m_liveNodes.count(pNode) == 0 || pNode->expanded == bExpand) return;
    pNode->expanded = bExpand;
    UpdateItemText(pNode);
    if (pNode->children.empty() || !IsShownByTree(pNode)) return;
    const int iFirst = RowIndexOf(pNode->children.front());
    const int iLast = RowIndexOf(pNode->LastDescendant());
    for (int i = std::max(iFirst, 0); i <= iLast; ++i) {
        CControlUI* pRow = GetItemAt(i);
        if (!IsRowClass(pRow)) continue;
        if (!bExpand) {
            pRow->SetVisible(false);
            continue;
        }
        // Sub-folders that are collapsed keep their rows closed.
        BarListNode* pRowNode = GetNodeOf(pRow);
        if (pRowNode != NULL && IsShownByTree(pRowNode)) pRow->SetVisible(true);
    }
}

BarListNode* CNodeListUI::FindBarListNode(const wchar_t* pstrText)
{
    if (pstrText == NULL) return NULL;
    std::vector<BarListNode*> order;
    for (BarListNode* pTop : m_pRoot->children) CollectPostOrder(pTop, order);
    for (BarListNode* pNode : order) {
        if (wcscmp(pNode->text.GetData(), pstrText) == 0) return pNode;
    }
    return NULL;
}

void CNodeListUI::VisitBarListNodes(const wchar_t* pstrText, BarListVisitCallback pfnCallback)
{
    if (pfnCallback == NULL) return;
    // The callback may remove nodes: the order is taken first, and a node
    // gone meanwhile is skipped.
    std::vector<BarListNode*> order;
    for (BarListNode* pTop : m_pRoot->children) CollectPostOrder(pTop, order);
    for (BarListNode* pNode : order) {
        if (m_liveNodes.count(pNode) == 0) continue;
        if (pfnCallback(pNode, pstrText, this) != 0) return;
    }
}

void CNodeListUI::ForgetSubtree(BarListNode* pNode)
{
    std::vector<BarListNode*> nodes;
    CollectPostOrder(pNode, nodes);
    for (BarListNode* pGone : nodes) {
        m_liveNodes.erase(pGone);
        if (pGone == m_pDragSource) m_pDragSource = NULL;
        if (pGone == m_pDropTarget) m_pDropTarget = NULL;
    }
}

void CNodeListUI::RemoveSubtreeRows(BarListNode* pNode)
{
    std::vector<BarListNode*> nodes;
    CollectPostOrder(pNode, nodes);
    for (BarListNode* pGone : nodes) {
        // By index at the list's level: the list's own Remove would come
        // back here for a row that still has its node.
        if (pGone->row != NULL) CListUI::RemoveAt(RowIndexOf(pGone));
        pGone->row = NULL;
    }
}

bool CNodeListUI::RemoveDataListNode(BarListNode* pNode)
{
    if (pNode == NULL || pNode->IsRoot() || m_liveNodes.count(pNode) == 0) return false;
    RemoveSubtreeRows(pNode);
    ForgetSubtree(pNode);
    BarListNode* pParent = pNode->parent;
    if (pParent != NULL) {
        auto it = std::find(pParent->children.begin(), pParent->children.end(), pNode);
        if (it != pParent->children.end()) pParent->children.erase(it);
    }
    // The node's destructor frees its children, each once.
    delete pNode;
    return true;
}

// ---- rows --------------------------------------------------------------------------------------

bool CNodeListUI::Add(CControlUI* pControl) { return IsRowClass(pControl) && CListUI::Add(pControl); }

bool CNodeListUI::AddAt(CControlUI* pControl, int iIndex)
{
    return IsRowClass(pControl) && CListUI::AddAt(pControl, iIndex);
}

bool CNodeListUI::Remove(CControlUI* pControl)
{
    if (!IsRowClass(pControl)) return false;
    BarListNode* pNode = GetNodeOf(pControl);
    if (pNode == NULL || pNode->row != pControl) return CListUI::RemoveAt(m_pList->GetItemIndex(pControl));
    return RemoveDataListNode(pNode);
}

bool CNodeListUI::RemoveAt(int iIndex) { return Remove(GetItemAt(iIndex)); }

void CNodeListUI::RemoveAll()
{
    m_iCurSel = -1;
    m_iExpandedItem = -1;
    m_pList->RemoveAll();
    m_liveNodes.clear();
    m_pDragSource = NULL;
    m_pDropTarget = NULL;
    m_bFoldersShown = false;
    m_pRoot.reset(NewRoot());
}

// ---- selection ---------------------------------------------------------------------------------

bool CNodeListUI::SelectItem(int iIndex, bool bTakeFocus)
{
    if (iIndex == m_iCurSel) return true;
    if (m_iCurSel >= 0) {
        CControlUI* pOld = GetItemAt(m_iCurSel);
        IListItemUI* pOldItem = ListItemOf(pOld);
        if (pOldItem != NULL) {
            BarListNode* pNode = GetNodeOf(pOld);
            if (pNode != NULL) OnRowDeselecting(pOld, pNode);
            pOldItem->Select(false);
        }
        m_iCurSel = -1;
    }
    if (iIndex < 0) return false;
    if (!CListUI::SelectItem(iIndex, bTakeFocus)) return false;
    CControlUI* pRow = GetItemAt(iIndex);
    BarListNode* pNode = GetNodeOf(pRow);
    if (pNode != NULL) OnRowSelected(pRow, pNode);
    return true;
}

// ---- events ------------------------------------------------------------------------------------

CControlUI* CNodeListUI::ControlAt(const TEventUI& event) const
{
    // While the button is held the events go to the row it went down on;
    // the row under the pointer is found by the point.
    if (m_pManager != NULL) {
        CControlUI* pControl = m_pManager->FindControl(event.point);
        if (pControl != NULL) return pControl;
    }
    return event.sender;
}

void CNodeListUI::ShowFoldersOnly()
{
    std::vector<BarListNode*> nodes;
    for (BarListNode* pTop : m_pRoot->children) CollectPostOrder(pTop, nodes);
    for (BarListNode* pNode : nodes) {
        if (pNode->row == NULL) continue;
        pNode->savedVisible = pNode->row->IsVisible();
        pNode->row->SetVisible(pNode->folder);
    }
    m_bFoldersShown = true;
}

void CNodeListUI::RestoreLeafRows()
{
    // Folders go back as well: one inside a collapsed folder stays closed.
    std::vector<BarListNode*> nodes;
    for (BarListNode* pTop : m_pRoot->children) CollectPostOrder(pTop, nodes);
    for (BarListNode* pNode : nodes) {
        if (pNode->row != NULL) pNode->row->SetVisible(pNode->savedVisible);
    }
    m_bFoldersShown = false;
}

void CNodeListUI::ScrollToRow(CControlUI* pRow)
{
    if (pRow == NULL) return;
    const RECT& rcRow = pRow->GetPos();
    if (m_rcItem.top >= rcRow.top) Scroll(0, rcRow.top - m_rcItem.top - 10);
    else if (rcRow.bottom >= m_rcItem.bottom) Scroll(0, rcRow.bottom - m_rcItem.bottom + 10);
}

void CNodeListUI::OnDrag(TEventUI& event)
{
    if (!m_bDragEnabled) return;
    switch (event.type) {
    case UIEV_BUTTON_DOWN:
        m_bButtonHeld = true;
        m_pDragSource = GetNodeOf(event.sender);
        m_pDropTarget = NULL;
        return;
    case UIEV_MOUSE_MOVE: {
        if (!m_bButtonHeld) return;
        BarListNode* pTarget = GetNodeOf(ControlAt(event));
        if (pTarget == NULL) return;
        m_pDropTarget = pTarget;
        if (pTarget == m_pDragSource) {
            SetDragCursor(IDC_BARLIST_DRAG_SELF);
            return;
        }
        if (!m_bFoldersShown) ShowFoldersOnly();
        ScrollToRow(pTarget->row);
        SetDragCursor(IDC_BARLIST_DRAG_OVER);
        return;
    }
    case UIEV_BUTTON_UP: {
        if (m_bFoldersShown) {
            RestoreLeafRows();
            ::SetCursor(::LoadCursorW(NULL, IDC_ARROW));
        }
        m_bButtonHeld = false;
        BarListNode* pTarget = GetNodeOf(ControlAt(event));
        BarListNode* pSource = m_pDragSource;
        m_pDragSource = NULL;
        m_pDropTarget = NULL;
        if (pSource != NULL && pTarget != NULL && pSource != pTarget && pTarget->folder && !pSource->folder &&
            m_pManager != NULL) {
            m_pManager->SendNotify(this, kNotifyDragDroppedFriendList, reinterpret_cast<WPARAM>(pSource),
                                   reinterpret_cast<LPARAM>(pTarget));
        }
        return;
    }
    default: return;
    }
}

void CNodeListUI::OnWheel(TEventUI& event)
{
    int rest = 0;
    if (m_nWheelSteps > 0) {
        const double share = static_cast<double>(m_nWheelStepsLeft) / m_nWheelSteps;
        rest = static_cast<int>(share * share * m_nWheelSpeed);
    }
    const int old = m_nWheelSpeed;
    switch (LOWORD(event.wParam)) {
    case SB_LINEUP: m_nWheelSpeed = rest + 8 + (old < 0 ? 4 : 0); break;
    case SB_LINEDOWN: m_nWheelSpeed = rest - 8 - (old > 0 ? 4 : 0); break;
    default: return;
    }
    m_nWheelSpeed = std::max(-100, std::min(100, m_nWheelSpeed));
    m_nWheelSteps = m_nWheelStepsLeft =
        5 * static_cast<unsigned>(std::sqrt(static_cast<double>(std::abs(m_nWheelSpeed))));
    if (m_pManager != NULL) m_pManager->SetTimer(this, BARLIST_WHEEL_TIMER, 50);
}

void CNodeListUI::OnWheelTick()
{
    if (m_nWheelStepsLeft > 0 && m_nWheelSteps > 0) {
        --m_nWheelStepsLeft;
        const double share = static_cast<double>(m_nWheelStepsLeft) / m_nWheelSteps;
        const int d = static_cast<int>(std::floor(share * share * m_nWheelSpeed));
        const SIZE pos = GetScrollPos();
        const SIZE range = GetScrollRange();
        if ((d > 0 && pos.cy != 0) || (d < 0 && pos.cy != range.cy)) {
            SetScrollPos(SIZE{pos.cx, pos.cy - d});
            return;
        }
    }
    m_nWheelSpeed = 0;
    m_nWheelSteps = 0;
    m_nWheelStepsLeft = 0;
    if (m_pManager != NULL) m_pManager->KillTimer(this, BARLIST_WHEEL_TIMER);
}

void CNodeListUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CVerticalLayoutUI>(event, m_pParent)) return;
    switch (event.type) {
    case UIEV_BUTTON_DOWN:
    case UIEV_MOUSE_MOVE:
    case UIEV_BUTTON_UP: OnDrag(event); return;
    case UIEV_SCROLL_WHEEL: OnWheel(event); return;
    case UIEV_TIMER:
        if (event.wParam == BARLIST_WHEEL_TIMER) {
            OnWheelTick();
            return;
        }
        break;
    default: break;
    }
    CListUI::DoEvent(event);
}

} // namespace SkinUI
