// CBarListUI: its row height and the looks of the selected row.
#include "bar_list.h"

namespace SkinUI {

CBarListUI::CBarListUI(CPaintManagerUI* pManager)
    : CNodeListUI(pManager),
      m_nSmallHeight(32),
      m_nNormalHeight(50),
      m_bSmallRows(false)
{}

const wchar_t* CBarListUI::GetClass() const { return L"BarListUI"; }

bool CBarListUI::IsSmallRows() const { return m_bSmallRows; }
void CBarListUI::SetSmallRows(bool bSmall) { m_bSmallRows = bSmall; }
int CBarListUI::GetItemHeight() const { return m_nNormalHeight; }
void CBarListUI::SetItemHeight(int cy) { m_nNormalHeight = cy > 0 ? cy : m_nNormalHeight; }

int CBarListUI::GetRowHeight() const { return m_bSmallRows ? m_nSmallHeight : m_nNormalHeight; }

void CBarListUI::OnRowDeselecting(CControlUI* pRow, BarListNode* pNode)
{
    if (!pNode->folder) pRow->SetFixedHeight(GetRowHeight());
}

void CBarListUI::OnRowSelected(CControlUI* pRow, BarListNode* pNode)
{
    if (pNode->folder) ShowInRow(pRow, L"fli_operation", false);
    else pRow->SetFixedHeight(GetRowHeight());
}

} // namespace SkinUI
