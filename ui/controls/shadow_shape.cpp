// The drop shadow's pixels: erosion of the owner's shape by the difference of
// sharpness and size, then a fading round brush stamped along the border, a
// solid inside, and the owner's own area cut out.
#include "shadow_shape.h"

#include <algorithm>
#include <cmath>

namespace SkinUI {

namespace {

bool IsEmpty(const ShadowSpan& span) { return span.left >= span.right; }

} // namespace

DWORD ShadowPixel(COLORREF color, int alpha)
{
    const DWORD a = static_cast<DWORD>(alpha);
    return a << 24 | (GetRValue(color) * a / 255) << 16 | (GetGValue(color) * a / 255) << 8 |
           (GetBValue(color) * a / 255);
}

std::vector<ShadowSpan> RegionSpans(HRGN region, int width, int height)
{
    std::vector<ShadowSpan> spans;
    if (region == NULL || width <= 0 || height <= 0) return spans;
    spans.resize(height, ShadowSpan{0, 0});
    for (int y = 0; y < height; ++y) {
        int first = 0;
        while (first < width && !::PtInRegion(region, first, y)) ++first;
        if (first == width) continue;
        int last = width - 1;
        while (last > first && !::PtInRegion(region, last, y)) --last;
        spans[y] = ShadowSpan{first, last + 1};
    }
    return spans;
}

std::vector<DWORD> MakeShadowPixels(const std::vector<ShadowSpan>& ownerSpans, int ownerWidth, int ownerHeight,
                                    const ShadowLook& look)
{
    const int width = ownerWidth + 2 * look.size;
    const int height = ownerHeight + 2 * look.size;
    if (width <= 0 || height <= 0) return std::vector<DWORD>();
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height, 0);

    // Empty rows are kept as [width, 0) so that taking the largest left end and
    // the smallest right end of a neighbourhood empties a row beside an empty one.
    const ShadowSpan empty = {width, 0};
    auto ownerSpan = [&](int row) {
        if (row < 0 || row >= ownerHeight || row >= static_cast<int>(ownerSpans.size())) return empty;
        return ownerSpans[row];
    };

    // The owner's shape in bitmap coordinates, clipped to the bitmap.
    std::vector<ShadowSpan> shape(height, empty);
    for (int y = 0; y < height; ++y) {
        ShadowSpan span = ownerSpan(y - look.size);
        if (IsEmpty(span)) continue;
        span.left = std::max(span.left + look.size, 0);
        span.right = std::min(span.right + look.size, width);
        if (!IsEmpty(span)) shape[y] = span;
    }
    auto at = [&](int y) { return y >= 0 && y < height ? shape[y] : empty; };

    // Erode, so that the faded edge ends where the shadow should end.
    for (int step = look.size; step < look.sharpness; ++step) {
        std::vector<ShadowSpan> eroded(height, empty);
        for (int y = 0; y < height; ++y) {
            ShadowSpan span = {std::max({at(y - 1).left, at(y).left, at(y + 1).left}) + 1,
                               std::min({at(y - 1).right, at(y).right, at(y + 1).right}) - 1};
            if (!IsEmpty(span)) eroded[y] = span;
        }
        shape.swap(eroded);
    }

    // The round brush: full darkness inside the inner radius, fading to nothing
    // over sharpness + 1 pixels.
    const int radius = std::max(look.size, look.sharpness);
    const int inner = look.sharpness >= look.size ? 0 : look.size - look.sharpness;
    const int side = 2 * radius + 1;
    std::vector<DWORD> brush(static_cast<size_t>(side) * side, 0);
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            int alpha = 0;
            if (d < inner) alpha = look.darkness;
            // Multiplied before dividing, so that a fade step that is a whole
            // number (150 over 6 steps: 25) comes out whole and is not truncated
            // one below by a quotient rounded down in its last bit.
            else if (d <= radius)
                alpha = static_cast<int>((look.sharpness + 1 - (d - inner)) * look.darkness / (look.sharpness + 1));
            brush[(dy + radius) * side + dx + radius] = ShadowPixel(look.color, std::max(alpha, 0));
        }
    }
    auto stamp = [&](int cx, int cy) {
        for (int by = 0; by < side; ++by) {
            const int y = cy - radius + by;
            if (y < 0 || y >= height) continue;
            for (int bx = 0; bx < side; ++bx) {
                const int x = cx - radius + bx;
                if (x < 0 || x >= width) continue;
                DWORD& pixel = pixels[static_cast<size_t>(y) * width + x];
                pixel = std::max(pixel, brush[by * side + bx]);
            }
        }
    };

    const DWORD solid = ShadowPixel(look.color, look.darkness);
    for (int y = 0; y < height; ++y) {
        const ShadowSpan span = shape[y];
        if (IsEmpty(span)) continue;
        int insideFrom = span.left;
        int insideTo = span.right;
        if (y >= radius && y < height - radius) {
            // The border: the run that sticks out beyond the rows above and below
            // on either side.
            insideFrom = std::min(std::max(at(y - 1).left, at(y + 1).left) + 1, span.right);
            insideTo = std::max(insideFrom, std::min(at(y - 1).right, at(y + 1).right) - 1);
            for (int x = span.left; x < insideFrom; ++x) stamp(x, y);
            for (int x = insideTo; x < span.right; ++x) stamp(x, y);
        }
        for (int x = insideFrom; x < insideTo; ++x) pixels[static_cast<size_t>(y) * width + x] = solid;
    }

    // Nothing is drawn under the owner window itself.
    for (int row = 0; row < ownerHeight; ++row) {
        const int y = row + look.size - look.yOffset;
        if (y < 0 || y >= height) continue;
        const ShadowSpan span = ownerSpan(row);
        if (IsEmpty(span)) continue;
        const int from = std::max(span.left + look.size - look.xOffset, 0);
        const int to = std::min(span.right + look.size - look.xOffset, width);
        for (int x = from; x < to; ++x) pixels[static_cast<size_t>(y) * width + x] = 0;
    }
    return pixels;
}

} // namespace SkinUI
