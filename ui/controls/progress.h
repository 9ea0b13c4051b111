// CProgressUI: a label that shows a value between a minimum and a maximum by
// drawing its fore image over the filled part, from the left or from the bottom.
#pragma once

#include "label.h"

namespace SkinUI {

class UILIB_API CProgressUI : public CLabelUI
{
public:
    CProgressUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    bool IsHorizontal();
    void SetHorizontal(bool bHorizontal = true);
    bool IsStretchForeImage();
    void SetStretchForeImage(bool bStretchForeImage = true);
    int GetMinValue() const;
    void SetMinValue(int nMin);
    int GetMaxValue() const;
    void SetMaxValue(int nMax);
    int GetValue() const;
    // A value equal to the current one or outside minimum..maximum is ignored.
    void SetValue(int nValue);
    const wchar_t* GetForeImage() const;
    void SetForeImage(const wchar_t* pStrImage);

    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // Makes the range at least one wide and puts the value inside it.
    void NormaliseRange();
    // The length of the range, at least 1 (64-bit: the span of two ints).
    long long RangeLength() const;

    bool m_bHorizontal;
    bool m_bStretchForeImage;
    int m_nMax;
    int m_nMin;
    int m_nValue;
    CUIString m_sForeImage;
    CUIString m_sForeImageModify;
};

} // namespace SkinUI
