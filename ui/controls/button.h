// CButtonUI: a label that is clicked. State images and state text colours for
// normal, hot, pushed, focused and disabled; raises "click" on a press released
// inside it or on Space/Return, and "menu" on a context menu when enabled.
#pragma once

#include "label.h"

namespace SkinUI {

class UILIB_API CButtonUI : public CLabelUI
{
public:
    CButtonUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    bool Activate() override;
    void SetEnabled(bool bEnable = true) override;
    void DoEvent(TEventUI& event) override;

    const wchar_t* GetNormalImage();
    void SetNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetHotImage();
    void SetHotImage(const wchar_t* pStrImage);
    const wchar_t* GetPushedImage();
    void SetPushedImage(const wchar_t* pStrImage);
    const wchar_t* GetFocusedImage();
    void SetFocusedImage(const wchar_t* pStrImage);
    const wchar_t* GetDisabledImage();
    void SetDisabledImage(const wchar_t* pStrImage);
    const wchar_t* GetForeImage();
    void SetForeImage(const wchar_t* pStrImage);
    const wchar_t* GetHotForeImage();
    void SetHotForeImage(const wchar_t* pStrImage);

    void SetHotBkColor(DWORD dwColor);
    DWORD GetHotBkColor() const;
    void SetHotTextColor(DWORD dwColor);
    DWORD GetHotTextColor() const;
    void SetPushedTextColor(DWORD dwColor);
    DWORD GetPushedTextColor() const;
    void SetFocusedTextColor(DWORD dwColor);
    DWORD GetFocusedTextColor() const;
    void SetNoHotCursor(bool bNoHotCursor);
    bool IsNoHotCursor() const;

    UINT GetButtonState() const { return m_uButtonState; }

    SIZE EstimateSize(SIZE szAvailable) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void PaintText(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // Focused and disabled taken from the control.
    void RefreshStateBits();
    // Stores an image description (null empties it) and repaints.
    void SetImage(CUIString& sImage, const wchar_t* pStrImage);
    // Draws a state image; one that fails is emptied and not tried again.
    bool DrawStateImage(HDC hDC, CUIString& sImage);
    // The text in the given colour, html or plain, in the padded rectangle.
    void DrawLabelText(HDC hDC, DWORD dwColor);

    UINT m_uButtonState;
    DWORD m_dwHotBkColor;
    DWORD m_dwHotTextColor;
    DWORD m_dwPushedTextColor;
    DWORD m_dwFocusedTextColor;
    bool m_bNoHotCursor;

    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sHotForeImage;
    CUIString m_sPushedImage;
    CUIString m_sFocusedImage;
    CUIString m_sDisabledImage;
    CUIString m_sForeImage;
};

} // namespace SkinUI
