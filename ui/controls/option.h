// COptionUI: a button with a selected state. Options of one group (the paint
// manager's option-group table) exclude each other; a change of selection
// raises "selectchanged". CCheckBoxUI: an option with check accessors.
#pragma once

#include "button.h"

namespace SkinUI {

class UILIB_API COptionUI : public CButtonUI
{
public:
    COptionUI();
    ~COptionUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    bool Activate() override;
    void SetEnabled(bool bEnable = true) override;

    // The option's own fore image, drawn over the button's painting.
    const wchar_t* GetForeImage();
    void SetForeImage(const wchar_t* pStrImage);
    const wchar_t* GetSelectedImage();
    void SetSelectedImage(const wchar_t* pStrImage);
    const wchar_t* GetSelectedHotImage();
    void SetSelectedHotImage(const wchar_t* pStrImage);
    void SetSelectedBkColor(DWORD dwBkColor);
    DWORD GetSelectBkColor() const;
    void SetSelectedTextColor(DWORD dwTextColor);
    // A zero colour takes the paint manager's default font colour and keeps it.
    DWORD GetSelectedTextColor();

    const wchar_t* GetGroup() const;
    void SetGroup(const wchar_t* pStrGroupName = NULL);
    bool IsSelected() const;
    virtual void Selected(bool bSelected);

    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

protected:
    bool m_bSelected;
    CUIString m_sGroupName;
    DWORD m_dwSelectedBkColor;
    DWORD m_dwSelectedTextColor;
    CUIString m_sSelectedImage;
    CUIString m_sSelectedHotImage;
    CUIString m_sOptionForeImage;
};

class UILIB_API CCheckBoxUI : public COptionUI
{
public:
    const wchar_t* GetClass() const override;

    void SetCheck(bool bCheck);
    bool GetCheck() const;
};

} // namespace SkinUI
