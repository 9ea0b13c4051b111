// CLabelUI: attributes, accessors, size estimate and plain or tagged text
// painting. The GDI+ effect drawing is in label_effect.cpp.
#include "label.h"

#include <cwchar>

#include "core/attribute_table.h"
#include "core/attribute_values.h"
#include "core/gdi_scope.h"
#include "gdiplus_scope.h"
#include "core/render_engine.h"

namespace SkinUI {

CLabelUI::CLabelUI()
    : m_hPaintDC(NULL),
      m_dwTextColor(0),
      m_dwDisabledTextColor(0),
      m_iFont(-1),
      m_uTextStyle(DT_VCENTER),
      m_rcTextPadding(),
      m_bShowHtml(false),
      m_bEnableEffect(false),
      m_bEnableStroke(false),
      m_bEnableShadow(false),
      m_nTransShadow(60),
      m_nTransShadow1(60),
      m_nTransText(168),
      m_nTransText1(168),
      m_nTransStroke(255),
      m_nGradientAngle(0),
      m_nGradientLength(0),
      m_dwTextColor2(0xFFFFFFFF),
      m_dwTextShadowColorA(0xFF000000),
      m_dwTextShadowColorB(0xFFFFFFFF),
      m_dwStrokeColor(0),
      m_ShadowOffset(0.0f, 0.0f, 0.0f, 0.0f),
      m_nStringAlignment(0),
      m_nLineAlignment(1),
      m_nTextRenderingHint(0),
      m_gdiplus(new GdiplusSession())
{}

CLabelUI::~CLabelUI() = default;

const wchar_t* CLabelUI::GetClass() const { return L"LabelUI"; }

LPVOID CLabelUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Label") == 0) return static_cast<CLabelUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

void CLabelUI::SetTextStyle(UINT uStyle) { SetAndInvalidate(m_uTextStyle, uStyle); }

UINT CLabelUI::GetTextStyle() const { return m_uTextStyle; }

void CLabelUI::SetTextColor(DWORD dwTextColor) { SetAndInvalidate(m_dwTextColor, dwTextColor); }

DWORD CLabelUI::GetTextColor() const { return m_dwTextColor; }

void CLabelUI::SetDisabledTextColor(DWORD dwTextColor) { SetAndInvalidate(m_dwDisabledTextColor, dwTextColor); }

DWORD CLabelUI::GetDisabledTextColor() const { return m_dwDisabledTextColor; }

void CLabelUI::SetFont(int index) { SetAndInvalidate(m_iFont, index); }

int CLabelUI::GetFont() const { return m_iFont; }
RECT CLabelUI::GetTextPadding() const { return m_rcTextPadding; }

void CLabelUI::SetTextPadding(RECT rc) { SetAndInvalidate(m_rcTextPadding, rc); }

bool CLabelUI::IsShowHtml() { return m_bShowHtml; }

void CLabelUI::SetShowHtml(bool bShowHtml) { ChangeAndInvalidate(m_bShowHtml, bShowHtml); }

CUIString CLabelUI::GetText() const { return m_bEnableEffect ? m_sEffectText : CControlUI::GetText(); }

void CLabelUI::SetText(const wchar_t* pstrText)
{
    if (!m_bEnableEffect) {
        CControlUI::SetText(pstrText);
        return;
    }
    m_sEffectText = pstrText != NULL ? pstrText : L"";
}

SIZE CLabelUI::EstimateFromFont(int extra) const
{
    if (m_cxyFixed.cy != 0) return m_cxyFixed;
    int fontHeight = m_pManager != NULL ? m_pManager->GetFontInfo(m_iFont)->tm.tmHeight : 0;
    SIZE sz = {m_cxyFixed.cx, fontHeight + extra};
    return sz;
}

SIZE CLabelUI::EstimateSize(SIZE) { return EstimateFromFont(4); }

void CLabelUI::DoEvent(TEventUI& event)
{
    if (event.type == UIEV_SET_FOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.type == UIEV_KILL_FOCUS) {
        m_bFocused = false;
        return;
    }
    CControlUI::DoEvent(event);
}

namespace {

struct AlignKeyword
{
    const wchar_t* word;
    UINT clear;
    UINT set;
};

// Searched as substrings in this order, so "vcenter" also matches "center".
const AlignKeyword kAlignKeywords[] = {
    {L"left", DT_CENTER | DT_RIGHT | DT_VCENTER | DT_SINGLELINE, 0},
    {L"center", DT_RIGHT, DT_CENTER},
    {L"right", DT_CENTER | DT_VCENTER | DT_SINGLELINE, DT_RIGHT},
    {L"top", DT_BOTTOM | DT_VCENTER, DT_SINGLELINE},
    {L"vcenter", DT_BOTTOM, DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    {L"lvcenter", DT_CENTER | DT_BOTTOM, DT_VCENTER | DT_SINGLELINE},
    {L"bottom", DT_VCENTER, DT_BOTTOM | DT_SINGLELINE},
};

} // namespace

void CLabelUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    typedef TAttributeRowUI<CLabelUI> Row;
    // The style rows edit the style without repainting, as the layout is read.
    static const Row kAttributes[] = {
        {L"align",
         [](CLabelUI& label, const wchar_t* value) {
             for (const AlignKeyword& keyword : kAlignKeywords) {
                 if (wcsstr(value, keyword.word) == NULL) continue;
                 label.m_uTextStyle &= ~keyword.clear;
                 label.m_uTextStyle |= keyword.set;
             }
         }},
        {L"endellipsis",
         [](CLabelUI& label, const wchar_t* value) {
             if (ParseBool(value)) label.m_uTextStyle |= DT_END_ELLIPSIS;
             else label.m_uTextStyle &= ~DT_END_ELLIPSIS;
         }},
        {L"left_vcenter",
         [](CLabelUI& label, const wchar_t* value) {
             if (ParseBool(value)) label.m_uTextStyle = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
         }},
        {L"font", &Row::ParseAndSet<ParseInt, &CLabelUI::SetFont>},
        {L"textcolor", &Row::ParseAndSet<ParseColor, &CLabelUI::SetTextColor>},
        {L"disabledtextcolor", &Row::ParseAndSet<ParseColor, &CLabelUI::SetDisabledTextColor>},
        {L"textpadding", &Row::ParseAndSet<ParseRect, &CLabelUI::SetTextPadding>},
        {L"showhtml", &Row::ParseAndSet<ParseBool, &CLabelUI::SetShowHtml>},
        {L"enabledeffect", &Row::ParseAndSet<ParseBool, &CLabelUI::SetEnabledEffect>},
        {L"rhaa", &Row::ParseAndSet<ParseInt, &CLabelUI::SetTextRenderingHintAntiAlias>},
        {L"transshadow", &Row::ParseAndSet<ParseInt, &CLabelUI::SetTransShadow>},
        {L"transshadow1", &Row::ParseAndSet<ParseInt, &CLabelUI::SetTransShadow1>},
        {L"transtext", &Row::ParseAndSet<ParseInt, &CLabelUI::SetTransText>},
        {L"transtext1", &Row::ParseAndSet<ParseInt, &CLabelUI::SetTransText1>},
        {L"transstroke", &Row::ParseAndSet<ParseInt, &CLabelUI::SetTransStroke>},
        {L"gradientangle", &Row::ParseAndSet<ParseInt, &CLabelUI::SetGradientAngle>},
        {L"gradientlength", &Row::ParseAndSet<ParseInt, &CLabelUI::SetGradientLength>},
        {L"enabledstroke", &Row::ParseAndSet<ParseBool, &CLabelUI::SetEnabledStroke>},
        {L"enabledshadow", &Row::ParseAndSet<ParseBool, &CLabelUI::SetEnabledShadow>},
        {L"shadowoffset",
         [](CLabelUI& label, const wchar_t* value) {
             int values[2] = {0, 0};
             ParseIntList(value, values, 2);
             label.SetShadowOffset(values[0], values[1]);
         }},
        {L"textcolor1", &Row::ParseAndSet<ParseColor, &CLabelUI::SetTextColor1>},
        {L"textshadowcolora", &Row::ParseAndSet<ParseColor, &CLabelUI::SetTextShadowColorA>},
        {L"textshadowcolorb", &Row::ParseAndSet<ParseColor, &CLabelUI::SetTextShadowColorB>},
        {L"strokecolor", &Row::ParseAndSet<ParseColor, &CLabelUI::SetStrokeColor>},
    };
    if (!ApplyAttributeRow(kAttributes, *this, pstrName, pstrValue)) CControlUI::SetAttribute(pstrName, pstrValue);
}

void CLabelUI::FillDefaultColors()
{
    if (m_pManager == NULL) return;
    if (m_dwTextColor == 0) m_dwTextColor = m_pManager->GetDefaultFontColor();
    if (m_dwDisabledTextColor == 0) m_dwDisabledTextColor = m_pManager->GetDefaultDisabledColor();
}

RECT CLabelUI::TextRect() const
{
    RECT rc = m_rcItem;
    rc.left += m_rcTextPadding.left;
    rc.right -= m_rcTextPadding.right;
    rc.top += m_rcTextPadding.top;
    rc.bottom -= m_rcTextPadding.bottom;
    return rc;
}

void CLabelUI::PaintText(HDC hDC)
{
    m_hPaintDC = hDC;
    FillDefaultColors();
    RECT rc = TextRect();
    if (m_bEnableEffect) {
        PaintEffectText(hDC, rc);
        return;
    }
    if (m_sText.IsEmpty()) return;
    DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rc, m_sText, color, NULL, NULL, nLinks,
                                    m_uTextStyle | DT_SINGLELINE);
    } else {
        CRenderEngine::DrawText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle | DT_SINGLELINE);
    }
}

