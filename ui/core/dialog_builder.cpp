// CDialogBuilder: loading a layout, the document prologue (images, fonts,
// default attributes, window settings) and building the control tree level by
// level.
#include "dialog_builder.h"

#include <cwchar>
#include <cwctype>
#include <memory>

#include "attribute_values.h"
#include "container_ui.h"
#include "control_creators.h"

namespace SkinUI {

CDialogBuilder::CDialogBuilder()
    : m_pCallback(NULL),
      m_bHasType(false),
      m_nIncludeDepth(0),
      m_nIncludeBuilds(0),
      m_pIncludeBuilds(NULL)
{}

CMarkup* CDialogBuilder::GetMarkup() { return &m_xml; }

void CDialogBuilder::GetLastErrorMessage(wchar_t* pstrMessage, SIZE_T cchMax) const
{
    m_xml.GetLastErrorMessage(pstrMessage, cchMax);
}

void CDialogBuilder::GetLastErrorLocation(wchar_t* pstrSource, SIZE_T cchMax) const
{
    m_xml.GetLastErrorLocation(pstrSource, cchMax);
}

bool CDialogBuilder::LoadResource(UINT id, const wchar_t* type, CPaintManagerUI*)
{
    HINSTANCE module = CPaintManagerUI::GetResourceDll();
    HRSRC hResource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (hResource == NULL) return false;
    HGLOBAL hGlobal = ::LoadResource(module, hResource);
    if (hGlobal == NULL) return false;
    const BYTE* data = static_cast<const BYTE*>(::LockResource(hGlobal));
    DWORD size = ::SizeofResource(module, hResource);
    bool ok = data != NULL && size > 0 && m_xml.LoadFromMem(data, size, CMarkup::XMLFILE_ENCODING_UTF8);
    ::FreeResource(hGlobal);
    return ok;
}

CControlUI* CDialogBuilder::Create(STRINGorID xml, const wchar_t* type, IDialogBuilderCallback* pCallback,
                                   CPaintManagerUI* pManager, CControlUI* pParent)
{
    if (xml.m_lpstr == NULL) return NULL;
    if (xml.IsId()) {
        if (!LoadResource(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(xml.m_lpstr)), type, pManager)) return NULL;
        m_sType = type;
        m_bHasType = true;
        m_sLayoutName.Empty();
    } else {
        bool loaded = xml.m_lpstr[0] == L'<' ? m_xml.Load(xml.m_lpstr) : m_xml.LoadFromFile(xml.m_lpstr);
        if (!loaded) return NULL;
        m_sLayoutName = xml.m_lpstr;
    }
    return Create(pCallback, pManager, pParent);
}

CControlUI* CDialogBuilder::Create(IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager, CControlUI* pParent)
{
    m_pCallback = pCallback;
    CMarkupNode root = m_xml.GetRoot();
    if (!root.IsValid()) return NULL;
    if (pManager != NULL) {
        ApplyPrologue(root, pManager);
        if (wcscmp(root.GetName(), L"Window") == 0 && pManager->GetPaintWindow() != NULL)
            ApplyWindowAttributes(root, pManager);
    }
    return _Parse(&root, pParent, pManager);
}

void CDialogBuilder::ApplyPrologue(CMarkupNode& root, CPaintManagerUI* pManager)
{
    for (CMarkupNode node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
        const wchar_t* pstrClass = node.GetName();
        if (wcscmp(pstrClass, L"Image") == 0) {
            if (!node.HasAttribute(L"name")) continue;
            const wchar_t* type = node.HasAttribute(L"restype") ? node.GetAttributeValue(L"restype") : NULL;
            DWORD mask = node.HasAttribute(L"mask") ? ParseColor(node.GetAttributeValue(L"mask")) : 0;
            pManager->AddImage(node.GetAttributeValue(L"name"), type, mask);
        } else if (wcscmp(pstrClass, L"Font") == 0) {
            if (!node.HasAttribute(L"name")) continue;
            const wchar_t* name = node.GetAttributeValue(L"name");
            int size = node.HasAttribute(L"size") ? ParseInt(node.GetAttributeValue(L"size")) : 12;
            bool bold = ParseBool(node.GetAttributeValue(L"bold"));
            bool underline = ParseBool(node.GetAttributeValue(L"underline"));
            bool italic = ParseBool(node.GetAttributeValue(L"italic"));
            pManager->AddFont(name, size, bold, underline, italic);
            if (ParseBool(node.GetAttributeValue(L"default")))
                pManager->SetDefaultFont(name, size, bold, underline, italic);
        } else if (wcscmp(pstrClass, L"Default") == 0) {
            if (!node.HasAttribute(L"name")) continue;
            pManager->AddDefaultAttributeList(node.GetAttributeValue(L"name"), node.GetAttributeValue(L"value"));
        }
    }
}

