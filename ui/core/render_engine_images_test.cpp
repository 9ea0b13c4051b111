// Image loading into premultiplied bitmaps, GIF frames, image descriptions and
// nine-grid drawing, checked on pixels painted into a 32-bit DIB section.
#include <cstring>
#include <vector>

#include "gif_handler.h"
#include "gtest/gtest.h"
#include "paint_manager.h"
#include "render_engine.h"
#include "test_support/guarded_buffer.h"
#include "test_support/test_canvas.h"
#include "test_support/test_images.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// The bitmap's pixel as stored: premultiplied B, G, R, A.
DWORD StoredPixel(const TImageInfo* info, int x, int y)
{
    DIBSECTION dib = {};
    ::GetObjectW(info->hBitmap, sizeof(dib), &dib);
    ::GdiFlush();
    const DWORD* bits = static_cast<const DWORD*>(dib.dsBm.bmBits);
    return bits[y * info->nX + x];
}

struct ImageDeleter
{
    void operator()(TImageInfo* info) const { CRenderEngine::FreeImage(info); }
};
typedef std::unique_ptr<TImageInfo, ImageDeleter> ImagePtr;

ImagePtr Load(const std::vector<BYTE>& bytes, DWORD mask = 0)
{
    return ImagePtr(CRenderEngine::LoadImageFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()), mask));
}

// A 2x2 image: opaque red, half-transparent green, transparent, opaque blue.
RgbaImage Quad()
{
    RgbaImage image = SolidImage(2, 2, 0xFF000000);
    image.Set(0, 0, 0xFFFF0000);
    image.Set(1, 0, 0x8000FF00);
    image.Set(0, 1, 0x00000000);
    image.Set(1, 1, 0xFF0000FF);
    return image;
}

}  // namespace

TEST(ImageLoading, PngIsPremultipliedAndKeepsItsAlphaFlag)
{
    ImagePtr info = Load(EncodePng(Quad()));
    ASSERT_TRUE(info);
    EXPECT_EQ(2, info->nX);
    EXPECT_EQ(2, info->nY);
    EXPECT_TRUE(info->alphaChannel);
    EXPECT_EQ(0xFFFF0000u, StoredPixel(info.get(), 0, 0));
    EXPECT_EQ(0x80008000u, StoredPixel(info.get(), 1, 0));  // 255 * 128 / 255 = 128
    EXPECT_EQ(0x00000000u, StoredPixel(info.get(), 0, 1));
    EXPECT_EQ(0xFF0000FFu, StoredPixel(info.get(), 1, 1));
}

