// The paint manager's off-screen surface: the window's own DC (kept for the life
// of the manager: fonts are measured through it and the buffers are made
// compatible with it), the buffer the tree paints into before one copy to the
// window, and the captured image of what lies under a window with a transparent
// background. Both buffers are compatible bitmaps of the client size, remade when
// the root is laid out at a new size.
#pragma once

#include <windows.h>

#include <memory>

#include "gdi_scope.h"

namespace SkinUI {

// A memory DC and a bitmap compatible with a given DC, of one size. The bitmap is
// selected into the DC only while something draws (SelectObjectScope), so either
// can be freed at any time.
class CompatibleBuffer
{
public:
    // Replaces what the buffer held; on failure it is left empty.
    bool Create(HDC hdcCompatible, int cx, int cy);
    void Reset();
    bool IsEmpty() const { return m_bitmap == nullptr; }
    HDC DC() const { return m_dc ? m_dc->Get() : NULL; }
    HBITMAP Bitmap() const { return m_bitmap ? m_bitmap->Get() : NULL; }
    int Width() const { return m_size.cx; }
    int Height() const { return m_size.cy; }

private:
    std::unique_ptr<MemoryDC> m_dc;
    std::unique_ptr<BitmapHandle> m_bitmap;
    SIZE m_size = {0, 0};
};

class PaintSurface
{
public:
    // Takes the window's DC (none for a null window), releasing one taken before.
    void AttachWindow(HWND hWnd);
    HDC PaintDC() const { return m_windowDC ? m_windowDC->Get() : NULL; }

    // The buffer the tree paints into, made at the client size on first use;
    // false (paint straight to the window) when it cannot be made.
    bool EnsureOffscreen(const RECT& rcClient);
    HDC OffscreenDC() const { return m_offscreen.DC(); }
    HBITMAP OffscreenBitmap() const { return m_offscreen.Bitmap(); }

    // Copies the background over rcPaint into the off-screen buffer. The first
    // call per size captures it from hdcWindow, the window image before the tree
    // paints over it; nothing is copied when it cannot be made.
    void PaintBackground(HDC hdcWindow, const RECT& rcClient, const RECT& rcPaint);
    HBITMAP BackgroundBitmap() const { return m_background.Bitmap(); }

    // Both buffers go; they are remade at the next size.
    void Drop();

    // The captured background survives a layout pass that keeps the size: a
    // capture taken after one would hold the tree's own previous image, and a
    // control hidden since would stay on screen as part of the "background".
    CompatibleBuffer TakeBackground();
    void KeepBackgroundIfSized(CompatibleBuffer background, const RECT& rcClient);

private:
    std::unique_ptr<WindowDC> m_windowDC;
    CompatibleBuffer m_offscreen;
    CompatibleBuffer m_background;
};

}  // namespace SkinUI
