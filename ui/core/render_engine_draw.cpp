// Colours and shapes of the render engine: colour adjustment, solid and
// translucent fills, gradients, lines, rectangles, plain text and bitmaps of a
// control's painting.
#include "render_engine.h"

#include <cmath>

#include "control_ui.h"
#include "gdi_scope.h"

namespace SkinUI {

namespace {

void RgbToHsl(DWORD argb, float* h, float* s, float* l)
{
    float r = static_cast<float>(argb & 0xFF) / 255.0f;
    float g = static_cast<float>((argb >> 8) & 0xFF) / 255.0f;
    float b = static_cast<float>((argb >> 16) & 0xFF) / 255.0f;
    float mx = r > g ? (r > b ? r : b) : (g > b ? g : b);
    float mn = r < g ? (r < b ? r : b) : (g < b ? g : b);
    *l = (mx + mn) / 2.0f;
    if (mx == mn) {
        *h = 0.0f;
        *s = 0.0f;
        return;
    }
    float delta = mx - mn;
    *s = *l <= 0.5f ? delta / (mx + mn) : delta / (2.0f - mx - mn);
    float hue;
    if (mx == r) hue = (g - b) / delta + (g < b ? 6.0f : 0.0f);
    else if (mx == g) hue = (b - r) / delta + 2.0f;
    else hue = (r - g) / delta + 4.0f;
    *h = hue * 60.0f;
}

float HueToChannel(float p, float q, float t)
{
    if (t < 0.0f) t += 1.0f;
    if (t > 1.0f) t -= 1.0f;
    if (t < 1.0f / 6.0f) return p + (q - p) * 6.0f * t;
    if (t < 0.5f) return q;
    if (t < 2.0f / 3.0f) return p + (q - p) * (2.0f / 3.0f - t) * 6.0f;
    return p;
}

BYTE ToByte(float v)
{
    float scaled = v * 255.0f + 0.5f;
    if (scaled < 0.0f) return 0;
    if (scaled > 255.0f) return 255;
    return static_cast<BYTE>(scaled);
}

void FillGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical)
{
    TRIVERTEX triv[2] = {
        {rc.left, rc.top, static_cast<COLOR16>(((dwFirst >> 16) & 0xFF) << 8),
         static_cast<COLOR16>(((dwFirst >> 8) & 0xFF) << 8), static_cast<COLOR16>((dwFirst & 0xFF) << 8), 0xFF00},
        {rc.right, rc.bottom, static_cast<COLOR16>(((dwSecond >> 16) & 0xFF) << 8),
         static_cast<COLOR16>(((dwSecond >> 8) & 0xFF) << 8), static_cast<COLOR16>((dwSecond & 0xFF) << 8), 0xFF00},
    };
    GRADIENT_RECT grc = {0, 1};
    ::GradientFill(hDC, triv, 2, &grc, 1, bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

}  // namespace

DWORD CRenderEngine::AdjustColor(DWORD dwColor, short H, short S, short L)
{
    if (H == 180 && S == 100 && L == 100) return dwColor;
    float fH, fS, fL;
    RgbToHsl(dwColor, &fH, &fS, &fL);
    fH += static_cast<float>(H - 180);
    if (fH <= 0.0f) fH += 360.0f;
    fS = fS * S / 100.0f;
    fL = fL * L / 100.0f;
    if (fS > 1.0f) fS = 1.0f;
    if (fL > 1.0f) fL = 1.0f;
    float hue = fH / 360.0f;
    if (hue > 1.0f) hue -= 1.0f;
    float r, g, b;
    if (fS == 0.0f) {
        r = g = b = fL;
    } else {
        float q = fL < 0.5f ? fL * (1.0f + fS) : fL + fS - fL * fS;
        float p = 2.0f * fL - q;
        r = HueToChannel(p, q, hue + 1.0f / 3.0f);
        g = HueToChannel(p, q, hue);
        b = HueToChannel(p, q, hue - 1.0f / 3.0f);
    }
    return (dwColor & 0xFF000000) | (static_cast<DWORD>(ToByte(b)) << 16) | (static_cast<DWORD>(ToByte(g)) << 8) |
           ToByte(r);
}

void CRenderEngine::DrawColor(HDC hDC, const RECT& rc, DWORD color)
{
    if (hDC == NULL || color <= 0x00FFFFFF) return;
    if (color >= 0xFF000000) {
        ::SetBkColor(hDC, ToColorRef(color));
        ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
        return;
    }
    // A one-pixel bitmap of the colour, premultiplied like every bitmap the
    // blend expects, stretched over the rectangle.
    DWORD* bits = NULL;
    BitmapHandle hBitmap(CreateDib32(hDC, 1, 1, &bits));
    if (hBitmap.Get() == NULL) return;
    DWORD a = color >> 24;
    DWORD r = ((color >> 16) & 0xFF) * a / 255;
    DWORD g = ((color >> 8) & 0xFF) * a / 255;
    DWORD b = (color & 0xFF) * a / 255;
    *bits = (a << 24) | (r << 16) | (g << 8) | b;
    RECT rcBmpPart = {0, 0, 1, 1};
    RECT rcCorners = {0, 0, 0, 0};
    DrawImage(hDC, hBitmap, rc, rc, rcBmpPart, rcCorners, true, 255);
}

// The step count served a banded fill for systems without GradientFill; every
// target has it, so the count is kept for callers only.
void CRenderEngine::DrawGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int /*nSteps*/)
{
    if (hDC == NULL) return;
    BYTE bAlpha = static_cast<BYTE>(((dwFirst >> 24) + (dwSecond >> 24)) >> 1);
    if (bAlpha == 0) return;
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0) return;
    if (bAlpha == 255) {
        FillGradient(hDC, rc, dwFirst, dwSecond, bVertical);
        return;
    }
    DWORD* bits = NULL;
    BitmapHandle hBitmap(CreateDib32(hDC, cx, cy, &bits));
    if (hBitmap.Get() == NULL) return;
    MemoryDC hMemDC(hDC);
    SelectObjectScope select(hMemDC, hBitmap);
    RECT rcLocal = {0, 0, cx, cy};
    FillGradient(hMemDC, rcLocal, dwFirst, dwSecond, bVertical);
    ::GdiFlush();
    // The gradient itself is opaque; the constant alpha makes it translucent.
    for (int i = 0; i < cx * cy; ++i) bits[i] |= 0xFF000000;
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, bAlpha, AC_SRC_ALPHA};
    ::AlphaBlend(hDC, rc.left, rc.top, cx, cy, hMemDC, 0, 0, cx, cy, bf);
}