TEST(ImageLoading, OpaqueFormatsDecodeWithoutAlpha)
{
    RgbaImage image = SolidImage(8, 8, 0xFF204080);
    struct Case
    {
        const char* format;
        std::vector<BYTE> bytes;
        int tolerance;
    } cases[] = {
        {"png", EncodePng(image), 0},
        {"bmp", EncodeBmp(image), 0},
        {"jpeg", EncodeJpeg(image), 6},
        {"gif", EncodeGif({image}, {0}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        ImagePtr info = Load(c.bytes);
        ASSERT_TRUE(info);
        EXPECT_EQ(8, info->nX);
        EXPECT_EQ(8, info->nY);
        EXPECT_FALSE(info->alphaChannel);
        DWORD p = StoredPixel(info.get(), 4, 4);
        EXPECT_EQ(0xFFu, p >> 24);
        EXPECT_NEAR(0x20, static_cast<int>((p >> 16) & 0xFF), c.tolerance);
        EXPECT_NEAR(0x40, static_cast<int>((p >> 8) & 0xFF), c.tolerance);
        EXPECT_NEAR(0x80, static_cast<int>(p & 0xFF), c.tolerance);
    }
}

TEST(ImageLoading, MaskColourBecomesTransparent)
{
    RgbaImage image = SolidImage(4, 4, 0xFF00FF00);
    image.Set(1, 1, 0xFFFF00FF);
    ImagePtr info = Load(EncodePng(image), 0xFFFF00FF);
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->alphaChannel);
    EXPECT_EQ(0u, StoredPixel(info.get(), 1, 1));
    EXPECT_EQ(0xFF00FF00u, StoredPixel(info.get(), 2, 2));
}

TEST(ImageLoading, CorruptOrTruncatedBytesFailCleanly)
{
    // Every byte source sits at the very end of a page, so a read past it faults.
    std::vector<BYTE> png = EncodePng(SolidImage(16, 16, 0xFF112233));
    std::vector<BYTE> jpeg = EncodeJpeg(SolidImage(16, 16, 0xFF112233));
    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"half a png", std::vector<BYTE>(png.begin(), png.begin() + png.size() / 2)},
        {"png signature only", std::vector<BYTE>(png.begin(), png.begin() + 8)},
        {"png without its last byte", std::vector<BYTE>(png.begin(), png.end() - 13)},
        {"half a jpeg", std::vector<BYTE>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)},
        {"garbage", std::vector<BYTE>(200, 0x5A)},
        {"one byte", std::vector<BYTE>(1, 0x89)},
    };
    for (const Case& c : cases) {
        GuardedBuffer guarded(c.bytes.data(), c.bytes.size());
        TImageInfo* info = CRenderEngine::LoadImageFromMemory(guarded.data(), static_cast<DWORD>(guarded.size()));
        // A JPEG cut short may still decode (its decoder pads); it must not read on.
        if (info != NULL) CRenderEngine::FreeImage(info);
        EXPECT_TRUE(info == NULL || strncmp(c.what, "half a jpeg", 11) == 0) << c.what;
    }
    EXPECT_EQ(NULL, CRenderEngine::LoadImageFromMemory(NULL, 0, 0));
    EXPECT_EQ(NULL, CRenderEngine::LoadImage(STRINGorID(L"no such image.png")));
}

TEST(GifFrames, ATruncatedGifKeepsTheFramesBeforeTheCut)
{
    std::vector<RgbaImage> frames = {SolidImage(8, 8, 0xFFFF0000), SolidImage(8, 8, 0xFF00FF00),
                                     SolidImage(8, 8, 0xFF0000FF)};
    std::vector<BYTE> gif = EncodeGif(frames, {1, 1, 1});
    std::wstring folder = ScratchFolder(L"gif");
    for (size_t cut : {gif.size() - 1, gif.size() * 2 / 3, gif.size() / 2, size_t(13), size_t(6)}) {
        WriteBytes(folder + L"cut.gif", std::vector<BYTE>(gif.begin(), gif.begin() + cut));
        std::unique_ptr<CGifHandler> handler(CRenderEngine::LoadGif(STRINGorID((folder + L"cut.gif").c_str())));
        ASSERT_TRUE(handler) << cut;
        EXPECT_LE(handler->GetFrameCount(), 3) << cut;
        for (int i = 0; i < handler->GetFrameCount(); ++i) EXPECT_EQ(8, handler->GetFrameInfoAt(i)->nX);
    }
}

TEST(GifFrames, FramesComeInOrderWithDelaysAndWrapAround)
{
    std::wstring folder = ScratchFolder(L"gif");
    std::vector<RgbaImage> frames = {SolidImage(4, 4, 0xFFFF0000), SolidImage(4, 4, 0xFF00FF00),
                                     SolidImage(4, 4, 0xFF0000FF)};
    WriteBytes(folder + L"anim.gif", EncodeGif(frames, {10, 20, 5}));
    std::unique_ptr<CGifHandler> gif(CRenderEngine::LoadGif(STRINGorID((folder + L"anim.gif").c_str())));
    ASSERT_TRUE(gif);
    ASSERT_EQ(3, gif->GetFrameCount());
    EXPECT_EQ(100, gif->GetFrameInfoAt(0)->delay);
    EXPECT_EQ(200, gif->GetFrameInfoAt(1)->delay);
    EXPECT_EQ(50, gif->GetFrameInfoAt(2)->delay);
    EXPECT_EQ(0xFFFF0000u, StoredPixel(gif->GetFrameInfoAt(0), 1, 1));
    EXPECT_EQ(0xFF0000FFu, StoredPixel(gif->GetFrameInfoAt(2), 1, 1));

    EXPECT_EQ(gif->GetFrameInfoAt(0), gif->GetNextFrameInfo());
    EXPECT_EQ(gif->GetFrameInfoAt(1), gif->GetCurrentFrameInfo());
    EXPECT_EQ(gif->GetFrameInfoAt(1), gif->GetNextFrameInfo());
    EXPECT_EQ(gif->GetFrameInfoAt(2), gif->GetNextFrameInfo());
    EXPECT_EQ(gif->GetFrameInfoAt(0), gif->GetNextFrameInfo());
    EXPECT_EQ(NULL, gif->GetFrameInfoAt(-1));
    EXPECT_EQ(NULL, gif->GetFrameInfoAt(3));
}

