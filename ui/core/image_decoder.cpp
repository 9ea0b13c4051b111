// stb_image lives in this file only; everything else decodes through it.
#include "image_decoder.h"

#include <climits>
#include <cstring>
#include <new>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include "stb_image.h"

#include "gdi_scope.h"

namespace SkinUI {

bool DecodeImage(const BYTE* data, size_t size, DecodedImage& out)
{
    if (data == NULL || size == 0 || size > INT_MAX) return false;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4);
    if (pixels == NULL) return false;
    // A copy that does not fit in memory is an image that cannot be loaded,
    // not an exception through the paint.
    bool copied = true;
    try {
        out.rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
        out.width = width;
        out.height = height;
    } catch (const std::bad_alloc&) {
        copied = false;
    }
    stbi_image_free(pixels);
    return copied;
}

bool DecodeGifFrames(const BYTE* data, size_t size, std::vector<GifFrame>& frames)
{
    frames.clear();
    if (data == NULL || size == 0 || size > INT_MAX) return false;
    stbi__context s;
    stbi__start_mem(&s, data, static_cast<int>(size));
    if (!stbi__gif_test(&s)) return false;

    stbi__gif g;
    memset(&g, 0, sizeof(g));
    stbi_uc* two_back = NULL;
    for (;;) {
        stbi_uc* u = stbi__gif_load_next(&s, &g, NULL, 4, two_back);
        if (u == NULL || u == reinterpret_cast<stbi_uc*>(&s)) break;  // end of stream or failure
        try {
            frames.push_back(GifFrame());
            GifFrame& frame = frames.back();
            frame.image.rgba.assign(u, u + static_cast<size_t>(g.w) * g.h * 4);
            frame.image.width = g.w;
            frame.image.height = g.h;
            frame.delay = g.delay;
        } catch (const std::bad_alloc&) {
            // Out of memory part way: keep the frames that fitted.
            if (!frames.empty() && frames.back().image.rgba.empty()) frames.pop_back();
            break;
        }
        two_back = frames.size() >= 2 ? frames[frames.size() - 2].image.rgba.data() : NULL;
    }
    STBI_FREE(g.out);
    STBI_FREE(g.history);
    STBI_FREE(g.background);
    return true;
}

HBITMAP CreatePremultipliedBitmap(const DecodedImage& image, DWORD mask, bool* alpha)
{
    if (alpha != NULL) *alpha = false;
    if (image.width <= 0 || image.height <= 0) return NULL;
    DWORD* bits = NULL;
    HBITMAP hBitmap = CreateDib32(NULL, image.width, image.height, &bits);
    if (hBitmap == NULL) return NULL;
    bool anyAlpha = false;
    BYTE* dst = reinterpret_cast<BYTE*>(bits);
    const BYTE* src = image.rgba.data();
    size_t count = static_cast<size_t>(image.width) * image.height;
    for (size_t i = 0; i < count; ++i, src += 4, dst += 4) {
        BYTE r = src[0], g = src[1], b = src[2], a = src[3];
        if (a < 255) {
            r = static_cast<BYTE>(r * a / 255);
            g = static_cast<BYTE>(g * a / 255);
            b = static_cast<BYTE>(b * a / 255);
            anyAlpha = true;
        }
        dst[0] = b;
        dst[1] = g;
        dst[2] = r;
        dst[3] = a;
        if (*reinterpret_cast<DWORD*>(dst) == mask) {
            *reinterpret_cast<DWORD*>(dst) = 0;
            anyAlpha = true;
        }
    }
    if (alpha != NULL) *alpha = anyAlpha;
    return hBitmap;
}

}  // namespace SkinUI
