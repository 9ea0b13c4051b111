// CListContainerElementUI: a list row that is a container, so that a row can
// hold any controls (the tree view's nodes, menu items and the program's own
// rows are such rows).
#pragma once

#include <memory>

#include "core/container_ui.h"
#include "list_interfaces.h"

namespace SkinUI {

class CListContainerElementUI;

// What a row of a long list can keep instead of its children until they are
// needed: the row makes them from it the first time it comes into view, is
// painted, or is looked into (its children counted, listed or searched). A list
// of thousands of rows then makes the controls of the rows on screen, not of
// every row. The texts of the children to be made can be read and changed
// without making them.
class UILIB_API IListRowContentUI
{
public:
    virtual ~IListRowContentUI() {}
    // Adds the row's children; called once.
    virtual void Build(CListContainerElementUI& row) = 0;
    // The text the child of that name will have; false when the content makes no
    // child of that name.
    virtual bool GetChildText(const wchar_t* pstrName, CUIString& sText) const = 0;
    // Changes the text the child of that name will have; false when the content
    // makes no child of that name.
    virtual bool SetChildText(const wchar_t* pstrName, const wchar_t* pstrText) = 0;
};

class UILIB_API CListContainerElementUI : public CContainerUI, public IListItemUI
{
public:
    CListContainerElementUI();

    const wchar_t* GetClass() const override;
    UINT GetControlFlags() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    int GetIndex() const override;
    void SetIndex(int iIndex) override;
    IListOwnerUI* GetOwner() override;
    void SetOwner(CControlUI* pOwner) override;
    void SetVisible(bool bVisible = true) override;
    void SetEnabled(bool bEnable = true) override;
    bool IsSelected() const override;
    bool Select(bool bSelect = true) override;
    bool IsExpanded() const override;
    bool Expand(bool bExpand = true) override;

    void Invalidate();
    bool Activate() override;

    void DoEvent(TEventUI& event) override;
    // A row linked to its list's header places its children under the header's
    // visible items, one child per column; other rows as a container does.
    void SetPos(RECT rc) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void PaintBkImage(HDC hDC) override;

    void DrawItemText(HDC hDC, const RECT& rcItem) override;

    // Children made when needed. The row takes the content over (null for none);
    // a row that has children already keeps them and gets the content's too when
    // they are made.
    void SetContent(IListRowContentUI* pContent);
    // The content whose children are not made yet; null once they are.
    IListRowContentUI* GetPendingContent() const;
    // Makes the pending content's children now (and places them when the row is
    // placed); nothing when there is none.
    void MakeContent();

    // Every way to the children makes them first.
    CControlUI* GetItemAt(int iIndex) const override;
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    int GetCount() const override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;
    CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;

    // The header of the list the row was built for (not owned).
    CControlUI* GetHeader() const;
    void SetHeader(CControlUI* pHeader);
    void DrawItemBk(HDC hDC, const RECT& rcItem);

protected:
    // Builds the pending content; true when it did.
    bool BuildPendingContent();
    // Whether rc meets what the parent shows of its children (true without a
    // parent container).
    bool IsInParentView(const RECT& rc) const;

    int m_iIndex;
    bool m_bSelected;
    UINT m_uButtonState;
    IListOwnerUI* m_pOwner;
    bool m_bNoBkDraw;
    CControlUI* m_pHeader;
    std::unique_ptr<IListRowContentUI> m_pContent;
};

} // namespace SkinUI