void CRenderEngine::DrawLine(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle)
{
    if (hDC == NULL) return;
    LOGPEN lg;
    lg.lopnColor = ToColorRef(dwPenColor);
    lg.lopnStyle = static_cast<UINT>(nStyle);
    lg.lopnWidth.x = nSize;
    lg.lopnWidth.y = 0;
    PenHandle hPen(::CreatePenIndirect(&lg));
    SelectObjectScope select(hDC, hPen);
    POINT ptTemp = {0, 0};
    ::MoveToEx(hDC, rc.left, rc.top, &ptTemp);
    ::LineTo(hDC, rc.right, rc.bottom);
}

void CRenderEngine::DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor)
{
    if (hDC == NULL) return;
    PenHandle hPen(::CreatePen(PS_SOLID | PS_INSIDEFRAME, nSize, ToColorRef(dwPenColor)));
    SelectObjectScope selectPen(hDC, hPen);
    SelectObjectScope selectBrush(hDC, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
}

void CRenderEngine::DrawRoundRect(HDC hDC, const RECT& rc, int nSize, int cx, int cy, DWORD dwPenColor)
{
    if (hDC == NULL) return;
    PenHandle hPen(::CreatePen(PS_SOLID | PS_INSIDEFRAME, nSize, ToColorRef(dwPenColor)));
    SelectObjectScope selectPen(hDC, hPen);
    SelectObjectScope selectBrush(hDC, ::GetStockObject(HOLLOW_BRUSH));
    ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, cx, cy);
}

void CRenderEngine::DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText, DWORD dwTextColor,
                             int iFont, UINT uStyle)
{
    if (hDC == NULL || pManager == NULL || pstrText == NULL) return;
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ToColorRef(dwTextColor));
    SelectObjectScope select(hDC, pManager->GetFont(iFont));
    // The text is the caller's and read-only: DrawTextW must not write into it.
    ::DrawTextW(hDC, pstrText, -1, &rc, (uStyle & ~DT_MODIFYSTRING) | DT_NOPREFIX);
}

