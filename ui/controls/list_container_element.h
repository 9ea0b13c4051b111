// CListContainerElementUI: a list row that is a container, so that a row can
// hold any controls (the tree view's nodes, menu items and the program's own
// rows are such rows).
#pragma once

#include "core/container_ui.h"
#include "list_interfaces.h"

namespace SkinUI {

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

    // The header of the list the row was built for (not owned).
    CControlUI* GetHeader() const;
    void SetHeader(CControlUI* pHeader);
    void DrawItemBk(HDC hDC, const RECT& rcItem);

protected:
    int m_iIndex;
    bool m_bSelected;
    UINT m_uButtonState;
    IListOwnerUI* m_pOwner;
    bool m_bNoBkDraw;
    CControlUI* m_pHeader;
};

} // namespace SkinUI
