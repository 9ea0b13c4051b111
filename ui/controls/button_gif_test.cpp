// The GIF button: frames drawn over the whole control in turn at the pace of
// their delays, the timer restarted after hiding and showing, short delays,
// and the state images when there are no frames.
#include <string>

#include "button_gif.h"
#include "core/gif_handler.h"
#include "gtest/gtest.h"
#include "core/test_support/direct_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class GifButton : public ::testing::Test, protected DirectControl<CButtonGifUI>
{
protected:
    GifButton() : DirectControl<CButtonGifUI>(L"button_gif")
    {
        std::vector<RgbaImage> frames = {SolidImage(4, 4, 0xFFFF0000), SolidImage(4, 4, 0xFF00FF00),
                                         SolidImage(4, 4, 0xFF0000FF)};
        WriteBytes(skin.folder() + L"anim.gif", EncodeGif(frames, {5, 8, 0}));
        WriteSolidImages(skin.folder(), {{L"normal.png", 0xFF808080}, {L"hot.png", 0xFFFFFF00}});
    }
    void Tick() { Send(UIEV_TIMER, 0, 0, CButtonGifUI::kFrameTimerId); }
    static bool Same(Rgb a, Rgb b) { return SameColor(a, b); }

    CButtonGifUI& button = control;
};

} // namespace

TEST_F(GifButton, FramesInTurnWithTheirDelays)
{
    button.SetAttribute(L"NormalGifFile", L"anim.gif");
    ASSERT_TRUE(button.GetGifHandler() != NULL);
    ASSERT_EQ(3, button.GetGifHandler()->GetFrameCount());
    EXPECT_EQ(0u, button.GetTimerInterval()); // started by the first paint

    struct Step
    {
        bool tick;
        Rgb colour;
        UINT interval;
    } steps[] = {
        {false, {255, 0, 0}, 50}, {true, {0, 255, 0}, 80},
        {false, {0, 255, 0}, 80}, // a repaint between ticks shows the same frame again
        {true, {0, 0, 255}, 100}, // a delay of 0 runs at a tenth of a second
        {true, {255, 0, 0}, 50},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(&step - steps);
        if (step.tick) Tick();
        EXPECT_TRUE(Same(step.colour, Paint()));
        EXPECT_EQ(step.interval, button.GetTimerInterval());
    }
}

TEST_F(GifButton, HiddenAndShownAgainKeepsAnimating)
{
    TestWindow w(L"<Window><Container name=\"root\">"
                 L"<ButtonGif name=\"gif\" float=\"true\" pos=\"0,0,40,20\" NormalGifFile=\"anim.gif\"/>"
                 L"</Container></Window>");
    ASSERT_TRUE(w.ok());
    CButtonGifUI* button = w.Find<CButtonGifUI>(L"gif");
    ASSERT_TRUE(button != NULL);
    EXPECT_NE(0u, button->GetTimerInterval());
    CGifHandler* gif = button->GetGifHandler();
    // Real timer ticks move the frames on.
    TImageInfo* first = gif->GetCurrentFrameInfo();
    EXPECT_TRUE(PumpUntil([&] { return gif->GetCurrentFrameInfo() != first; }, 2000));

    button->SetVisible(false);
    EXPECT_EQ(0u, button->GetTimerInterval());
    button->SetVisible(true);
    PaintNow(w);
    EXPECT_NE(0u, button->GetTimerInterval());
    TImageInfo* shown = gif->GetCurrentFrameInfo();
    EXPECT_TRUE(PumpUntil([&] { return gif->GetCurrentFrameInfo() != shown; }, 2000));
}

TEST_F(GifButton, WithoutFramesTheStateImagesShow)
{
    button.SetNormalGifFile(L"missing.gif");
    EXPECT_TRUE(button.GetGifHandler() == NULL);
    button.SetNormalImage(L"normal.png");
    button.SetHotImage(L"hot.png");
    button.SetHotBkColor(0xFF00FFFF); // not used by this button
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint()));
    TEventUI enter = {};
    enter.type = UIEV_MOUSE_ENTER;
    button.DoEvent(enter);
    EXPECT_TRUE(Same(Rgb{255, 255, 0}, Paint()));
    button.SetHotImage(L"");
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint()));

    // Null is ignored; a real file replaces the images.
    button.SetNormalGifFile(NULL);
    button.SetNormalGifFile(L"anim.gif");
    EXPECT_TRUE(Same(Rgb{255, 0, 0}, Paint()));

    EXPECT_STREQ(L"ButtonGifUI", button.GetClass());
    EXPECT_TRUE(button.GetInterface(L"ButtonGif") == &button);
    EXPECT_TRUE(button.GetInterface(L"Button") == NULL);
}
