// CListElementUI: the base of the plain list rows, a control that answers the
// "ListItem" interface. CListLabelElementUI: a row of one text drawn with the
// list's look.
#pragma once

#include "core/control_ui.h"
#include "list_interfaces.h"

namespace SkinUI {

class UILIB_API CListElementUI : public CControlUI, public IListItemUI
{
public:
    CListElementUI();

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

    // Repaints the visible part of the row only.
    void Invalidate();
    bool Activate() override;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void DrawItemBk(HDC hDC, const RECT& rcItem);

protected:
    int m_iIndex;
    bool m_bSelected;
    UINT m_uButtonState;
    IListOwnerUI* m_pOwner;
};

class UILIB_API CListLabelElementUI : public CListElementUI
{
public:
    CListLabelElementUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void DoEvent(TEventUI& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;

    void DrawItemText(HDC hDC, const RECT& rcItem) override;

protected:
    // The item font's height plus the text padding and 8, or the fixed height.
    int EstimateHeight(const TListInfoUI& info) const;
};

} // namespace SkinUI
