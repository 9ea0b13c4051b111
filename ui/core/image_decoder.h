// Decoding of image bytes (PNG, JPEG, BMP, GIF and the other formats stb_image
// knows) into 8-bit RGBA pixels, and of every frame of an animated GIF, and the
// conversion of RGBA pixels into the framework's premultiplied 32-bit bitmaps.
#pragma once

#include <windows.h>

#include <vector>

namespace SkinUI {

struct DecodedImage
{
    int width = 0;
    int height = 0;
    std::vector<BYTE> rgba;  // width * height * 4 bytes, top row first
};

struct GifFrame
{
    DecodedImage image;
    int delay = 0;  // milliseconds
};

// False for bytes that are not an image stb_image can decode.
bool DecodeImage(const BYTE* data, size_t size, DecodedImage& out);

// True only for bytes with a GIF signature; frames in file order, each the full
// composed canvas. A GIF that fails part way keeps the frames decoded so far.
bool DecodeGifFrames(const BYTE* data, size_t size, std::vector<GifFrame>& frames);

// A 32-bit top-down DIB section of the image: alpha 255 copied, other alpha
// premultiplied; a pixel equal to mask (0xAARRGGBB) becomes all zeros. Null when
// the bitmap cannot be made. *alpha tells whether any pixel is translucent or
// was masked.
HBITMAP CreatePremultipliedBitmap(const DecodedImage& image, DWORD mask, bool* alpha);

}  // namespace SkinUI
