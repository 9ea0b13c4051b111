// The child layout: builds its child from the named layout file at Init.
#include "child_layout.h"

#include <cwchar>

#include "core/dialog_builder.h"

namespace SkinUI {

namespace {

// How many child layouts are building their files right now, one inside the
// other (UI thread only).
int g_nestedBuilds = 0;

} // namespace

CChildLayoutUI::CChildLayoutUI() {}

const wchar_t* CChildLayoutUI::GetClass() const { return L"ChildLayoutUI"; }

LPVOID CChildLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ChildLayout") == 0) return static_cast<CChildLayoutUI*>(this);
    // Not a container to the outside: the builder does not add children to it.
    return CControlUI::GetInterface(pstrName);
}

void CChildLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"xmlfile") == 0) SetChildLayoutXML(pstrValue);
    else CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CChildLayoutUI::SetChildLayoutXML(CUIString pXML) { m_pstrXMLFile = pXML; }
CUIString CChildLayoutUI::GetChildLayoutXML() { return m_pstrXMLFile; }

void CChildLayoutUI::Init()
{
    if (!m_pstrXMLFile.IsEmpty()) {
        CControlUI* pChild = NULL;
        if (g_nestedBuilds < MAX_NESTING) {
            g_nestedBuilds++;
            CDialogBuilder builder;
            pChild = builder.Create(STRINGorID(m_pstrXMLFile.GetData()), NULL, NULL, m_pManager, NULL);
            // The built child is the only one, also when Init runs again.
            RemoveAll();
            if (pChild != NULL) Add(pChild);
            g_nestedBuilds--;
        } else {
            RemoveAll();
        }
    }
    CContainerUI::Init();
}

} // namespace SkinUI
