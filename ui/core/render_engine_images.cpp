// Images of the render engine: loading into premultiplied bitmaps, nine-grid and
// tiled drawing with alpha, and the image-description strings of the skin.
#include "render_engine.h"

#include <climits>
#include <cwchar>
#include <vector>

#include "attribute_values.h"
#include "gdi_scope.h"
#include "image_decoder.h"
#include "skin_file_reader.h"

namespace SkinUI {

namespace {

bool g_forceSoftwareBlend = false;

// Blends a premultiplied source over the destination without AlphaBlend:
// dst = src * fade + dst * (1 - srcAlpha * fade). The source is premultiplied
// already, so its colour is scaled by the constant alpha only.
void SoftwareBlend(HDC hDC, const RECT& dest, HDC hSrcDC, const RECT& src, BYTE fade)
{
    int cx = dest.right - dest.left;
    int cy = dest.bottom - dest.top;
    if (cx <= 0 || cy <= 0) return;
    DWORD* srcBits = NULL;
    DWORD* dstBits = NULL;
    BitmapHandle srcBmp(CreateDib32(hDC, cx, cy, &srcBits));
    BitmapHandle dstBmp(CreateDib32(hDC, cx, cy, &dstBits));
    if (srcBmp.Get() == NULL || dstBmp.Get() == NULL) return;
    MemoryDC srcDC(hDC);
    MemoryDC dstDC(hDC);
    SelectObjectScope selSrc(srcDC, srcBmp);
    SelectObjectScope selDst(dstDC, dstBmp);
    ::SetStretchBltMode(srcDC, COLORONCOLOR);
    ::StretchBlt(srcDC, 0, 0, cx, cy, hSrcDC, src.left, src.top, src.right - src.left, src.bottom - src.top, SRCCOPY);
    ::BitBlt(dstDC, 0, 0, cx, cy, hDC, dest.left, dest.top, SRCCOPY);
    ::GdiFlush();
    for (int i = 0; i < cx * cy; ++i) {
        BYTE* s = reinterpret_cast<BYTE*>(&srcBits[i]);
        BYTE* d = reinterpret_cast<BYTE*>(&dstBits[i]);
        int a = s[3] * fade / 255;
        for (int c = 0; c < 3; ++c) {
            int value = s[c] * fade / 255 + d[c] * (255 - a) / 255;
            d[c] = static_cast<BYTE>(value > 255 ? 255 : value);
        }
        int alpha = a + d[3] * (255 - a) / 255;
        d[3] = static_cast<BYTE>(alpha > 255 ? 255 : alpha);
    }
    ::BitBlt(hDC, dest.left, dest.top, cx, cy, dstDC, 0, 0, SRCCOPY);
}

bool HasArea(const RECT& rc) { return rc.right > rc.left && rc.bottom > rc.top; }

// Width and height that a GDI call can take (no wrap round of the subtraction).
bool FitsGdi(const RECT& rc)
{
    return static_cast<long long>(rc.right) - rc.left <= INT_MAX &&
           static_cast<long long>(rc.bottom) - rc.top <= INT_MAX;
}

int ClampToInt(long long value)
{
    return value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
}

// Draws one cell, src stretched over dest, skipping cells of no size so that
// corners as large as the image draw nothing mirrored.
void DrawCell(HDC hDC, HDC hCloneDC, const RECT& dest, const RECT& src, const RECT& rcPaint, bool blend, BYTE fade)
{
    if (!HasArea(dest) || !HasArea(src) || !FitsGdi(dest) || !FitsGdi(src)) return;
    RECT rcTemp;
    if (!::IntersectRect(&rcTemp, &dest, &rcPaint)) return;
    if (blend) {
        if (!g_forceSoftwareBlend) {
            BLENDFUNCTION bf = {AC_SRC_OVER, 0, fade, AC_SRC_ALPHA};
            ::AlphaBlend(hDC, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, hCloneDC, src.left,
                         src.top, src.right - src.left, src.bottom - src.top, bf);
        } else {
            SoftwareBlend(hDC, dest, hCloneDC, src, fade);
        }
    } else if (dest.right - dest.left == src.right - src.left && dest.bottom - dest.top == src.bottom - src.top) {
        ::BitBlt(hDC, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, hCloneDC, src.left, src.top,
                 SRCCOPY);
    } else {
        ::StretchBlt(hDC, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, hCloneDC, src.left,
                     src.top, src.right - src.left, src.bottom - src.top, SRCCOPY);
    }
}

// The first tile start at or before from, counting whole tiles from start.
long long FirstTile(long long start, long long from, long long tile)
{
    return from > start ? start + (from - start) / tile * tile : start;
}

// The centre cell, stretched or tiled along x, y or both. Only the tiles that
// reach into the paint rectangle are walked, so a destination reaching far
// outside it costs nothing.
void DrawCentre(HDC hDC, HDC hCloneDC, const RECT& dest, const RECT& src, const RECT& rcPaint, bool blend, BYTE fade,
                bool xtiled, bool ytiled)
{
    if (!HasArea(dest) || !HasArea(src)) return;
    if (!xtiled && !ytiled) {
        DrawCell(hDC, hCloneDC, dest, src, rcPaint, blend, fade);
        return;
    }
    RECT area;
    if (!::IntersectRect(&area, &dest, &rcPaint)) return;
    const long long tileW = static_cast<long long>(src.right) - src.left;
    const long long tileH = static_cast<long long>(src.bottom) - src.top;
    // Along an axis that is not tiled the one tile spans the whole destination.
    const long long x0 = xtiled ? FirstTile(dest.left, area.left, tileW) : dest.left;
    const long long y0 = ytiled ? FirstTile(dest.top, area.top, tileH) : dest.top;
    const long long xEnd = xtiled ? area.right : x0 + 1;
    const long long yEnd = ytiled ? area.bottom : y0 + 1;
    for (long long y = y0; y < yEnd; y += tileH) {
        for (long long x = x0; x < xEnd; x += tileW) {
            RECT d = {dest.left, dest.top, dest.right, dest.bottom};
            RECT s = src;
            if (xtiled) {
                int w = static_cast<int>(dest.right - x < tileW ? dest.right - x : tileW);
                d.left = static_cast<int>(x);
                d.right = d.left + w;
                s.right = s.left + w;
            }
            if (ytiled) {
                int h = static_cast<int>(dest.bottom - y < tileH ? dest.bottom - y : tileH);
                d.top = static_cast<int>(y);
                d.bottom = d.top + h;
                s.bottom = s.top + h;
            }
            DrawCell(hDC, hCloneDC, d, s, rcPaint, blend, fade);
        }
    }
}

// The state of one image being described.
struct ImageDescription
{
    CUIString name;
    CUIString type;
    RECT dest;
    RECT source;
    RECT corner;
    DWORD mask;
    BYTE fade;
    bool hole;
    bool xtiled;
    bool ytiled;
};

void DrawDescribed(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint, ImageDescription& d)
{
    if (d.name.IsEmpty()) return;
    const TImageInfo* data = pManager->GetImageEx(d.name, d.type.IsEmpty() ? NULL : d.type.GetData(), d.mask);
    if (data == NULL) return;
    RECT source = d.source;
    if (source.left == 0 && source.right == 0 && source.top == 0 && source.bottom == 0) {
        source.right = data->nX;
        source.bottom = data->nY;
    }
    // The source lies within the bitmap.
    if (source.left < 0) source.left = 0;
    if (source.top < 0) source.top = 0;
    if (source.right > data->nX) source.right = data->nX;
    if (source.bottom > data->nY) source.bottom = data->nY;
    RECT rcTemp;
    if (!::IntersectRect(&rcTemp, &d.dest, &rcItem)) return;
    if (!::IntersectRect(&rcTemp, &d.dest, &rcPaint)) return;
    CRenderEngine::DrawImage(hDC, data->hBitmap, d.dest, rcPaint, source, d.corner, data->alphaChannel, d.fade, d.hole,
                             d.xtiled, d.ytiled);
}

// Parses one description string (key='value' items separated by blanks) into d,
// drawing the image described so far when a new file or type starts. Stops at
// any malformed item, keeping what was set; never reads past the terminator.
void ParseDescription(const wchar_t* text, HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                      ImageDescription& d)
{
    int pending = 0;
    const wchar_t* p = text;
    CUIString key;
    CUIString value;
    while (*p != L'\0') {
        while (*p != L'\0' && *p <= L' ') ++p;
        const wchar_t* keyStart = p;
        while (*p != L'\0' && *p != L'=' && *p > L' ') ++p;
        key.Assign(keyStart, static_cast<int>(p - keyStart));
        while (*p != L'\0' && *p <= L' ') ++p;
        if (*p != L'=') return;
        ++p;
        while (*p != L'\0' && *p <= L' ') ++p;
        if (*p != L'\'') return;
        ++p;
        const wchar_t* valueStart = p;
        while (*p != L'\0' && *p != L'\'') ++p;
        if (*p != L'\'') return;
        value.Assign(valueStart, static_cast<int>(p - valueStart));
        ++p;

        if (!value.IsEmpty()) {
            if (key == L"file" || key == L"res") {
                if (pending > 0) DrawDescribed(hDC, pManager, rcItem, rcPaint, d);
                d.name = value;
                if (key == L"file") ++pending;
            } else if (key == L"restype") {
                if (pending > 0) DrawDescribed(hDC, pManager, rcItem, rcPaint, d);
                d.type = value;
                ++pending;
            } else if (key == L"dest") {
                RECT r = ParseRect(value);
                d.dest.left = ClampToInt(static_cast<long long>(rcItem.left) + r.left);
                d.dest.top = ClampToInt(static_cast<long long>(rcItem.top) + r.top);
                d.dest.right = ClampToInt(static_cast<long long>(rcItem.left) + r.right);
                if (d.dest.right > rcItem.right) d.dest.right = rcItem.right;
                d.dest.bottom = ClampToInt(static_cast<long long>(rcItem.top) + r.bottom);
                if (d.dest.bottom > rcItem.bottom) d.dest.bottom = rcItem.bottom;
            } else if (key == L"source") {
                d.source = ParseRect(value);
            } else if (key == L"corner") {
                d.corner = ParseRect(value);
            } else if (key == L"mask") {
                d.mask = ParseColor(value);
            } else if (key == L"fade") {
                d.fade = static_cast<BYTE>(ParseInt(value));
            } else if (key == L"hole") {
                d.hole = ParseBool(value);
            } else if (key == L"xtiled") {
                d.xtiled = ParseBool(value);
            } else if (key == L"ytiled") {
                d.ytiled = ParseBool(value);
            }
        }
        // Items go on only after a blank followed by more text.
        if (*p != L' ') return;
        ++p;
    }
}

}  // namespace

void CRenderEngine::UseSoftwareBlend(bool bSoftware) { g_forceSoftwareBlend = bSoftware; }

TImageInfo* CRenderEngine::LoadImageFromMemory(const BYTE* data, DWORD size, DWORD mask)
{
    DecodedImage image;
    if (!DecodeImage(data, size, image)) return NULL;
    bool alpha = false;
    HBITMAP hBitmap = CreatePremultipliedBitmap(image, mask, &alpha);
    if (hBitmap == NULL) return NULL;
    TImageInfo* info = new TImageInfo();
    info->hBitmap = hBitmap;
    info->nX = image.width;
    info->nY = image.height;
    info->delay = 0;
    info->alphaChannel = alpha;
    info->dwMask = 0;
    return info;
}

TImageInfo* CRenderEngine::LoadImage(STRINGorID bitmap, const wchar_t* type, DWORD mask)
{
    std::vector<BYTE> bytes;
    if (!ReadSkinBytes(bitmap, type, bytes)) return NULL;
    return LoadImageFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()), mask);
}

