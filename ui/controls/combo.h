// CComboUI: the drop-down selector. Its children are list elements that it owns
// but never lays out or paints itself: it paints a state image and the selected
// element's text, and lends the elements to a popup list (CComboWnd) while that
// is open. As the elements' list owner it keeps their shared look.
#pragma once

#include "core/container_ui.h"
#include "list_interfaces.h"

namespace SkinUI {

class CComboWnd;

class UILIB_API CComboUI : public CContainerUI, public IListOwnerUI
{
    friend class CComboWnd;

public:
    CComboUI();
    ~CComboUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    CUIString GetText() const override;
    void SetEnabled(bool bEnable = true) override;

    CUIString GetDropBoxAttributeList() const;
    void SetDropBoxAttributeList(const wchar_t* pstrList);
    SIZE GetDropBoxSize() const;
    void SetDropBoxSize(SIZE szDropBox);
    // The open drop-down list's window, null while closed.
    HWND GetDropWindow() const;

    int GetCurSel() const override;
    bool SelectItem(int iIndex, bool bTakeFocus = false) override;

    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    bool Activate() override;

    RECT GetTextPadding() const;
    void SetTextPadding(RECT rc);
    const wchar_t* GetNormalImage() const;
    void SetNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetHotImage() const;
    void SetHotImage(const wchar_t* pStrImage);
    const wchar_t* GetPushedImage() const;
    void SetPushedImage(const wchar_t* pStrImage);
    const wchar_t* GetFocusedImage() const;
    void SetFocusedImage(const wchar_t* pStrImage);
    const wchar_t* GetDisabledImage() const;
    void SetDisabledImage(const wchar_t* pStrImage);

    TListInfoUI* GetListInfo() override;
    void SetItemFont(int index);
    void SetItemTextStyle(UINT uStyle);
    RECT GetItemTextPadding() const;
    void SetItemTextPadding(RECT rc);
    DWORD GetItemTextColor() const;
    void SetItemTextColor(DWORD dwTextColor);
    DWORD GetItemBkColor() const;
    void SetItemBkColor(DWORD dwBkColor);
    const wchar_t* GetItemBkImage() const;
    void SetItemBkImage(const wchar_t* pStrImage);
    bool IsAlternateBk() const;
    void SetAlternateBk(bool bAlternateBk);
    DWORD GetSelectedItemTextColor() const;
    void SetSelectedItemTextColor(DWORD dwTextColor);
    DWORD GetSelectedItemBkColor() const;
    void SetSelectedItemBkColor(DWORD dwBkColor);
    const wchar_t* GetSelectedItemImage() const;
    void SetSelectedItemImage(const wchar_t* pStrImage);
    DWORD GetHotItemTextColor() const;
    void SetHotItemTextColor(DWORD dwTextColor);
    DWORD GetHotItemBkColor() const;
    void SetHotItemBkColor(DWORD dwBkColor);
    const wchar_t* GetHotItemImage() const;
    void SetHotItemImage(const wchar_t* pStrImage);
    DWORD GetDisabledItemTextColor() const;
    void SetDisabledItemTextColor(DWORD dwTextColor);
    DWORD GetDisabledItemBkColor() const;
    void SetDisabledItemBkColor(DWORD dwBkColor);
    const wchar_t* GetDisabledItemImage() const;
    void SetDisabledItemImage(const wchar_t* pStrImage);
    DWORD GetItemLineColor() const;
    void SetItemLineColor(DWORD dwLineColor);
    bool IsItemShowHtml() const;
    void SetItemShowHtml(bool bShowHtml = true);

    SIZE EstimateSize(SIZE szAvailable) override;
    void SetPos(RECT rc) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void PaintText(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // The control less the text padding.
    RECT GetTextArea() const;
    // Draws the selected element in rcText: a list element draws its text, any
    // other control is laid over rcText for the time of its painting.
    void PaintSelected(HDC hDC, const RECT& rcText);
    // The drop-down hands the elements back at once and closes: nothing may be
    // removed or freed while the popup's layout still holds it.
    void CloseDropDown();
    // Gives the elements from iFirst to iLast (inclusive) their index again.
    void RenumberItems(int iFirst, int iLast);
    // Selects what FindSelectable finds from iFrom in that direction.
    void SelectNear(int iFrom, bool bForward);

    CComboWnd* m_pWindow;
    int m_iCurSel;
    RECT m_rcTextPadding;
    CUIString m_sDropBoxAttributes;
    SIZE m_szDropBox;
    UINT m_uButtonState;
    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sPushedImage;
    CUIString m_sFocusedImage;
    CUIString m_sDisabledImage;
    TListInfoUI m_ListInfo;
};

} // namespace SkinUI
