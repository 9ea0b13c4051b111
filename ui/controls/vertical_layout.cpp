// The vertical layout: the separator layout stacking top to bottom, with its
// separator height.
#include "vertical_layout.h"

#include <cwchar>

#include "core/attribute_values.h"

namespace SkinUI {

CVerticalLayoutUI::CVerticalLayoutUI() : CSeparatorLayoutUI(true) {}

const wchar_t* CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

LPVOID CVerticalLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"VerticalLayout") == 0) return static_cast<CVerticalLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetSepHeight(int iHeight) { m_iSepSize = iHeight; }
int CVerticalLayoutUI::GetSepHeight() const { return m_iSepSize; }

void CVerticalLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"sepheight") == 0) SetSepHeight(ParseInt(pstrValue));
    else CSeparatorLayoutUI::SetAttribute(pstrName, pstrValue);
}

} // namespace SkinUI