void CRenderEngine::FreeImage(TImageInfo* bitmap)
{
    if (bitmap == NULL) return;
    // The record owns its bitmap: both go.
    BitmapHandle owned(bitmap->hBitmap);
    delete bitmap;
}

void CRenderEngine::DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                              const RECT& rcCorners, bool alphaChannel, BYTE uFade, bool hole, bool xtiled, bool ytiled)
{
    if (hDC == NULL || hBitmap == NULL) return;
    MemoryDC hCloneDC(hDC);
    SelectObjectScope select(hCloneDC, hBitmap);
    ::SetStretchBltMode(hDC, HALFTONE);

    const bool blend = alphaChannel || uFade < 255;
    const RECT& s = rcBmpPart;
    if (!HasArea(s) || !FitsGdi(s) || !FitsGdi(rc)) return;
    // Corners lie within the source: a larger one would read beside the bitmap.
    RECT c = rcCorners;
    const int sourceW = s.right - s.left;
    const int sourceH = s.bottom - s.top;
    c.left = c.left < 0 ? 0 : (c.left > sourceW ? sourceW : c.left);
    c.right = c.right < 0 ? 0 : (c.right > sourceW ? sourceW : c.right);
    c.top = c.top < 0 ? 0 : (c.top > sourceH ? sourceH : c.top);
    c.bottom = c.bottom < 0 ? 0 : (c.bottom > sourceH ? sourceH : c.bottom);

    if (!blend && c.left == 0 && c.top == 0 && c.right == 0 && c.bottom == 0 &&
        rc.right - rc.left == s.right - s.left && rc.bottom - rc.top == s.bottom - s.top) {
        RECT rcTemp;
        if (::IntersectRect(&rcTemp, &rcPaint, &rc)) {
            ::BitBlt(hDC, rcTemp.left, rcTemp.top, rcTemp.right - rcTemp.left, rcTemp.bottom - rcTemp.top, hCloneDC,
                     s.left + rcTemp.left - rc.left, s.top + rcTemp.top - rc.top, SRCCOPY);
        }
        return;
    }

    if (!hole) {
        RECT dest = {rc.left + c.left, rc.top + c.top, rc.right - c.right, rc.bottom - c.bottom};
        RECT src = {s.left + c.left, s.top + c.top, s.right - c.right, s.bottom - c.bottom};
        DrawCentre(hDC, hCloneDC, dest, src, rcPaint, blend, uFade, xtiled, ytiled);
    }

    struct Cell
    {
        bool present;
        RECT dest;
        RECT src;
    };
    const Cell cells[] = {
        // left-top, top, right-top
        {c.left > 0 && c.top > 0,
         {rc.left, rc.top, rc.left + c.left, rc.top + c.top},
         {s.left, s.top, s.left + c.left, s.top + c.top}},
        {c.top > 0,
         {rc.left + c.left, rc.top, rc.right - c.right, rc.top + c.top},
         {s.left + c.left, s.top, s.right - c.right, s.top + c.top}},
        {c.right > 0 && c.top > 0,
         {rc.right - c.right, rc.top, rc.right, rc.top + c.top},
         {s.right - c.right, s.top, s.right, s.top + c.top}},
        // left, right
        {c.left > 0,
         {rc.left, rc.top + c.top, rc.left + c.left, rc.bottom - c.bottom},
         {s.left, s.top + c.top, s.left + c.left, s.bottom - c.bottom}},
        {c.right > 0,
         {rc.right - c.right, rc.top + c.top, rc.right, rc.bottom - c.bottom},
         {s.right - c.right, s.top + c.top, s.right, s.bottom - c.bottom}},
        // left-bottom, bottom, right-bottom
        {c.left > 0 && c.bottom > 0,
         {rc.left, rc.bottom - c.bottom, rc.left + c.left, rc.bottom},
         {s.left, s.bottom - c.bottom, s.left + c.left, s.bottom}},
        {c.bottom > 0,
         {rc.left + c.left, rc.bottom - c.bottom, rc.right - c.right, rc.bottom},
         {s.left + c.left, s.bottom - c.bottom, s.right - c.right, s.bottom}},
        {c.right > 0 && c.bottom > 0,
         {rc.right - c.right, rc.bottom - c.bottom, rc.right, rc.bottom},
         {s.right - c.right, s.bottom - c.bottom, s.right, s.bottom}},
    };
    for (const Cell& cell : cells) {
        if (cell.present) DrawCell(hDC, hCloneDC, cell.dest, cell.src, rcPaint, blend, uFade);
    }
}

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                                    const wchar_t* pStrImage, const wchar_t* pStrModify)
{
    if (pManager == NULL || hDC == NULL) return false;
    if (pStrImage == NULL) return true;
    ImageDescription d;
    d.name = pStrImage;
    d.dest = rcItem;
    ::ZeroMemory(&d.source, sizeof(d.source));
    ::ZeroMemory(&d.corner, sizeof(d.corner));
    d.mask = 0;
    d.fade = 255;
    d.hole = false;
    d.xtiled = false;
    d.ytiled = false;
    ParseDescription(pStrImage, hDC, pManager, rcItem, rcPaint, d);
    if (pStrModify != NULL) ParseDescription(pStrModify, hDC, pManager, rcItem, rcPaint, d);
    DrawDescribed(hDC, pManager, rcItem, rcPaint, d);
    return true;
}

}  // namespace SkinUI
