// CLabelUI: the text-bearing control that buttons, options, edits, date fields,
// progress bars and sliders build on. One line of text with alignment, padding,
// colours, font and optional inline tags; or, with the effect on, text drawn
// through GDI+ with gradient colours, a one-pixel stroke and a drop shadow.
#pragma once

#include <memory>

#include <windows.h>
#include <objidl.h> // PROPID, which gdiplus.h needs and WIN32_LEAN_AND_MEAN leaves out
#include <gdiplus.h>

#include "core/control_ui.h"

namespace SkinUI {

class GdiplusSession;
class MemoryDC;

class UILIB_API CLabelUI : public CControlUI
{
public:
    CLabelUI();
    ~CLabelUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void SetTextStyle(UINT uStyle);
    UINT GetTextStyle() const;
    void SetTextColor(DWORD dwTextColor);
    DWORD GetTextColor() const;
    void SetDisabledTextColor(DWORD dwTextColor);
    DWORD GetDisabledTextColor() const;
    void SetFont(int index);
    int GetFont() const;
    RECT GetTextPadding() const;
    void SetTextPadding(RECT rc);
    bool IsShowHtml();
    void SetShowHtml(bool bShowHtml = true);

    SIZE EstimateSize(SIZE szAvailable) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintText(HDC hDC) override;

    // With the effect on the text lives in the effect text and the base text
    // is left alone.
    CUIString GetText() const override;
    void SetText(const wchar_t* pstrText) override;

    // Width of the base text on the DC of the latest paint; 0 before any paint.
    int GetAutoSizeWidth();

    // GDI+ text effects; the setters store only.
    void SetEnabledEffect(bool bEnable);
    bool GetEnabledEffect() const;
    void SetEnabledStroke(bool bEnable);
    bool GetEnabledStroke() const;
    void SetEnabledShadow(bool bEnable);
    bool GetEnabledShadow() const;
    void SetTransShadow(int nAlpha);
    int GetTransShadow() const;
    void SetTransShadow1(int nAlpha);
    int GetTransShadow1() const;
    void SetTransText(int nAlpha);
    int GetTransText() const;
    void SetTransText1(int nAlpha);
    int GetTransText1() const;
    void SetTransStroke(int nAlpha);
    int GetTransStroke() const;
    void SetGradientAngle(int nAngle);
    int GetGradientAngle() const;
    void SetGradientLength(int nLength);
    int GetGradientLength() const;
    void SetTextColor1(DWORD dwColor);
    DWORD GetTextColor1() const;
    void SetTextShadowColorA(DWORD dwColor);
    DWORD GetTextShadowColorA() const;
    void SetTextShadowColorB(DWORD dwColor);
    DWORD GetTextShadowColorB() const;
    void SetStrokeColor(DWORD dwColor);
    DWORD GetStrokeColor() const;
    // 0..5 (GDI+ TextRenderingHint); anything else becomes 0.
    void SetTextRenderingHintAntiAlias(int nHint);
    int GetTextRenderingHintAntiAlias() const;
    // Angle in degrees, -180..180; other angles are ignored.
    void SetShadowOffset(int nOffset, int nAngle);
    Gdiplus::RectF GetShadowOffset() const;

protected:
    // Zero text colours take the paint manager's defaults once.
    void FillDefaultColors();
    // The effect text through GDI+ in rcText.
    void PaintEffectText(HDC hDC, const RECT& rcText);
    RECT TextRect() const;
    // A DC to measure text on: the window's own DC, which lives as long as the
    // manager, or a screen-compatible one made into fallback without a window.
    HDC MeasuringDC(std::unique_ptr<MemoryDC>& fallback) const;
    // (fixed width, fixed height) when a height is fixed, else the font's
    // height plus extra.
    SIZE EstimateFromFont(int extra) const;

    HDC m_hPaintDC;
    DWORD m_dwTextColor;
    DWORD m_dwDisabledTextColor;
    int m_iFont;
    UINT m_uTextStyle;
    RECT m_rcTextPadding;
    bool m_bShowHtml;

    bool m_bEnableEffect;
    bool m_bEnableStroke;
    bool m_bEnableShadow;
    int m_nTransShadow;
    int m_nTransShadow1;
    int m_nTransText;
    int m_nTransText1;
    int m_nTransStroke;
    int m_nGradientAngle;
    int m_nGradientLength;
    DWORD m_dwTextColor2;
    DWORD m_dwTextShadowColorA;
    DWORD m_dwTextShadowColorB;
    DWORD m_dwStrokeColor;
    Gdiplus::RectF m_ShadowOffset;
    CUIString m_sEffectText;
    int m_nStringAlignment;
    int m_nLineAlignment;
    int m_nTextRenderingHint;

private:
    std::unique_ptr<GdiplusSession> m_gdiplus;
};

} // namespace SkinUI
