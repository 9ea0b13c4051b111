// The off-screen surface: buffers of the client size made once, the background
// captured once per size and kept across a layout pass only while the size stays.
#include "paint_surface.h"

#include "gtest/gtest.h"

using namespace SkinUI;

namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP bm = {};
    ::GetObjectW(bitmap, sizeof(bm), &bm);
    SIZE size = {bm.bmWidth, bm.bmHeight};
    return size;
}

class PaintSurfaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = ::CreateWindowExW(0, L"STATIC", L"surface", WS_POPUP, 0, 0, 40, 30, NULL, NULL,
                                   ::GetModuleHandleW(NULL), NULL);
        ASSERT_NE(HWND(NULL), window);
        surface.AttachWindow(window);
        ASSERT_NE(HDC(NULL), surface.PaintDC());
    }
    void TearDown() override
    {
        surface.AttachWindow(NULL);
        ::DestroyWindow(window);
    }

    HWND window = NULL;
    PaintSurface surface;
    const RECT client = {0, 0, 40, 30};
};

}  // namespace

TEST(CompatibleBuffer, MadeAtItsSizeOrLeftEmpty)
{
    WindowDC screen(NULL);
    CompatibleBuffer buffer;
    EXPECT_TRUE(buffer.IsEmpty());
    ASSERT_TRUE(buffer.Create(screen.Get(), 12, 7));
    EXPECT_EQ(12, BitmapSize(buffer.Bitmap()).cx);
    EXPECT_EQ(7, buffer.Height());
    EXPECT_NE(HDC(NULL), buffer.DC());
    EXPECT_FALSE(buffer.Create(screen.Get(), 0, 7)) << "an empty size";
    EXPECT_TRUE(buffer.IsEmpty()) << "a failed Create leaves it empty";
    EXPECT_EQ(HDC(NULL), buffer.DC());
}

TEST_F(PaintSurfaceTest, TheOffscreenBufferIsMadeOnceAtTheClientSize)
{
    ASSERT_TRUE(surface.EnsureOffscreen(client));
    HBITMAP made = surface.OffscreenBitmap();
    EXPECT_EQ(40, BitmapSize(made).cx);
    EXPECT_EQ(30, BitmapSize(made).cy);
    ASSERT_TRUE(surface.EnsureOffscreen(client));
    EXPECT_EQ(made, surface.OffscreenBitmap());
    surface.Drop();
    EXPECT_EQ(HBITMAP(NULL), surface.OffscreenBitmap());
    const RECT empty = {0, 0, 0, 30};
    EXPECT_FALSE(surface.EnsureOffscreen(empty));
}

TEST_F(PaintSurfaceTest, TheBackgroundIsCapturedOnceAndKeptOnlyAtItsSize)
{
    ASSERT_TRUE(surface.EnsureOffscreen(client));
    // What lies under the window: a red image in a memory DC.
    CompatibleBuffer under;
    ASSERT_TRUE(under.Create(surface.PaintDC(), 40, 30));
    {
        SelectObjectScope select(under.DC(), under.Bitmap());
        BrushHandle red(::CreateSolidBrush(RGB(255, 0, 0)));
        ::FillRect(under.DC(), &client, red);
        SelectObjectScope selectOffscreen(surface.OffscreenDC(), surface.OffscreenBitmap());
        surface.PaintBackground(under.DC(), client, client);
        EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(surface.OffscreenDC(), 5, 5));
        // The capture is not taken again: a green image under the window is not seen.
        BrushHandle green(::CreateSolidBrush(RGB(0, 255, 0)));
        ::FillRect(under.DC(), &client, green);
        surface.PaintBackground(under.DC(), client, client);
        EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(surface.OffscreenDC(), 5, 5));
    }
    HBITMAP captured = surface.BackgroundBitmap();
    ASSERT_NE(HBITMAP(NULL), captured);

    struct Case
    {
        RECT client;
        bool kept;
    } cases[] = {
        {{0, 0, 40, 30}, true},
        {{0, 0, 41, 30}, false},
    };
    for (const Case& c : cases) {
        CompatibleBuffer taken = surface.TakeBackground();
        EXPECT_EQ(HBITMAP(NULL), surface.BackgroundBitmap());
        surface.KeepBackgroundIfSized(std::move(taken), c.client);
        EXPECT_EQ(c.kept ? captured : HBITMAP(NULL), surface.BackgroundBitmap()) << c.client.right;
    }
}
