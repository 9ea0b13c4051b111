// CComboBoxUI: the arrow strip's part for the state, cut out of the strip by
// rewriting the image's source rectangle, and the text beside it.
#include "combo_box.h"

#include <cwchar>
#include <string>

#include "core/attribute_values.h"

namespace SkinUI {

CComboBoxUI::CComboBoxUI() : m_nArrowWidth(0) {}

const wchar_t* CComboBoxUI::GetClass() const { return L"ComboBoxUI"; }

void CComboBoxUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName != NULL && pstrValue != NULL && wcscmp(pstrName, L"arrowimage") == 0) m_sArrowImage = pstrValue;
    else CComboUI::SetAttribute(pstrName, pstrValue);
}

void CComboBoxUI::PaintStatusImage(HDC hDC)
{
    if (m_sArrowImage.IsEmpty()) {
        CComboUI::PaintStatusImage(hDC);
        return;
    }
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled()) m_uButtonState |= UISTATE_DISABLED;
    else m_uButtonState &= ~UISTATE_DISABLED;

    int index = 0;
    if ((m_uButtonState & UISTATE_DISABLED) != 0) index = 4;
    else if ((m_uButtonState & UISTATE_PUSHED) != 0) index = 2;
    else if ((m_uButtonState & UISTATE_HOT) != 0) index = 1;
    else if ((m_uButtonState & UISTATE_FOCUSED) != 0) index = 3;

    // The strip must say where it lies in its file: source='l,t,r,b'.
    const std::wstring image(m_sArrowImage.GetData());
    const std::wstring key = L"source='";
    const size_t start = image.find(key);
    if (start == std::wstring::npos) return;
    const size_t end = image.find(L'\'', start + key.size());
    if (end == std::wstring::npos) return;
    const std::wstring source = image.substr(start + key.size(), end - start - key.size());
    int s[4] = {0, 0, 0, 0};
    if (ParseIntList(source.c_str(), s, 4) < 4) return;

    m_nArrowWidth = (s[2] - s[0]) / 5;
    RECT rcDest = {m_nBorderSize, m_nBorderSize, m_rcItem.right - m_rcItem.left - m_nBorderSize,
                   m_rcItem.bottom - m_rcItem.top - m_nBorderSize};
    rcDest.left = rcDest.right - m_nArrowWidth;
    wchar_t part[128];
    swprintf(part, sizeof(part) / sizeof(part[0]), L"source='%d,%d,%d,%d' dest='%d,%d,%d,%d'",
             s[0] + m_nArrowWidth * index, s[1], s[0] + m_nArrowWidth * (index + 1), s[3], rcDest.left, rcDest.top,
             rcDest.right, rcDest.bottom);
    const std::wstring modify = image.substr(0, start) + part + image.substr(end + 1);
    if (!DrawImage(hDC, m_sArrowImage, modify.c_str())) m_sArrowImage.Empty();
}

void CComboBoxUI::PaintText(HDC hDC)
{
    RECT rcText = GetTextArea();
    rcText.right -= m_nArrowWidth;
    PaintSelected(hDC, rcText);
}

} // namespace SkinUI