SIZE CRenderEngine::GetTextSize(HDC hDC, CPaintManagerUI* pManager, const wchar_t* pstrText, int iFont, UINT)
{
    SIZE size = {0, 0};
    if (hDC == NULL || pManager == NULL || pstrText == NULL) return size;
    SelectObjectScope select(hDC, pManager->GetFont(iFont));
    ::GetTextExtentPoint32W(hDC, pstrText, lstrlenW(pstrText), &size);
    return size;
}

HBITMAP CRenderEngine::GenerateBitmap(CPaintManagerUI* pManager, CControlUI* pControl, RECT rc)
{
    if (pManager == NULL || pControl == NULL) return NULL;
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    if (rc.right <= 0 || rc.bottom <= 0 || cx <= 0 || cy <= 0) return NULL;

    HDC hRefDC = pManager->GetPaintDC();
    MemoryDC hPaintDC(hRefDC);
    BitmapHandle hPaintBitmap(CreateDib32(hPaintDC, rc.right, rc.bottom, NULL));
    if (hPaintBitmap.Get() == NULL) return NULL;
    {
        SelectObjectScope select(hPaintDC, hPaintBitmap);
        pControl->DoPaint(hPaintDC, rc);
    }

    MemoryDC hCloneDC(hRefDC);
    HBITMAP hBitmap = CreateDib32(hCloneDC, cx, cy, NULL);
    if (hBitmap == NULL) return NULL;
    SelectObjectScope selectSrc(hPaintDC, hPaintBitmap);
    SelectObjectScope selectDst(hCloneDC, hBitmap);
    ::BitBlt(hCloneDC, 0, 0, cx, cy, hPaintDC, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    return hBitmap;
}

// ---- clip regions ---------------------------------------------------------------------

CRenderClip::CRenderClip() : hDC(NULL) { ::ZeroMemory(&rcItem, sizeof(rcItem)); }

CRenderClip::~CRenderClip()
{
    if (hDC != NULL) ::SelectClipRgn(hDC, hOldRgn);
}

namespace {

// Intersects the DC's clip with hNewRgn and keeps the previous clip (as a
// region) and the resulting one in the record.
void ApplyClip(HDC hDC, RECT rc, HRGN hNewRgn, CRenderClip& clip)
{
    // The previous clip, or none when the DC had no clip region.
    clip.hOldRgn.Reset(::CreateRectRgn(0, 0, 0, 0));
    if (::GetClipRgn(hDC, clip.hOldRgn) != 1) clip.hOldRgn.Reset();
    ::ExtSelectClipRgn(hDC, hNewRgn, RGN_AND);
    // Keep the combined clip, so that UseOldClipEnd restores exactly it.
    if (::GetClipRgn(hDC, hNewRgn) != 1) ::SetRectRgn(hNewRgn, rc.left, rc.top, rc.right, rc.bottom);
    clip.hRgn.Reset(hNewRgn);
    clip.hDC = hDC;
    clip.rcItem = rc;
}

}  // namespace

void CRenderClip::GenerateClip(HDC hDC, RECT rc, CRenderClip& clip)
{
    if (hDC == NULL) return;
    ApplyClip(hDC, rc, ::CreateRectRgnIndirect(&rc), clip);
}

void CRenderClip::GenerateRoundClip(HDC hDC, RECT rc, RECT rcItem, int width, int height, CRenderClip& clip)
{
    if (hDC == NULL) return;
    HRGN hRgn = ::CreateRectRgnIndirect(&rc);
    RegionHandle hRgnItem(
        ::CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1, width, height));
    ::CombineRgn(hRgn, hRgn, hRgnItem, RGN_AND);
    // The record owns the region from here.
    ApplyClip(hDC, rc, hRgn, clip);
}

void CRenderClip::UseOldClipBegin(HDC hDC, CRenderClip& clip) { ::SelectClipRgn(hDC, clip.hOldRgn); }
void CRenderClip::UseOldClipEnd(HDC hDC, CRenderClip& clip) { ::SelectClipRgn(hDC, clip.hRgn); }

}  // namespace SkinUI
