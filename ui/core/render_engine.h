// CRenderEngine: the static drawing operations every control paints with
// (colour adjustment, image loading into premultiplied 32-bit bitmaps, image
// descriptions with nine-grid and tiling, fills, gradients, lines, rectangles,
// plain text, bitmaps of a control's painting) and CRenderClip, which sets and
// restores clip regions around painting.
#pragma once

#include <windows.h>

#include "gdi_scope.h"
#include "ui_export.h"
#include "ui_string.h"
#include "paint_manager.h"
#include "string_or_id.h"

namespace SkinUI {

class CControlUI;
class CGifHandler;

class UILIB_API CRenderClip
{
public:
    CRenderClip();
    ~CRenderClip();
    CRenderClip(const CRenderClip&) = delete;
    CRenderClip& operator=(const CRenderClip&) = delete;

    RECT rcItem;
    HDC hDC;
    RegionHandle hRgn;
    RegionHandle hOldRgn;

    static void GenerateClip(HDC hDC, RECT rc, CRenderClip& clip);
    static void GenerateRoundClip(HDC hDC, RECT rc, RECT rcItem, int width, int height, CRenderClip& clip);
    static void UseOldClipBegin(HDC hDC, CRenderClip& clip);
    static void UseOldClipEnd(HDC hDC, CRenderClip& clip);
};

class UILIB_API CRenderEngine
{
public:
    static DWORD AdjustColor(DWORD dwColor, short H, short S, short L);

    // Loads an image from a resource of the given type, the skin archive, the
    // skin folder or a plain path and decodes it into a premultiplied 32-bit
    // top-down DIB section; pixels equal to mask become transparent. None on
    // any failure.
    static TImageInfo* LoadImage(STRINGorID bitmap, const wchar_t* type = NULL, DWORD mask = 0);
    // The same from bytes in memory.
    static TImageInfo* LoadImageFromMemory(const BYTE* data, DWORD size, DWORD mask = 0);
    static CGifHandler* LoadGif(STRINGorID bitmap, const wchar_t* type = NULL, DWORD mask = 0);
    static void FreeImage(TImageInfo* bitmap);

    static void DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                          const RECT& rcCorners, bool alphaChannel, BYTE uFade = 255, bool hole = false,
                          bool xtiled = false, bool ytiled = false);
    static bool DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                                const wchar_t* pStrImage, const wchar_t* pStrModify = NULL);
    static void DrawColor(HDC hDC, const RECT& rc, DWORD color);
    static void DrawGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int nSteps);

    static void DrawLine(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle = PS_SOLID);
    static void DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor);
    static void DrawRoundRect(HDC hDC, const RECT& rc, int nSize, int cx, int cy, DWORD dwPenColor);
    static void DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText, DWORD dwTextColor,
                         int iFont, UINT uStyle);
    // Text with inline tags and links; laid out by the tagged-text module.
    static void DrawHtmlText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText, DWORD dwTextColor,
                             RECT* pLinks, CUIString* sLinks, int& nLinkRects, UINT uStyle);
    static HBITMAP GenerateBitmap(CPaintManagerUI* pManager, CControlUI* pControl, RECT rc);
    static SIZE GetTextSize(HDC hDC, CPaintManagerUI* pManager, const wchar_t* pstrText, int iFont, UINT uStyle);

    // Replaces AlphaBlend by the software blend (tests of the fallback path).
    static void UseSoftwareBlend(bool bSoftware);
};

}  // namespace SkinUI