TEST(GifFrames, RestoreToPreviousUsesTheFrameBeforeIt)
{
    // Frame 1 draws a blue square and asks to be undone; frame 2 draws nothing,
    // so it shows frame 0 again where the square was.
    RgbaImage red = SolidImage(6, 6, 0xFFFF0000);
    RgbaImage square = SolidImage(6, 6, 0x00000000);
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 4; ++x) square.Set(x, y, 0xFF0000FF);
    RgbaImage clear = SolidImage(6, 6, 0x00000000);
    std::wstring folder = ScratchFolder(L"gif");
    WriteBytes(folder + L"dispose.gif", EncodeGif({red, square, clear}, {1, 1, 1}, {1, 3, 1}));
    std::unique_ptr<CGifHandler> gif(CRenderEngine::LoadGif(STRINGorID((folder + L"dispose.gif").c_str())));
    ASSERT_TRUE(gif);
    ASSERT_EQ(3, gif->GetFrameCount());
    EXPECT_EQ(0xFF0000FFu, StoredPixel(gif->GetFrameInfoAt(1), 2, 2));
    EXPECT_EQ(0xFFFF0000u, StoredPixel(gif->GetFrameInfoAt(2), 2, 2));
    EXPECT_EQ(0xFFFF0000u, StoredPixel(gif->GetFrameInfoAt(2), 0, 0));
}

TEST(GifFrames, BytesThatAreNoGifGiveAnEmptyHandler)
{
    std::wstring folder = ScratchFolder(L"gif");
    WriteBytes(folder + L"not.gif", EncodePng(SolidImage(2, 2, 0xFF000000)));
    std::unique_ptr<CGifHandler> gif(CRenderEngine::LoadGif(STRINGorID((folder + L"not.gif").c_str())));
    ASSERT_TRUE(gif);
    EXPECT_EQ(0, gif->GetFrameCount());
    // No frames: no next frame (and no division by a frame count of 0).
    EXPECT_EQ(NULL, gif->GetNextFrameInfo());
    EXPECT_EQ(NULL, gif->GetCurrentFrameInfo());
    EXPECT_EQ(NULL, CRenderEngine::LoadGif(STRINGorID(L"missing.gif")));
}

// ---- drawing --------------------------------------------------------------------

namespace {

// A 9x9 image of nine 3x3 cells, each its own colour.
const DWORD kCells[3][3] = {
    {0xFFFF0000, 0xFF00FF00, 0xFF0000FF},
    {0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF},
    {0xFF800000, 0xFF008000, 0xFF000080},
};

Rgb RgbOf(DWORD argb)
{
    return Rgb{static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF)};
}

class ImageDrawing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RgbaImage grid = SolidImage(9, 9, 0);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) grid.Set(x, y, kCells[y / 3][x / 3]);
        WriteBytes(folder + L"grid.png", EncodePng(grid));
        RgbaImage white = SolidImage(4, 4, 0xFFFFFFFF);
        WriteBytes(folder + L"white.png", EncodePng(white));
        RgbaImage masked = SolidImage(4, 4, 0xFFFF00FF);
        masked.Set(0, 0, 0xFF00FF00);
        WriteBytes(folder + L"masked.png", EncodePng(masked));
    }

    bool Draw(TestCanvas& canvas, RECT item, const wchar_t* image, const wchar_t* modify = NULL)
    {
        RECT paint = canvas.rect();
        return CRenderEngine::DrawImageString(canvas.dc(), &manager, item, paint, image, modify);
    }

    ScratchSkin skin{L"draw"};
    const std::wstring folder = skin.folder();
    CPaintManagerUI manager;
};

}  // namespace

