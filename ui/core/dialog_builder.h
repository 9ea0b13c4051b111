// CDialogBuilder: turns a layout document into a tree of controls, registering
// the document's images, fonts, default attributes and window settings with the
// paint manager on the way. IDialogBuilderCallback creates the elements that
// neither the framework nor its plug-ins know.
#pragma once

#include "control_ui.h"
#include "markup.h"
#include "string_or_id.h"

namespace SkinUI {

class UILIB_API IDialogBuilderCallback
{
public:
    virtual CControlUI* CreateControl(const wchar_t* pstrClass) = 0;
};

class UILIB_API CDialogBuilder
{
public:
    // Includes nested deeper than this are not built (a layout that includes
    // itself stops here).
    enum
    {
        MAX_INCLUDE_DEPTH = 16
    };
    // One build builds no more includes than this in all (a layout that
    // includes itself several times would otherwise multiply at every level).
    enum
    {
        MAX_INCLUDE_BUILDS = 4096
    };

    CDialogBuilder();
    CDialogBuilder(const CDialogBuilder&) = delete;
    CDialogBuilder& operator=(const CDialogBuilder&) = delete;

    // Loads the layout (a resource id of the given type, XML text starting with
    // "<", or a skin file name) and builds it.
    CControlUI* Create(STRINGorID xml, const wchar_t* type = NULL, IDialogBuilderCallback* pCallback = NULL,
                       CPaintManagerUI* pManager = NULL, CControlUI* pParent = NULL);
    // Builds the document already loaded.
    CControlUI* Create(IDialogBuilderCallback* pCallback = NULL, CPaintManagerUI* pManager = NULL,
                       CControlUI* pParent = NULL);

    CMarkup* GetMarkup();
    void GetLastErrorMessage(wchar_t* pstrMessage, SIZE_T cchMax) const;
    void GetLastErrorLocation(wchar_t* pstrSource, SIZE_T cchMax) const;

private:
    bool LoadResource(UINT id, const wchar_t* type, CPaintManagerUI* pManager);
    void ApplyPrologue(CMarkupNode& root, CPaintManagerUI* pManager);
    void ApplyWindowAttributes(CMarkupNode& root, CPaintManagerUI* pManager);
    void BuildInclude(CMarkupNode& node, CControlUI* pParent, CPaintManagerUI* pManager);
    CControlUI* CreateElement(const wchar_t* pstrClass);
    // A TreeNode element: false when its parent is neither a tree node nor a
    // tree view, which ends the level.
    bool BuildTreeNode(CMarkupNode& node, CControlUI* pParent, CPaintManagerUI* pManager);
    CControlUI* _Parse(CMarkupNode* pRoot, CControlUI* pParent = NULL, CPaintManagerUI* pManager = NULL);

    CMarkup m_xml;
    IDialogBuilderCallback* m_pCallback;
    CUIString m_sType;
    bool m_bHasType;
    CUIString m_sLayoutName;
    int m_nIncludeDepth;
    int m_nIncludeBuilds;
    int* m_pIncludeBuilds;  // the count of the outermost builder
};

}  // namespace SkinUI