void CDialogBuilder::ApplyWindowAttributes(CMarkupNode& root, CPaintManagerUI* pManager)
{
    int count = root.GetAttributeCount();
    for (int i = 0; i < count; i++) {
        const wchar_t* name = root.GetAttributeName(i);
        const wchar_t* value = root.GetAttributeValue(i);
        if (wcscmp(name, L"size") == 0) {
            SIZE sz = ParseSize(value);
            pManager->SetInitSize(sz.cx, sz.cy);
        } else if (wcscmp(name, L"sizebox") == 0) {
            RECT rc = ParseRect(value);
            pManager->SetSizeBox(rc);
        } else if (wcscmp(name, L"caption") == 0) {
            RECT rc = ParseRect(value);
            pManager->SetCaptionRect(rc);
        } else if (wcscmp(name, L"roundcorner") == 0) {
            SIZE sz = ParseSize(value);
            pManager->SetRoundCorner(sz.cx, sz.cy);
        } else if (wcscmp(name, L"mininfo") == 0) {
            SIZE sz = ParseSize(value);
            pManager->SetMinInfo(sz.cx, sz.cy);
        } else if (wcscmp(name, L"maxinfo") == 0) {
            SIZE sz = ParseSize(value);
            pManager->SetMaxInfo(sz.cx, sz.cy);
        } else if (wcscmp(name, L"showdirty") == 0) {
            pManager->SetShowUpdateRect(ParseBool(value));
        } else if (wcscmp(name, L"alpha") == 0) {
            pManager->SetTransparent(ParseInt(value));
        } else if (wcscmp(name, L"bktrans") == 0) {
            pManager->SetBackgroundTransparent(ParseBool(value));
        } else if (wcscmp(name, L"disabledfontcolor") == 0) {
            pManager->SetDefaultDisabledColor(ParseColor(value));
        } else if (wcscmp(name, L"defaultfontcolor") == 0) {
            pManager->SetDefaultFontColor(ParseColor(value));
        } else if (wcscmp(name, L"linkfontcolor") == 0) {
            pManager->SetDefaultLinkFontColor(ParseColor(value));
        } else if (wcscmp(name, L"linkhoverfontcolor") == 0) {
            pManager->SetDefaultLinkHoverFontColor(ParseColor(value));
        } else if (wcscmp(name, L"selectedcolor") == 0) {
            pManager->SetDefaultSelectedBkColor(ParseColor(value));
        }
    }
}

void CDialogBuilder::BuildInclude(CMarkupNode& node, CControlUI* pParent, CPaintManagerUI* pManager)
{
    if (!node.HasAttribute(L"source")) return;
    int count = node.HasAttribute(L"count") ? ParseInt(node.GetAttributeValue(L"count")) : 1;
    CUIString source = node.GetAttributeValue(L"source");
    // A layout that includes itself, directly or through others, ends here.
    if (m_nIncludeDepth + 1 >= MAX_INCLUDE_DEPTH) return;
    int& builds = m_pIncludeBuilds != NULL ? *m_pIncludeBuilds : m_nIncludeBuilds;
    for (int i = 0; i < count && builds < MAX_INCLUDE_BUILDS; i++) {
        ++builds;
        CDialogBuilder builder;
        builder.m_nIncludeDepth = m_nIncludeDepth + 1;
        builder.m_pIncludeBuilds = &builds;
        CControlUI* pIncluded = NULL;
        if (m_bHasType) {
            UINT id = static_cast<UINT>(ParseInt(source)) & 0xFFFF;
            pIncluded = builder.Create(STRINGorID(id), m_sType, m_pCallback, pManager, pParent);
        } else {
            pIncluded = builder.Create(STRINGorID(source.GetData()), NULL, m_pCallback, pManager, pParent);
        }
        // Without a parent the included controls belong to nobody: an include
        // returns nothing, so they go again instead of leaking.
        std::unique_ptr<CControlUI> unowned(pParent == NULL ? pIncluded : NULL);
    }
}

CControlUI* CDialogBuilder::CreateElement(const wchar_t* pstrClass)
{
    CControlUI* pControl = CreateRegisteredControl(pstrClass);
    if (pControl != NULL) return pControl;
    if (m_pCallback != NULL) return m_pCallback->CreateControl(pstrClass);
    return NULL;
}

