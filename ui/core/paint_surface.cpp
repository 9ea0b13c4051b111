// The off-screen surface of the paint manager: making the buffers, capturing the
// background once per size and keeping it across layout passes.
#include "paint_surface.h"

#include <utility>

namespace SkinUI {

bool CompatibleBuffer::Create(HDC hdcCompatible, int cx, int cy)
{
    Reset();
    if (cx <= 0 || cy <= 0) return false;
    std::unique_ptr<MemoryDC> dc(new MemoryDC(hdcCompatible));
    std::unique_ptr<BitmapHandle> bitmap(new BitmapHandle(::CreateCompatibleBitmap(hdcCompatible, cx, cy)));
    if (dc->Get() == NULL || bitmap->Get() == NULL) return false;
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_size.cx = cx;
    m_size.cy = cy;
    return true;
}

void CompatibleBuffer::Reset()
{
    m_bitmap.reset();
    m_dc.reset();
    m_size.cx = m_size.cy = 0;
}

void PaintSurface::AttachWindow(HWND hWnd) { m_windowDC.reset(hWnd != NULL ? new WindowDC(hWnd) : nullptr); }

bool PaintSurface::EnsureOffscreen(const RECT& rcClient)
{
    if (!m_offscreen.IsEmpty()) return true;
    return m_offscreen.Create(PaintDC(), rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
}

void PaintSurface::PaintBackground(HDC hdcWindow, const RECT& rcClient, const RECT& rcPaint)
{
    const int cxPaint = rcPaint.right - rcPaint.left;
    const int cyPaint = rcPaint.bottom - rcPaint.top;
    if (m_background.IsEmpty()) {
        // Captured once per size: what lies under the window before the tree paints over it.
        if (!m_background.Create(PaintDC(), rcClient.right - rcClient.left, rcClient.bottom - rcClient.top)) return;
        SelectObjectScope selectBackground(m_background.DC(), m_background.Bitmap());
        ::BitBlt(m_background.DC(), rcPaint.left, rcPaint.top, cxPaint, cyPaint, hdcWindow, rcPaint.left, rcPaint.top,
                 SRCCOPY);
    }
    SelectObjectScope selectBackground(m_background.DC(), m_background.Bitmap());
    ::BitBlt(m_offscreen.DC(), rcPaint.left, rcPaint.top, cxPaint, cyPaint, m_background.DC(), rcPaint.left,
             rcPaint.top, SRCCOPY);
}

void PaintSurface::Drop()
{
    m_offscreen.Reset();
    m_background.Reset();
}

CompatibleBuffer PaintSurface::TakeBackground()
{
    CompatibleBuffer taken(std::move(m_background));
    m_background.Reset();
    return taken;
}

void PaintSurface::KeepBackgroundIfSized(CompatibleBuffer background, const RECT& rcClient)
{
    if (background.IsEmpty() || !m_background.IsEmpty()) return;
    if (background.Width() != rcClient.right - rcClient.left || background.Height() != rcClient.bottom - rcClient.top)
        return;
    m_background = std::move(background);
}

}  // namespace SkinUI
