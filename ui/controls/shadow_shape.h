// The pixels of a window's drop shadow: the owner's shape is eroded, then dilated
// again with a fading round brush, and the part the owner itself covers is cut
// out. Pure computation over row spans, so it can be checked without windows.
#pragma once

#include <windows.h>

#include <vector>

namespace SkinUI {

// One row of a shape: the columns [left, right); empty when left >= right.
struct ShadowSpan
{
    int left;
    int right;
};

struct ShadowLook
{
    int size;      // how far the shadow reaches beyond the owner (negative shrinks it)
    int sharpness; // width of the fading edge
    int darkness;  // alpha at full strength
    int xOffset;
    int yOffset;
    COLORREF color; // red in the low byte
};

// The row spans of a region given in window coordinates, for a window of the
// given size. A null region gives no spans at all (an empty shape).
std::vector<ShadowSpan> RegionSpans(HRGN region, int width, int height);

// Premultiplied 0xAARRGGBB pixels of the shadow bitmap, top row first. The bitmap
// is (owner width + 2 size) x (owner height + 2 size); empty when that is not
// positive. ownerSpans has one entry per owner row (fewer rows count as empty).
std::vector<DWORD> MakeShadowPixels(const std::vector<ShadowSpan>& ownerSpans, int ownerWidth, int ownerHeight,
                                    const ShadowLook& look);

// The premultiplied pixel of a colour at an alpha.
DWORD ShadowPixel(COLORREF color, int alpha);

} // namespace SkinUI
