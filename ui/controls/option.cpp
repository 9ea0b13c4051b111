// COptionUI and CCheckBoxUI: selection, option groups at the paint manager and
// the selected look.
#include "option.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "core/render_engine.h"

namespace SkinUI {

COptionUI::COptionUI() : m_bSelected(false), m_dwSelectedBkColor(0), m_dwSelectedTextColor(0) {}

COptionUI::~COptionUI()
{
    if (m_pManager != NULL && !m_sGroupName.IsEmpty()) m_pManager->RemoveOptionGroup(m_sGroupName, this);
}

const wchar_t* COptionUI::GetClass() const { return L"OptionUI"; }

LPVOID COptionUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Option") == 0) return static_cast<COptionUI*>(this);
    return CButtonUI::GetInterface(pstrName);
}

void COptionUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    // An option moved to another window leaves the old window's group table,
    // which would otherwise keep a pointer to a control it no longer owns.
    if (m_pManager != NULL && m_pManager != pManager && !m_sGroupName.IsEmpty())
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
    CButtonUI::SetManager(pManager, pParent, bInit);
    if (bInit && m_pManager != NULL && !m_sGroupName.IsEmpty()) m_pManager->AddOptionGroup(m_sGroupName, this);
}

const wchar_t* COptionUI::GetGroup() const { return m_sGroupName; }

void COptionUI::SetGroup(const wchar_t* pStrGroupName)
{
    if (pStrGroupName == NULL) {
        if (m_sGroupName.IsEmpty()) return;
        if (m_pManager != NULL) m_pManager->RemoveOptionGroup(m_sGroupName, this);
        m_sGroupName.Empty();
        return;
    }
    if (m_sGroupName == pStrGroupName) return;
    if (m_pManager != NULL && !m_sGroupName.IsEmpty()) m_pManager->RemoveOptionGroup(m_sGroupName, this);
    m_sGroupName = pStrGroupName;
    if (m_pManager != NULL && !m_sGroupName.IsEmpty()) m_pManager->AddOptionGroup(m_sGroupName, this);
}

bool COptionUI::IsSelected() const { return m_bSelected; }

void COptionUI::Selected(bool bSelected)
{
    if (m_bSelected == bSelected) return;
    m_bSelected = bSelected;
    if (m_bSelected) m_uButtonState |= UISTATE_SELECTED;
    else m_uButtonState &= ~UISTATE_SELECTED;

    if (m_pManager != NULL) {
        if (m_sGroupName.IsEmpty()) {
            m_pManager->SendNotify(this, L"selectchanged");
        } else if (m_bSelected) {
            CStdPtrArray* group = m_pManager->GetOptionGroup(m_sGroupName);
            for (int i = 0; group != NULL && i < group->GetSize(); ++i) {
                CControlUI* control = static_cast<CControlUI*>(group->GetAt(i));
                COptionUI* other = static_cast<COptionUI*>(control->GetInterface(L"Option"));
                if (other != NULL && other != this) other->Selected(false);
            }
            m_pManager->SendNotify(this, L"selectchanged");
        }
    }
    Invalidate();
}

bool COptionUI::Activate()
{
    if (!CControlUI::Activate()) return false;
    if (m_pManager != NULL) m_pManager->SendNotify(this, L"click");
    if (!m_sGroupName.IsEmpty()) Selected(true);
    else Selected(!m_bSelected);
    return true;
}

void COptionUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState &= UISTATE_SELECTED;
}

const wchar_t* COptionUI::GetForeImage() { return m_sOptionForeImage; }

void COptionUI::SetForeImage(const wchar_t* pStrImage) { SetImage(m_sOptionForeImage, pStrImage); }

const wchar_t* COptionUI::GetSelectedImage() { return m_sSelectedImage; }

void COptionUI::SetSelectedImage(const wchar_t* pStrImage) { SetImage(m_sSelectedImage, pStrImage); }

const wchar_t* COptionUI::GetSelectedHotImage() { return m_sSelectedHotImage; }

void COptionUI::SetSelectedHotImage(const wchar_t* pStrImage) { SetImage(m_sSelectedHotImage, pStrImage); }

void COptionUI::SetSelectedBkColor(DWORD dwBkColor) { m_dwSelectedBkColor = dwBkColor; }
DWORD COptionUI::GetSelectBkColor() const { return m_dwSelectedBkColor; }
void COptionUI::SetSelectedTextColor(DWORD dwTextColor) { m_dwSelectedTextColor = dwTextColor; }

DWORD COptionUI::GetSelectedTextColor()
{
    if (m_dwSelectedTextColor == 0 && m_pManager != NULL) m_dwSelectedTextColor = m_pManager->GetDefaultFontColor();
    return m_dwSelectedTextColor;
}

void COptionUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"group") == 0) SetGroup(pstrValue);
    else if (wcscmp(pstrName, L"selected") == 0) Selected(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"selectedimage") == 0) SetSelectedImage(pstrValue);
    else if (wcscmp(pstrName, L"selectedhotimage") == 0) SetSelectedHotImage(pstrValue);
    else if (wcscmp(pstrName, L"foreimage") == 0) SetForeImage(pstrValue);
    else if (wcscmp(pstrName, L"selectedbkcolor") == 0) SetSelectedBkColor(ParseColor(pstrValue));
    else if (wcscmp(pstrName, L"selectedtextcolor") == 0) SetSelectedTextColor(ParseColor(pstrValue));
    else CButtonUI::SetAttribute(pstrName, pstrValue);
}

void COptionUI::PaintStatusImage(HDC hDC)
{
    m_uButtonState &= ~UISTATE_PUSHED;
    if ((m_uButtonState & UISTATE_HOT) != 0 && m_bSelected && !m_sSelectedHotImage.IsEmpty()) {
        if (!DrawStateImage(hDC, m_sSelectedHotImage)) CButtonUI::PaintStatusImage(hDC);
    } else if (m_bSelected) {
        if (!m_sSelectedImage.IsEmpty()) {
            if (!DrawStateImage(hDC, m_sSelectedImage)) CButtonUI::PaintStatusImage(hDC);
        } else if (m_dwSelectedBkColor != 0) {
            CRenderEngine::DrawColor(hDC, m_rcPaint, GetAdjustColor(m_dwSelectedBkColor));
            return;
        } else {
            CButtonUI::PaintStatusImage(hDC);
        }
    } else {
        CButtonUI::PaintStatusImage(hDC);
    }
    DrawStateImage(hDC, m_sOptionForeImage);
}

void COptionUI::PaintText(HDC hDC)
{
    if (!m_bSelected) {
        CButtonUI::PaintText(hDC);
        return;
    }
    m_hPaintDC = hDC;
    RefreshStateBits();
    FillDefaultColors();
    if (m_sText.IsEmpty()) return;
    DWORD color = m_dwSelectedTextColor;
    if (color == 0) color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    DrawLabelText(hDC, color);
}

const wchar_t* CCheckBoxUI::GetClass() const { return L"CheckBoxUI"; }
void CCheckBoxUI::SetCheck(bool bCheck) { Selected(bCheck); }
bool CCheckBoxUI::GetCheck() const { return m_bSelected; }

} // namespace SkinUI
