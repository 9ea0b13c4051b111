// The tab layout: keeping one page selected through additions and removals, and
// laying out only that page.
#include "tab_layout.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "stack_metrics.h"

namespace SkinUI {

CTabLayoutUI::CTabLayoutUI() : m_iCurSel(-1) {}

const wchar_t* CTabLayoutUI::GetClass() const { return L"TabLayoutUI"; }

LPVOID CTabLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"TabLayout") == 0) return static_cast<CTabLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

bool CTabLayoutUI::Add(CControlUI* pControl) { return AddAt(pControl, GetCount()); }

bool CTabLayoutUI::AddAt(CControlUI* pControl, int iIndex)
{
    // The page's own visibility decides, taken before it joins this layout: in
    // a hidden tab layout every page looks hidden once added.
    const bool bVisible = pControl != NULL && pControl->IsVisible();
    if (!CContainerUI::AddAt(pControl, iIndex)) return false;
    if (m_iCurSel == -1 && bVisible) {
        m_iCurSel = iIndex;
        return true;
    }
    pControl->SetVisible(false);
    if (m_iCurSel >= 0 && iIndex <= m_iCurSel) m_iCurSel++;
    return true;
}

bool CTabLayoutUI::Remove(CControlUI* pControl)
{
    const int index = GetItemIndex(pControl);
    if (!CContainerUI::Remove(pControl)) return false;
    if (index == m_iCurSel) {
        if (GetCount() > 0) {
            m_iCurSel = 0;
            GetItemAt(0)->SetVisible(true);
        } else {
            m_iCurSel = -1;
        }
        NeedParentUpdate();
    } else if (index < m_iCurSel) {
        m_iCurSel--;
    }
    return true;
}

bool CTabLayoutUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    CControlUI* pSelected = GetItemAt(m_iCurSel);
    if (!CContainerUI::SetItemIndex(pControl, iIndex)) return false;
    if (pSelected != NULL) m_iCurSel = GetItemIndex(pSelected);
    return true;
}

void CTabLayoutUI::RemoveAll()
{
    m_iCurSel = -1;
    CContainerUI::RemoveAll();
    NeedParentUpdate();
}

int CTabLayoutUI::GetCurSel() const { return m_iCurSel; }

bool CTabLayoutUI::SelectItem(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount()) return false;
    if (iIndex == m_iCurSel) return true;
    const int iOldSel = m_iCurSel;
    m_iCurSel = iIndex;
    for (int it = 0; it < GetCount(); it++) {
        CControlUI* pControl = GetItemAt(it);
        if (it == iIndex) {
            pControl->SetVisible(true);
            pControl->SetFocus();
            SetPos(m_rcItem);
        } else {
            pControl->SetVisible(false);
        }
    }
    NeedParentUpdate();
    if (m_pManager != NULL) {
        m_pManager->SetNextTabControl();
        m_pManager->SendNotify(this, L"tabselect", m_iCurSel, iOldSel);
    }
    return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* pControl)
{
    const int index = GetItemIndex(pControl);
    return index >= 0 && SelectItem(index);
}

void CTabLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"selectedid") == 0) SelectItem(ParseInt(pstrValue));
    CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CTabLayoutUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    const RECT rcWork = GetInsetArea();
    for (int it = 0; it < GetCount(); it++) {
        CControlUI* pControl = GetItemAt(it);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(it);
            continue;
        }
        if (it != m_iCurSel) continue;
        RECT rcPadding = pControl->GetPadding();
        RECT rcCtrl = {rcWork.left + rcPadding.left, rcWork.top + rcPadding.top, rcWork.right - rcPadding.right,
                       rcWork.bottom - rcPadding.bottom};
        SIZE szAvailable = {rcCtrl.right - rcCtrl.left, rcCtrl.bottom - rcCtrl.top};
        if (szAvailable.cx < 0) szAvailable.cx = 0;
        if (szAvailable.cy < 0) szAvailable.cy = 0;
        SIZE sz = pControl->EstimateSize(szAvailable);
        if (sz.cx == 0) sz.cx = szAvailable.cx;
        if (sz.cy == 0) sz.cy = szAvailable.cy;
        sz.cx = ClampWidth(*pControl, sz.cx);
        sz.cy = ClampHeight(*pControl, sz.cy);
        rcCtrl.right = rcCtrl.left + sz.cx;
        rcCtrl.bottom = rcCtrl.top + sz.cy;
        pControl->SetPos(rcCtrl);
    }
}

} // namespace SkinUI