TEST_F(ImageDrawing, NineGridKeepsCornersAndStretchesEdgesAndCentre)
{
    TestCanvas canvas(100, 100, 0xFF000000);
    RECT item = {10, 10, 100, 100};
    ASSERT_TRUE(Draw(canvas, item, L"file='grid.png' corner='3,3,3,3'"));
    struct Probe
    {
        int x, y, row, col;
    } probes[] = {
        {11, 11, 0, 0}, {55, 11, 0, 1}, {98, 11, 0, 2},  // corners stay 3 pixels, top edge stretched
        {11, 55, 1, 0}, {55, 55, 1, 1}, {98, 55, 1, 2},  // left edge, centre, right edge
        {11, 98, 2, 0}, {55, 98, 2, 1}, {98, 98, 2, 2},
    };
    for (const Probe& p : probes) EXPECT_TRUE(PixelNear(canvas, p.x, p.y, RgbOf(kCells[p.row][p.col])));
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{0, 0, 0}));  // outside the item
}

TEST_F(ImageDrawing, HoleLeavesTheCentreUndrawn)
{
    TestCanvas canvas(90, 90, 0xFF000000);
    RECT item = {0, 0, 90, 90};
    Draw(canvas, item, L"file='grid.png' corner='3,3,3,3' hole='true'");
    EXPECT_TRUE(PixelNear(canvas, 45, 45, Rgb{0, 0, 0}));
    EXPECT_TRUE(PixelNear(canvas, 45, 1, RgbOf(kCells[0][1])));
}

TEST_F(ImageDrawing, SourceDestFadeAndMask)
{
    TestCanvas canvas(60, 60, 0xFF000000);
    RECT item = {0, 0, 60, 60};
    // source picks the centre cell, dest places it in a 20x20 square (cut at the item).
    Draw(canvas, item, L"file='grid.png' source='3,3,6,6' dest='10,10,30,30'");
    EXPECT_TRUE(PixelNear(canvas, 20, 20, RgbOf(kCells[1][1])));
    EXPECT_TRUE(PixelNear(canvas, 35, 35, Rgb{0, 0, 0}));

    canvas.Fill(0xFF000000);
    Draw(canvas, item, L"file='white.png' fade='128'");
    EXPECT_TRUE(PixelNear(canvas, 30, 30, Rgb{128, 128, 128}, 3));

    canvas.Fill(0xFF0000FF);
    Draw(canvas, item, L"file='masked.png' mask='#FFFF00FF'");
    EXPECT_TRUE(PixelNear(canvas, 50, 50, Rgb{0, 0, 255}));  // masked pixels show what is beneath
}

TEST_F(ImageDrawing, DestBeyondTheItemIsCutAndBareNamesWork)
{
    TestCanvas canvas(60, 60, 0xFF000000);
    RECT item = {0, 0, 30, 30};
    Draw(canvas, item, L"file='white.png' dest='10,10,50,50'");
    EXPECT_TRUE(PixelNear(canvas, 20, 20, Rgb{255, 255, 255}));
    EXPECT_TRUE(PixelNear(canvas, 40, 40, Rgb{0, 0, 0}));

    canvas.Fill(0xFF000000);
    Draw(canvas, item, L"white.png");
    EXPECT_TRUE(PixelNear(canvas, 15, 15, Rgb{255, 255, 255}));
}

TEST_F(ImageDrawing, CornersAsLargeAsTheImageDrawNoMirroredCells)
{
    TestCanvas canvas(40, 40, 0xFF000000);
    RECT item = {0, 0, 40, 40};
    // Corners that meet or pass each other leave edges and centre of no size;
    // tiling a centre of width 0 must not loop.
    Draw(canvas, item, L"file='grid.png' corner='9,9,9,9'");
    Draw(canvas, item, L"file='grid.png' corner='3,3,6,3' xtiled='true' ytiled='true'");
    Draw(canvas, item, L"file='grid.png' corner='6,6,6,6' xtiled='true'");
    canvas.Fill(0xFF000000);
    Draw(canvas, item, L"file='grid.png' corner='9,9,9,9'");
    EXPECT_TRUE(PixelNear(canvas, 20, 20, Rgb{0, 0, 0}));
}

