// The horizontal layout: the separator layout stacking left to right, with its
// separator width.
#include "horizontal_layout.h"

#include <cwchar>

#include "core/attribute_values.h"

namespace SkinUI {

CHorizontalLayoutUI::CHorizontalLayoutUI() : CSeparatorLayoutUI(false) {}

const wchar_t* CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

LPVOID CHorizontalLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"HorizontalLayout") == 0) return static_cast<CHorizontalLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetSepWidth(int iWidth) { m_iSepSize = iWidth; }
int CHorizontalLayoutUI::GetSepWidth() const { return m_iSepSize; }

void CHorizontalLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"sepwidth") == 0) SetSepWidth(ParseInt(pstrValue));
    else CSeparatorLayoutUI::SetAttribute(pstrName, pstrValue);
}

} // namespace SkinUI
