// CEditUI: the single-line text field. Unfocused it paints like a label (text,
// hint or password characters, and a state image); focused it opens a native
// "Edit" child window over its text area that does the typing, selection and
// clipboard work and copies its text back on every change.
#pragma once

#include "label.h"

namespace SkinUI {

class CEditWnd;

class UILIB_API CEditUI : public CLabelUI
{
    friend class CEditWnd;

public:
    CEditUI();
    // Closes an open native window first, so it never calls back into a freed edit.
    ~CEditUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    void SetEnabled(bool bEnable = true) override;
    void SetText(const wchar_t* pstrText) override;
    void SetMaxChar(UINT uMax);
    UINT GetMaxChar() const;
    void SetReadOnly(bool bReadOnly);
    bool IsReadOnly() const;
    void SetPasswordMode(bool bPasswordMode);
    bool IsPasswordMode() const;
    void SetPasswordChar(wchar_t cPasswordChar);
    wchar_t GetPasswordChar() const;
    void SetNumberOnly(bool bNumberOnly);
    bool IsNumberOnly() const;
    int GetWindowStyls() const;

    const wchar_t* GetNormalImage() const;
    void SetNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetHotImage() const;
    void SetHotImage(const wchar_t* pStrImage);
    const wchar_t* GetFocusedImage() const;
    void SetFocusedImage(const wchar_t* pStrImage);
    const wchar_t* GetDisabledImage() const;
    void SetDisabledImage(const wchar_t* pStrImage);
    void SetNativeEditBkColor(DWORD dwBkColor);
    DWORD GetNativeEditBkColor() const;
    void SetHintText(const wchar_t* pstrText);
    CUIString GetHintText() const;
    void SetHintTextColor(DWORD dwColor);
    DWORD GetHintTextColor() const;

    void SetSel(long nStartChar, long nEndChar);
    void SetSelAll();
    void SetReplaceSel(const wchar_t* lpszReplace);
    HWND GetSafeWnd() const;

    void SetPos(RECT rc) override;
    void SetVisible(bool bVisible = true) override;
    void SetInternVisible(bool bVisible = true) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

protected:
    // Where the native window sits: the text area, narrowed to the font's height.
    RECT NativeWindowRect();
    HFONT NativeFont();
    bool DrawStateImage(HDC hDC, CUIString& sImage);
    void OpenNativeWindow();

    CEditWnd* m_pWindow;
    UINT m_uMaxChar;
    bool m_bReadOnly;
    bool m_bPasswordMode;
    wchar_t m_cPasswordChar;
    UINT m_uButtonState;
    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sFocusedImage;
    CUIString m_sDisabledImage;
    DWORD m_dwEditbkColor;
    DWORD m_dwHintTextColor;
    int m_iWindowStyls;
    CUIString m_sHintText;
};

} // namespace SkinUI