TEST_F(ImageDrawing, TilingRepeatsTheCentre)
{
    TestCanvas canvas(30, 30, 0xFF000000);
    RECT item = {0, 0, 30, 30};
    // The 3x3 centre cell of the grid tiled over a 24x24 centre area.
    Draw(canvas, item, L"file='grid.png' source='3,3,6,6' xtiled='true' ytiled='true'");
    EXPECT_TRUE(PixelNear(canvas, 4, 4, RgbOf(kCells[1][1])));
    EXPECT_TRUE(PixelNear(canvas, 28, 28, RgbOf(kCells[1][1])));
}

TEST_F(ImageDrawing, TilingAlongOneAxisStretchesAlongTheOther)
{
    // Two-pixel stripes: tiled along the stripes' axis they repeat unscaled;
    // along the other axis the tiles are stretched.
    RgbaImage columns = SolidImage(2, 2, 0xFFFF0000);
    columns.Set(1, 0, 0xFF0000FF);
    columns.Set(1, 1, 0xFF0000FF);
    WriteBytes(folder + L"columns.png", EncodePng(columns));
    RgbaImage rows = SolidImage(2, 2, 0xFFFF0000);
    rows.Set(0, 1, 0xFF0000FF);
    rows.Set(1, 1, 0xFF0000FF);
    WriteBytes(folder + L"rows.png", EncodePng(rows));
    struct Case
    {
        const wchar_t* image;
        int x, y;
        Rgb expected;
    } cases[] = {
        {L"file='columns.png' xtiled='true'", 4, 10, Rgb{255, 0, 0}},
        {L"file='columns.png' xtiled='true'", 5, 10, Rgb{0, 0, 255}},
        {L"file='columns.png' xtiled='true'", 1, 10, Rgb{0, 0, 255}},
        {L"file='columns.png' xtiled='true'", 14, 2, Rgb{255, 0, 0}},
        {L"file='columns.png' xtiled='true'", 15, 18, Rgb{0, 0, 255}},
        {L"file='rows.png' ytiled='true'", 10, 4, Rgb{255, 0, 0}},
        {L"file='rows.png' ytiled='true'", 10, 5, Rgb{0, 0, 255}},
        {L"file='rows.png' ytiled='true'", 2, 14, Rgb{255, 0, 0}},
    };
    TestCanvas canvas(20, 20, 0xFF000000);
    RECT item = {0, 0, 20, 20};
    for (const Case& c : cases) {
        canvas.Fill(0xFF000000);
        Draw(canvas, item, c.image);
        EXPECT_TRUE(PixelNear(canvas, c.x, c.y, c.expected, 8)) << c.x << "," << c.y;
    }
    // Not tiled, the stripes are stretched: the second column, blue when tiled, stays red.
    canvas.Fill(0xFF000000);
    Draw(canvas, item, L"file='columns.png'");
    EXPECT_GT(canvas.At(1, 10).r, canvas.At(1, 10).b + 100);
}

TEST(PlainText, TextExtentsNeedTextAndAManager)
{
    TestCanvas canvas(10, 10);
    CPaintManagerUI manager;
    SIZE none = CRenderEngine::GetTextSize(canvas.dc(), NULL, L"abc", -1, 0);
    EXPECT_EQ(0, none.cx);
    none = CRenderEngine::GetTextSize(canvas.dc(), &manager, NULL, -1, 0);
    EXPECT_EQ(0, none.cy);
    SIZE one = CRenderEngine::GetTextSize(canvas.dc(), &manager, L"W", -1, 0);
    SIZE three = CRenderEngine::GetTextSize(canvas.dc(), &manager, L"WWW", -1, 0);
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_EQ(3 * one.cx, three.cx);
}

