// CLabelUI's effect mode: the effect text drawn through the GDI+ flat interface
// with a gradient text brush, an optional one-pixel stroke (the text drawn four
// times around its place) and an optional gradient drop shadow.
#include "label.h"

#include "gdiplus_scope.h"

namespace SkinUI {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// An alpha of the effect attributes with the RGB of an 0xAARRGGBB colour. Alphas
// outside 0..255 are clamped rather than spilling into the colour.
ARGB WithAlpha(int alpha, DWORD rgb)
{
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    return (static_cast<ARGB>(alpha) << 24) | (rgb & 0x00FFFFFF);
}

bool MakeGradientBrush(const PointF& start, const PointF& end, ARGB first, ARGB second, GdiplusBrush& brush)
{
    return GdipCreateLineBrush(&start, &end, first, second, WrapModeTile,
                               reinterpret_cast<GpLineGradient**>(brush.Out())) == Ok;
}

void DrawEffectString(GpGraphics* graphics, const CUIString& text, GpFont* font, const RectF& rc,
                      GpStringFormat* format, GpBrush* brush)
{
    GdipDrawString(graphics, text.GetData(), text.GetLength(), font, &rc, format, brush);
}

} // namespace

void CLabelUI::PaintEffectText(HDC hDC, const RECT& rcText)
{
    if (!m_gdiplus->IsStarted() || m_pManager == NULL) return;
    TFontInfo* pFontInfo = m_pManager->GetFontInfo(m_iFont);
    LOGFONTW lf = {};
    if (pFontInfo == NULL || ::GetObjectW(pFontInfo->hFont, sizeof(lf), &lf) == 0) return;

    GdiplusFont font;
    GdiplusGraphics graphics;
    GdiplusStringFormat format;
    if (GdipCreateFontFromLogfontW(hDC, &lf, font.Out()) != Ok) return;
    if (GdipCreateFromHDC(hDC, graphics.Out()) != Ok) return;
    if (GdipCreateStringFormat(0, LANG_NEUTRAL, format.Out()) != Ok) return;
    GdipSetTextRenderingHint(graphics.Get(), static_cast<TextRenderingHint>(m_nTextRenderingHint));
    GdipSetStringFormatAlign(format.Get(), static_cast<StringAlignment>(m_nStringAlignment));
    GdipSetStringFormatLineAlign(format.Get(), static_cast<StringAlignment>(m_nLineAlignment));

    const float height = static_cast<float>(rcText.bottom - rcText.top);
    RectF layout(static_cast<float>(rcText.left), static_cast<float>(rcText.top),
                 static_cast<float>(rcText.right - rcText.left), height);
    RectF shadow(layout.X + m_ShadowOffset.X, layout.Y + m_ShadowOffset.Y, layout.Width, layout.Height);
    PointF start(static_cast<float>(m_nGradientAngle), 0.0f);
    PointF end(0.0f, m_nGradientLength != 0 ? static_cast<float>(m_nGradientLength) : height);

    if (m_bEnableStroke && m_dwStrokeColor != 0) {
        GdiplusBrush stroke;
        ARGB color = WithAlpha(m_nTransStroke, m_dwStrokeColor);
        if (MakeGradientBrush(start, PointF(0.0f, height + 2.0f), color, color, stroke)) {
            const float shifts[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
            for (const auto& shift : shifts) {
                RectF rc(layout.X + shift[0], layout.Y + shift[1], layout.Width, layout.Height);
                DrawEffectString(graphics.Get(), m_sEffectText, font.Get(), rc, format.Get(), stroke.Get());
            }
        }
    }

    if (m_bEnableShadow && (m_dwTextShadowColorA != 0 || m_dwTextShadowColorB != 0)) {
        DWORD second = m_dwTextShadowColorB == 0xFFFFFFFF ? m_dwTextShadowColorA : m_dwTextShadowColorB;
        GdiplusBrush brush;
        if (MakeGradientBrush(start, end, WithAlpha(m_nTransShadow, m_dwTextShadowColorA),
                              WithAlpha(m_nTransShadow1, second), brush)) {
            DrawEffectString(graphics.Get(), m_sEffectText, font.Get(), shadow, format.Get(), brush.Get());
        }
    }

    DWORD second = m_dwTextColor2 == 0xFFFFFFFF ? m_dwTextColor : m_dwTextColor2;
    GdiplusBrush brush;
    if (MakeGradientBrush(start, end, WithAlpha(m_nTransText, m_dwTextColor), WithAlpha(m_nTransText1, second),
                          brush)) {
        DrawEffectString(graphics.Get(), m_sEffectText, font.Get(), layout, format.Get(), brush.Get());
    }
}

} // namespace SkinUI