HDC CLabelUI::MeasuringDC(std::unique_ptr<MemoryDC>& fallback) const
{
    HDC hDC = m_pManager != NULL ? m_pManager->GetPaintDC() : NULL;
    if (hDC != NULL) return hDC;
    fallback.reset(new MemoryDC(NULL));
    return fallback->Get();
}

int CLabelUI::GetAutoSizeWidth()
{
    if (m_hPaintDC == NULL) return 0;
    // The DC of the latest paint may be gone by now (an off-screen DC rebuilt on
    // resize, a BeginPaint DC released); the window's own DC lives as long as
    // the manager and selects the same fonts.
    std::unique_ptr<MemoryDC> screenDC;
    HDC hDC = MeasuringDC(screenDC);
    RECT rc = {0, 0, 9999, 9999};
    CRenderEngine::DrawText(hDC, m_pManager, rc, m_sText, m_dwTextColor, m_iFont, DT_CALCRECT | m_uTextStyle);
    return rc.right - rc.left;
}

// ---- effect accessors ---------------------------------------------------------------------

void CLabelUI::SetEnabledEffect(bool bEnable) { m_bEnableEffect = bEnable; }
bool CLabelUI::GetEnabledEffect() const { return m_bEnableEffect; }
void CLabelUI::SetEnabledStroke(bool bEnable) { m_bEnableStroke = bEnable; }
bool CLabelUI::GetEnabledStroke() const { return m_bEnableStroke; }
void CLabelUI::SetEnabledShadow(bool bEnable) { m_bEnableShadow = bEnable; }
bool CLabelUI::GetEnabledShadow() const { return m_bEnableShadow; }
void CLabelUI::SetTransShadow(int nAlpha) { m_nTransShadow = nAlpha; }
int CLabelUI::GetTransShadow() const { return m_nTransShadow; }
void CLabelUI::SetTransShadow1(int nAlpha) { m_nTransShadow1 = nAlpha; }
int CLabelUI::GetTransShadow1() const { return m_nTransShadow1; }
void CLabelUI::SetTransText(int nAlpha) { m_nTransText = nAlpha; }
int CLabelUI::GetTransText() const { return m_nTransText; }
void CLabelUI::SetTransText1(int nAlpha) { m_nTransText1 = nAlpha; }
int CLabelUI::GetTransText1() const { return m_nTransText1; }
void CLabelUI::SetTransStroke(int nAlpha) { m_nTransStroke = nAlpha; }
int CLabelUI::GetTransStroke() const { return m_nTransStroke; }
void CLabelUI::SetGradientAngle(int nAngle) { m_nGradientAngle = nAngle; }
int CLabelUI::GetGradientAngle() const { return m_nGradientAngle; }
void CLabelUI::SetGradientLength(int nLength) { m_nGradientLength = nLength; }
int CLabelUI::GetGradientLength() const { return m_nGradientLength; }
void CLabelUI::SetTextColor1(DWORD dwColor) { m_dwTextColor2 = dwColor; }
DWORD CLabelUI::GetTextColor1() const { return m_dwTextColor2; }
void CLabelUI::SetTextShadowColorA(DWORD dwColor) { m_dwTextShadowColorA = dwColor; }
DWORD CLabelUI::GetTextShadowColorA() const { return m_dwTextShadowColorA; }
void CLabelUI::SetTextShadowColorB(DWORD dwColor) { m_dwTextShadowColorB = dwColor; }
DWORD CLabelUI::GetTextShadowColorB() const { return m_dwTextShadowColorB; }
void CLabelUI::SetStrokeColor(DWORD dwColor) { m_dwStrokeColor = dwColor; }
DWORD CLabelUI::GetStrokeColor() const { return m_dwStrokeColor; }

void CLabelUI::SetTextRenderingHintAntiAlias(int nHint) { m_nTextRenderingHint = nHint >= 0 && nHint <= 5 ? nHint : 0; }
int CLabelUI::GetTextRenderingHintAntiAlias() const { return m_nTextRenderingHint; }

void CLabelUI::SetShadowOffset(int nOffset, int nAngle)
{
    if (nAngle > 180 || nAngle < -180) return;
    // A shift from the text, wherever the label stands: the rectangle is not
    // known yet while the layout is read, and changes with every layout pass.
    int top = 0;
    int left = 0;
    if (nAngle >= 0 && nAngle <= 180) top -= nOffset;
    else if (nAngle > -180 && nAngle < 0) top += nOffset;
    if (nAngle > -90 && nAngle <= 90) left -= nOffset;
    else if (nAngle > 90 || nAngle < -90) left += nOffset;
    m_ShadowOffset.X = static_cast<float>(top);
    m_ShadowOffset.Y = static_cast<float>(left);
}

Gdiplus::RectF CLabelUI::GetShadowOffset() const { return m_ShadowOffset; }

} // namespace SkinUI
