// CSliderUI: a progress bar with a thumb that the mouse drags or the wheel steps;
// every change by the user raises "valuechanged".
#pragma once

#include "progress.h"

namespace SkinUI {

class UILIB_API CSliderUI : public CProgressUI
{
public:
    CSliderUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    void SetEnabled(bool bEnable = true) override;

    int GetChangeStep();
    void SetChangeStep(int step);
    void SetThumbSize(SIZE szXY);
    // The thumb in window coordinates, where the value puts it.
    RECT GetThumbRect() const;
    const wchar_t* GetThumbImage() const;
    void SetThumbImage(const wchar_t* pStrImage);
    const wchar_t* GetThumbHotImage() const;
    void SetThumbHotImage(const wchar_t* pStrImage);
    const wchar_t* GetThumbPushedImage() const;
    void SetThumbPushedImage(const wchar_t* pStrImage);

    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // The value the pointer stands for: the ends within half a thumb of the
    // control's edges, proportionally between.
    int ValueAt(POINT pt) const;
    // Draws a thumb image at the thumb; a failing image is emptied.
    bool DrawThumb(HDC hDC, CUIString& sImage);

    UINT m_uButtonState;
    int m_nStep;
    SIZE m_szThumb;
    CUIString m_sThumbImage;
    CUIString m_sThumbHotImage;
    CUIString m_sThumbPushedImage;
    CUIString m_sImageModify;
};

} // namespace SkinUI