TEST_F(ImageDrawing, TwoFilesDrawInTurnAndMalformedStringsKeepWhatWasParsed)
{
    TestCanvas canvas(40, 40, 0xFF000000);
    RECT item = {0, 0, 40, 40};
    Draw(canvas, item, L"file='grid.png' source='0,0,3,3' dest='0,0,10,10' file='white.png' dest='20,20,30,30'");
    EXPECT_TRUE(PixelNear(canvas, 5, 5, RgbOf(kCells[0][0])));
    EXPECT_TRUE(PixelNear(canvas, 25, 25, Rgb{255, 255, 255}));

    // Unterminated items, short number lists, missing "=": nothing is read past
    // the end of the text and what was set stays.
    const wchar_t* broken[] = {L"file='white.png' dest='1,2",
                               L"file='white.png' dest='800'",
                               L"file='white.png' dest",
                               L"file='white.png' dest=",
                               L"file='white.png' dest='",
                               L"file='white.png' corner='1,2'   ",
                               L"",
                               L" ",
                               L"file='white.png'x"};
    for (const wchar_t* text : broken) {
        GuardedText guarded(text);
        EXPECT_TRUE(Draw(canvas, item, guarded.get())) << text;
        GuardedText modify(text);
        EXPECT_TRUE(Draw(canvas, item, L"white.png", modify.get())) << text;
    }
    EXPECT_FALSE(CRenderEngine::DrawImageString(canvas.dc(), NULL, item, item, L"white.png", NULL));
}

TEST(ColourFills, TranslucentFillIsPremultiplied)
{
    TestCanvas canvas(20, 20, 0xFF0000FF);
    RECT rc = {0, 0, 20, 20};
    CRenderEngine::DrawColor(canvas.dc(), rc, 0x80FF0000);
    EXPECT_TRUE(PixelNear(canvas, 10, 10, Rgb{128, 0, 128}, 1));
}

TEST(ColourFills, SoftwareBlendMatchesAlphaBlend)
{
    TestCanvas hardware(20, 20, 0xFF0000FF);
    TestCanvas software(20, 20, 0xFF0000FF);
    RECT rc = {0, 0, 20, 20};
    const DWORD colours[] = {0x80FF0000, 0x40FFFFFF, 0xC000FF00};
    for (DWORD colour : colours) {
        CRenderEngine::DrawColor(hardware.dc(), rc, colour);
        CRenderEngine::UseSoftwareBlend(true);
        CRenderEngine::DrawColor(software.dc(), rc, colour);
        CRenderEngine::UseSoftwareBlend(false);
        EXPECT_TRUE(PixelNear(software, 10, 10, hardware.At(10, 10), 2)) << std::hex << colour;
    }
}

TEST(ColourFills, OpaqueAndNoColour)
{
    TestCanvas canvas(20, 20, 0xFF000000);
    RECT rc = {5, 5, 15, 15};
    CRenderEngine::DrawColor(canvas.dc(), rc, 0x00FF0000);
    EXPECT_TRUE(PixelNear(canvas, 10, 10, Rgb{0, 0, 0}));
    CRenderEngine::DrawColor(canvas.dc(), rc, 0xFF336699);
    EXPECT_TRUE(PixelNear(canvas, 10, 10, Rgb{0x33, 0x66, 0x99}, 0));
    EXPECT_TRUE(PixelNear(canvas, 2, 2, Rgb{0, 0, 0}));
}

