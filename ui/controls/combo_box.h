// CComboBoxUI: a combo whose state images come from one arrow image strip of
// five equal parts (normal, hot, pushed, focused, disabled) drawn at its right
// edge; the selected text stops short of the arrow.
#pragma once

#include "combo.h"

namespace SkinUI {

class UILIB_API CComboBoxUI : public CComboUI
{
public:
    CComboBoxUI();

    const wchar_t* GetClass() const override;

    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintText(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    CUIString m_sArrowImage;
    int m_nArrowWidth;
};

} // namespace SkinUI
