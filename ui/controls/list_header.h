// CListHeaderUI: the column header of a list, a horizontal row of header items
// whose widths are the list's columns. CListHeaderItemUI: one column heading
// with state images, text, and a separator strip at one edge that the user
// drags to resize the column.
#pragma once

#include "horizontal_layout.h"

namespace SkinUI {

class UILIB_API CListHeaderUI : public CHorizontalLayoutUI
{
public:
    CListHeaderUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    SIZE EstimateSize(SIZE szAvailable) override;
};

class UILIB_API CListHeaderItemUI : public CContainerUI
{
public:
    CListHeaderItemUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    void SetEnabled(bool bEnable = true) override;

    bool IsDragable() const;
    void SetDragable(bool bDragable);
    int GetSepWidth() const;
    void SetSepWidth(int iWidth);
    UINT GetTextStyle() const;
    void SetTextStyle(UINT uStyle);
    DWORD GetTextColor() const;
    void SetTextColor(DWORD dwTextColor);
    void SetTextPadding(RECT rc);
    RECT GetTextPadding() const;
    void SetFont(int index);
    bool IsShowHtml();
    void SetShowHtml(bool bShowHtml = true);
    const wchar_t* GetNormalImage() const;
    void SetNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetHotImage() const;
    void SetHotImage(const wchar_t* pStrImage);
    const wchar_t* GetPushedImage() const;
    void SetPushedImage(const wchar_t* pStrImage);
    const wchar_t* GetFocusedImage() const;
    void SetFocusedImage(const wchar_t* pStrImage);
    const wchar_t* GetSepImage() const;
    void SetSepImage(const wchar_t* pStrImage);

    void DoEvent(TEventUI& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    RECT GetThumbRect() const;
    // The height of the resize thumb measured up from the item's bottom; -1 the
    // item's full height. A two-level header keeps a group's inner separators
    // below its caption.
    int GetThumbHeight() const;
    void SetThumbHeight(int iHeight);
    // Pixels below the item's top where the text rectangle starts; -1 none.
    int GetTextTop() const;
    void SetTextTop(int iTop);

    void PaintText(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // The thumb widened by 4 pixels towards the inside of the item.
    RECT GetHitRect() const;
    // Draws an image; one that fails is emptied and not tried again.
    bool DrawStateImage(HDC hDC, CUIString& sImage, const wchar_t* pStrModify = NULL);
    void AskListLayout();

    POINT ptLastMouse;
    bool m_bDragable;
    UINT m_uButtonState;
    int m_iSepWidth;
    DWORD m_dwTextColor;
    int m_iFont;
    UINT m_uTextStyle;
    bool m_bShowHtml;
    RECT m_rcTextPadding;
    int m_iThumbHeight;
    int m_iTextTop;
    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sPushedImage;
    CUIString m_sFocusedImage;
    CUIString m_sSepImage;
    CUIString m_sSepImageModify;
};

} // namespace SkinUI