TEST(ColourFills, GradientRunsFromFirstToSecond)
{
    TestCanvas canvas(20, 100, 0xFF000000);
    RECT rc = {0, 0, 20, 100};
    CRenderEngine::DrawGradient(canvas.dc(), rc, 0xFFFF0000, 0xFF0000FF, true, 16);
    Rgb top = canvas.At(10, 1);
    Rgb bottom = canvas.At(10, 98);
    Rgb middle = canvas.At(10, 50);
    EXPECT_GT(top.r, 230);
    EXPECT_LT(top.b, 25);
    EXPECT_GT(bottom.b, 230);
    EXPECT_LT(bottom.r, 25);
    EXPECT_NEAR(128, middle.r, 20);
    EXPECT_NEAR(128, middle.b, 20);

    // A translucent gradient blends with its mean alpha; alpha 0 draws nothing.
    canvas.Fill(0xFF0000FF);
    CRenderEngine::DrawGradient(canvas.dc(), rc, 0x80FF0000, 0x80FF0000, false, 8);
    EXPECT_TRUE(PixelNear(canvas, 10, 50, Rgb{128, 0, 127}, 2));
    canvas.Fill(0xFF0000FF);
    CRenderEngine::DrawGradient(canvas.dc(), rc, 0x00FF0000, 0x00FFFFFF, true, 8);
    EXPECT_TRUE(PixelNear(canvas, 10, 50, Rgb{0, 0, 255}, 0));
}

TEST(ColourAdjustment, NeutralSettingsKeepTheColourBitForBit)
{
    const DWORD colours[] = {0xFF123456, 0x80FFFFFF, 0x00000000, 0xFFABCDEF};
    for (DWORD colour : colours) EXPECT_EQ(colour, CRenderEngine::AdjustColor(colour, 180, 100, 100));
    // Lightness 0 makes black and keeps alpha.
    EXPECT_EQ(0x80000000u, CRenderEngine::AdjustColor(0x80123456, 180, 100, 0));

    // The lowest byte is taken as red: 0xFF0000FF is hue 0 and 0xFFFF0000 hue 240.
    struct Case
    {
        DWORD colour;
        short h, s, l;
        DWORD expected;
    } cases[] = {
        {0xFF0000FF, 300, 100, 100, 0xFF00FF00},  // hue 0 turned by +120
        {0xFFFF0000, 60, 100, 100, 0xFF00FF00},   // hue 240 turned by -120
        {0x40FF0000, 180, 0, 100, 0x40808080},    // no saturation: grey of the same lightness
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CRenderEngine::AdjustColor(c.colour, c.h, c.s, c.l)) << std::hex << c.colour;
}

TEST(PlainText, CallerTextIsNeverModified)
{
    TestCanvas canvas(40, 20, 0xFFFFFFFF);
    CPaintManagerUI manager;
    wchar_t text[] = L"a rather long text that does not fit";
    const std::wstring before = text;
    RECT rc = {0, 0, 40, 20};
    CRenderEngine::DrawText(canvas.dc(), &manager, rc, text, 0xFF000000, -1,
                            DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(before, text);
}

TEST_F(ImageDrawing, HugeOrNegativeRectanglesStayBoundedWork)
{
    // Tiles wholly outside the paint rectangle are not walked one by one, and
    // numbers near the ends of the integer range do not wrap round.
    TestCanvas canvas(30, 30, 0xFF000000);
    RECT item = {0, 0, 30, 30};
    const wchar_t* images[] = {
        L"file='grid.png' source='3,3,6,6' dest='-2147483000,-2147483000,30,30' xtiled='true' ytiled='true'",
        L"file='grid.png' source='3,3,4,4' dest='-2000000000,0,30,30' xtiled='true'",
        L"file='grid.png' source='3,3,4,4' dest='0,-2000000000,30,30' ytiled='true'",
        L"file='grid.png' source='-2147483648,-2147483648,6,6' xtiled='true' ytiled='true'",
        L"file='grid.png' dest='2147483647,2147483647,2147483647,2147483647'",
        L"file='grid.png' corner='2147483647,0,2147483647,0'",
    };
    for (const wchar_t* image : images) {
        canvas.Fill(0xFF000000);
        EXPECT_TRUE(Draw(canvas, item, image)) << image;
    }
    // The tiles that are drawn keep their places: the centre cell repeats from the
    // destination's left and top.
    canvas.Fill(0xFF000000);
    Draw(canvas, item,
         L"file='grid.png' source='3,3,6,6' dest='-2147483000,-2147483000,30,30' xtiled='true' "
         L"ytiled='true'");
    EXPECT_TRUE(PixelNear(canvas, 15, 15, RgbOf(kCells[1][1])));
}