bool CDialogBuilder::BuildTreeNode(CMarkupNode& node, CControlUI* pParent, CPaintManagerUI* pManager)
{
    const bool bUnderNode = pParent != NULL && pParent->GetInterface(L"TreeNode") != NULL;
    // Owned here until a node or a view takes it.
    std::unique_ptr<CControlUI> owned(CreateElement(L"TreeNode"));
    if (owned == nullptr) return true;
    CControlUI* pNode = owned.get();
    if (bUnderNode) {
        IContainerUI* pParentNode = static_cast<IContainerUI*>(pParent->GetInterface(L"IContainer"));
        if (pParentNode == NULL || !pParentNode->Add(pNode)) return true;
        owned.release();
    }
    if (pManager != NULL) {
        pNode->SetManager(pManager, NULL, false);
        const wchar_t* pDefaultAttributes = pManager->GetDefaultAttributeList(L"TreeNode");
        if (pDefaultAttributes != NULL) pNode->ApplyAttributeList(pDefaultAttributes);
    }
    int count = node.GetAttributeCount();
    for (int i = 0; i < count; i++) pNode->SetAttribute(node.GetAttributeName(i), node.GetAttributeValue(i));
    if (node.HasChildren()) _Parse(&node, pNode, pManager);
    if (bUnderNode) return true;

    // A top-level node joins a view with its whole subtree; anywhere else it
    // has no owner and goes.
    IContainerUI* pView = pParent != NULL && pParent->GetInterface(L"TreeView") != NULL
                              ? static_cast<IContainerUI*>(pParent->GetInterface(L"IContainer"))
                              : NULL;
    if (pView == NULL) return false;
    if (pView->Add(pNode)) owned.release();
    return true;
}

CControlUI* CDialogBuilder::_Parse(CMarkupNode* pRoot, CControlUI* pParent, CPaintManagerUI* pManager)
{
    IContainerUI* pContainer = NULL;
    bool bContainerAsked = false;
    // The layout name of a layout given as text is the whole text: look it up
    // once per level, not once per control.
    const UINT_PTR uDefaultTag = pManager != NULL ? pManager->GetDefaultTag(m_sLayoutName) : 0;
    CControlUI* pReturn = NULL;
    for (CMarkupNode node = pRoot->GetChild(); node.IsValid(); node = node.GetSibling()) {
        const wchar_t* pstrClass = node.GetName();
        if (wcscmp(pstrClass, L"Image") == 0 || wcscmp(pstrClass, L"Font") == 0 || wcscmp(pstrClass, L"Default") == 0)
            continue;
        if (wcscmp(pstrClass, L"Include") == 0) {
            BuildInclude(node, pParent, pManager);
            continue;
        }

        if (wcscmp(pstrClass, L"TreeNode") == 0) {
            if (!BuildTreeNode(node, pParent, pManager)) return NULL;
            continue;
        }

        // Owned here until a parent takes it or it becomes the result.
        std::unique_ptr<CControlUI> created(CreateElement(pstrClass));
        if (created == nullptr) continue;

        if (node.HasChildren()) _Parse(&node, created.get(), pManager);

        // Only the first control of a level without a parent is the result;
        // a further one could be reached by nobody.
        if (pParent == NULL && pReturn != NULL) continue;
        if (pParent != NULL && pParent->GetInterface(L"TreeNode") != NULL) {
            // Controls written inside a tree node join the node's own row.
            IContainerUI* pRow = static_cast<IContainerUI*>(pParent->GetInterface(L"TreeNodeRow"));
            if (pRow == NULL || !pRow->Add(created.get())) continue;
        } else if (pParent != NULL) {
            if (!bContainerAsked) {
                pContainer = static_cast<IContainerUI*>(pParent->GetInterface(L"IContainer"));
                bContainerAsked = true;
            }
            // A parent that holds no children: the new control goes, and so
            // does the rest of this level.
            if (pContainer == NULL) return NULL;
            if (!pContainer->Add(created.get())) continue;
        }
        CControlUI* pControl = created.release();

        if (pManager != NULL) {
            pControl->SetManager(pManager, NULL, false);
            const wchar_t* pDefaultAttributes = pManager->GetDefaultAttributeList(pstrClass);
            if (pDefaultAttributes != NULL) pControl->ApplyAttributeList(pDefaultAttributes);
        }
        int count = node.GetAttributeCount();
        for (int i = 0; i < count; i++) pControl->SetAttribute(node.GetAttributeName(i), node.GetAttributeValue(i));
        if (pManager != NULL) {
            if (uDefaultTag != 0) pControl->SetTag(uDefaultTag);
            pControl->SetManager(NULL, NULL, false);
        }
        if (pReturn == NULL) pReturn = pControl;
    }
    return pReturn;
}

}  // namespace SkinUI
