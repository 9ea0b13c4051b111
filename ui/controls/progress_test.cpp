// The progress bar: its attributes and value rules, and the filled part painted
// into a DIB (horizontal, vertical, an empty range, huge ranges, the fore image
// stretched or cut).
#include <climits>
#include <string>

#include "gtest/gtest.h"
#include "progress.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};
const Rgb kBlack = {0, 0, 0};

} // namespace

TEST(Progress, AttributesAndValueRules)
{
    CProgressUI progress;
    EXPECT_STREQ(L"ProgressUI", progress.GetClass());
    EXPECT_EQ(&progress, progress.GetInterface(L"Progress"));
    EXPECT_NE(nullptr, progress.GetInterface(L"Label"));
    EXPECT_EQ(12, progress.GetFixedHeight());
    EXPECT_EQ(static_cast<UINT>(DT_CENTER | DT_SINGLELINE), progress.GetTextStyle());
    EXPECT_TRUE(progress.IsHorizontal());
    EXPECT_TRUE(progress.IsStretchForeImage());
    EXPECT_EQ(0, progress.GetMinValue());
    EXPECT_EQ(100, progress.GetMaxValue());

    progress.ApplyAttributeList(L"hor=\"false\" min=\"10\" max=\"60\" value=\"30\" foreimage=\"bar.png\" "
                                L"isstretchfore=\"false\" text=\"30%\"");
    EXPECT_FALSE(progress.IsHorizontal());
    EXPECT_FALSE(progress.IsStretchForeImage());
    EXPECT_EQ(10, progress.GetMinValue());
    EXPECT_EQ(60, progress.GetMaxValue());
    EXPECT_EQ(30, progress.GetValue());
    EXPECT_STREQ(L"bar.png", progress.GetForeImage());
    EXPECT_STREQ(L"30%", progress.GetText().GetData()); // other names to the label

    const struct
    {
        int value;
        int expected;
    } values[] = {{61, 30}, {9, 30}, {60, 60}, {10, 10}, {10, 10}};
    for (const auto& v : values) {
        progress.SetValue(v.value);
        EXPECT_EQ(v.expected, progress.GetValue()) << v.value;
    }
}

TEST(Progress, PaintsTheFilledPart)
{
    ScratchSkin skin(L"progress");
    WriteBytes(skin.folder() + L"red.png", EncodePng(SolidImage(20, 12, 0xFFFF0000)));
    RgbaImage halves = SolidImage(200, 12, 0xFFFF0000);
    for (int y = 0; y < 12; y++) {
        for (int x = 100; x < 200; x++) halves.Set(x, y, 0xFF00FF00);
    }
    WriteBytes(skin.folder() + L"halves.png", EncodePng(halves));

    const struct
    {
        const char* what;
        const wchar_t* attributes;
        POINT filled; // a pixel of the fore image
        Rgb filledColor;
        POINT empty; // a pixel of the background
    } cases[] = {
        {"half of 0..100 fills 100 of 200 pixels",
         L"pos=\"0,0,200,12\" value=\"50\" foreimage=\"red.png\"",
         {99, 6},
         kRed,
         {100, 6}},
        {"a vertical bar fills from the bottom",
         L"pos=\"0,0,20,100\" hor=\"false\" value=\"25\" foreimage=\"red.png\"",
         {10, 75},
         kRed,
         {10, 74}},
        {"a range of no length is painted as one wide",
         L"pos=\"0,0,200,12\" min=\"10\" max=\"10\" value=\"10\" "
         L"foreimage=\"red.png\"",
         {-1, -1},
         kRed,
         {0, 6}},
        {"huge ranges fill in proportion",
         L"pos=\"0,0,200,12\" max=\"2000000000\" value=\"1500000000\" foreimage=\"red.png\"",
         {149, 6},
         kRed,
         {150, 6}},
        {"a range across the whole int scale",
         L"pos=\"0,0,200,12\" min=\"-2000000000\" max=\"2000000000\" value=\"0\" foreimage=\"red.png\"",
         {99, 6},
         kRed,
         {100, 6}},
        {"a stretched fore image is squeezed into the filled part",
         L"pos=\"0,0,200,12\" value=\"50\" foreimage=\"halves.png\"",
         {75, 6},
         kGreen,
         {150, 6}},
        {"a fore image not stretched is cut",
         L"pos=\"0,0,200,12\" value=\"50\" isstretchfore=\"false\" "
         L"foreimage=\"halves.png\"",
         {75, 6},
         kRed,
         {150, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring layout = std::wstring(L"<Window><Container bkcolor=\"#FF000000\"><Progress name=\"p\" "
                                                 L"float=\"true\" ") +
                                    c.attributes + L"/></Container></Window>";
        TestWindow w(layout.c_str(), 200, 100);
        ASSERT_TRUE(w.ok());
        TestCanvas canvas(200, 100);
        w.PaintInto(canvas);
        if (c.filled.x >= 0) {
            EXPECT_TRUE(PixelNear(canvas, c.filled.x, c.filled.y, c.filledColor));
        }
        EXPECT_TRUE(PixelNear(canvas, c.empty.x, c.empty.y, kBlack));
    }
}

TEST(Progress, AnEmptyRangeIsStoredAsOneWideWhenPainted)
{
    TestWindow window(100, 100);
    CProgressUI progress;
    progress.SetManager(&window.pm, NULL, false);
    progress.SetMinValue(10);
    progress.SetMaxValue(10);
    RECT rc = {0, 0, 100, 12};
    progress.SetPos(rc);
    TestCanvas canvas(100, 12);
    progress.DoPaint(canvas.dc(), canvas.rect());
    EXPECT_EQ(10, progress.GetMinValue());
    EXPECT_EQ(11, progress.GetMaxValue());
    EXPECT_EQ(10, progress.GetValue()); // 0 was below the range

    // The largest minimum: the range is taken below it.
    progress.SetMinValue(INT_MAX);
    progress.SetMaxValue(INT_MAX);
    progress.DoPaint(canvas.dc(), canvas.rect());
    EXPECT_EQ(INT_MAX - 1, progress.GetMinValue());
    EXPECT_EQ(INT_MAX, progress.GetMaxValue());
    EXPECT_EQ(INT_MAX - 1, progress.GetValue());
    progress.SetManager(NULL, NULL, false);
}
