// Geometry wrappers over POINT, SIZE and RECT.
#include "ui_geometry.h"

namespace SkinUI {

CPoint::CPoint() { x = y = 0; }
CPoint::CPoint(const POINT& src)
{
    x = src.x;
    y = src.y;
}
CPoint::CPoint(int _x, int _y)
{
    x = _x;
    y = _y;
}

// Mouse messages pack signed 16-bit coordinates.
CPoint::CPoint(LPARAM lParam)
{
    x = static_cast<short>(LOWORD(lParam));
    y = static_cast<short>(HIWORD(lParam));
}

CSize::CSize() { cx = cy = 0; }
CSize::CSize(const SIZE& src)
{
    cx = src.cx;
    cy = src.cy;
}
CSize::CSize(const RECT rc)
{
    cx = rc.right - rc.left;
    cy = rc.bottom - rc.top;
}
CSize::CSize(int _cx, int _cy)
{
    cx = _cx;
    cy = _cy;
}

CUIRect::CUIRect() { left = top = right = bottom = 0; }

CUIRect::CUIRect(const RECT& src)
{
    left = src.left;
    top = src.top;
    right = src.right;
    bottom = src.bottom;
}

CUIRect::CUIRect(int l, int t, int r, int b)
{
    left = l;
    top = t;
    right = r;
    bottom = b;
}

int CUIRect::GetWidth() const { return right - left; }
int CUIRect::GetHeight() const { return bottom - top; }
void CUIRect::Empty() { left = top = right = bottom = 0; }
bool CUIRect::IsNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }

void CUIRect::Join(const RECT& rc)
{
    if (rc.left < left) left = rc.left;
    if (rc.top < top) top = rc.top;
    if (rc.right > right) right = rc.right;
    if (rc.bottom > bottom) bottom = rc.bottom;
}

void CUIRect::ResetOffset() { ::OffsetRect(this, -left, -top); }

void CUIRect::Normalize()
{
    if (left > right) {
        int t = left;
        left = right;
        right = t;
    }
    if (top > bottom) {
        int t = top;
        top = bottom;
        bottom = t;
    }
}

void CUIRect::Offset(int cx, int cy) { ::OffsetRect(this, cx, cy); }
void CUIRect::Inflate(int cx, int cy) { ::InflateRect(this, cx, cy); }
void CUIRect::Deflate(int cx, int cy) { ::InflateRect(this, -cx, -cy); }
void CUIRect::Union(CUIRect& rc) { ::UnionRect(this, this, &rc); }

}  // namespace SkinUI
