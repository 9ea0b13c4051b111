// CDataListUI: the tip button, the large and small row looks, the selection
// that switches between them, and the node order after a range sort.
#include "data_list.h"

#include <algorithm>
#include <cwchar>

#include "button.h"

namespace SkinUI {

CDataListUI::CDataListUI(CPaintManagerUI* pManager)
    : CNodeListUI(pManager),
      m_nSmallHeight(32),
      m_nLargeHeight(52),
      m_bKeepRowsLarge(false),
      m_pTipButton(NULL)
{
    m_bDragEnabled = true;
    m_pTipButton = new CButtonUI();
    m_pTipButton->ApplyAttributeList(L"bordersize=\"0\" nohotcursor=\"true\" left_vcenter=\"true\" "
                                     L"bkimage=\"file='tree_folder.png'\" float=\"true\" visible=\"false\"");
    m_pTipButton->SetFixedHeight(32);
    m_pTipButton->SetName(L"fli_btnTip");
    m_pTipButton->SetManager(m_pManager, this, false);
    // Beside the header and the body, not among the rows (the list's own
    // Add and AddAt take rows only).
    CVerticalLayoutUI::AddAt(m_pTipButton, m_items.GetSize());
}

const wchar_t* CDataListUI::GetClass() const { return L"FriendsUI"; }

LPVOID CDataListUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"DataList") == 0) return static_cast<CDataListUI*>(this);
    return CNodeListUI::GetInterface(pstrName);
}

bool CDataListUI::IsKeepRowsLarge() const { return m_bKeepRowsLarge; }
void CDataListUI::SetKeepRowsLarge(bool bKeep) { m_bKeepRowsLarge = bKeep; }
CButtonUI* CDataListUI::GetTipButton() const { return m_pTipButton; }
int CDataListUI::GetRowHeight() const { return m_nSmallHeight; }

void CDataListUI::ApplyLargeLook(CControlUI* pRow)
{
    CControlUI* pHead = FindInRow(pRow, L"file_head_size");
    const int cxSmall = m_nSmallHeight - 6;
    if (pHead != NULL) {
        // The small look narrowed the head's container; widen it back once.
        CControlUI* pContainer = FindInRow(pRow, L"fli_head_container");
        if (pContainer != NULL && pHead->GetFixedWidth() == cxSmall)
            pContainer->SetFixedWidth(pContainer->GetFixedWidth() - (m_nSmallHeight - m_nLargeHeight));
        pHead->SetFixedWidth(m_nLargeHeight - 25);
        pHead->SetFixedHeight(m_nLargeHeight - 25);
        pHead->SetBkImage(L"");
    }
    ShowInRow(pRow, L"fli_operation", true);
}

void CDataListUI::ApplySmallLook(CControlUI* pRow)
{
    CControlUI* pHead = FindInRow(pRow, L"file_head_size");
    const int cxSmall = m_nSmallHeight - 6;
    // Narrowed once only: a row already small keeps its width.
    const bool bAlreadySmall = pHead != NULL && pHead->GetFixedWidth() == cxSmall;
    if (pHead != NULL) {
        pHead->SetFixedWidth(cxSmall);
        pHead->SetFixedHeight(cxSmall);
        pHead->SetBkImage(L"");
    }
    CControlUI* pContainer = FindInRow(pRow, L"fli_head_container");
    if (pContainer != NULL && !bAlreadySmall)
        pContainer->SetFixedWidth(pContainer->GetFixedWidth() + (m_nSmallHeight - m_nLargeHeight));
    ShowInRow(pRow, L"fli_operation", false);
}

void CDataListUI::OnRowDeselecting(CControlUI* pRow, BarListNode* pNode)
{
    if (pNode->folder) return;
    if (m_bKeepRowsLarge) {
        ShowInRow(pRow, L"fli_operation", true);
        pRow->SetFixedHeight(m_nLargeHeight);
        ApplyLargeLook(pRow);
    } else {
        ShowInRow(pRow, L"fli_operation", false);
        pRow->SetFixedHeight(m_nSmallHeight);
        ApplySmallLook(pRow);
    }
}

void CDataListUI::OnRowSelected(CControlUI* pRow, BarListNode* pNode)
{
    if (pNode->folder) {
        ShowInRow(pRow, L"fli_operation", false);
        return;
    }
    pRow->SetFixedHeight(m_nLargeHeight);
    ShowInRow(pRow, L"fli_operation", true);
    ApplyLargeLook(pRow);
}

void CDataListUI::OnRangeSorted(CControlUI* pLastRow)
{
    BarListNode* pNode = GetNodeOf(pLastRow);
    if (pNode == NULL || pNode->parent == NULL) return;
    std::vector<BarListNode*>& siblings = pNode->parent->children;
    std::stable_sort(siblings.begin(), siblings.end(),
                     [this](BarListNode* a, BarListNode* b) { return RowIndexOf(a) < RowIndexOf(b); });
}

} // namespace SkinUI
