// The slider in a real window: the thumb where the value puts it, the value
// where the mouse is released or dragged, the wheel, "valuechanged", a disabled
// slider, the hand cursor and the thumb images by state.
#include <string>

#include "gtest/gtest.h"
#include "slider.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const wchar_t kHorizontal[] = L"<Window><Container><Slider name=\"s\" float=\"true\" pos=\"0,0,200,20\" %s/>"
                              L"</Container></Window>";

std::wstring Layout(const wchar_t* attributes)
{
    std::wstring xml(kHorizontal);
    xml.replace(xml.find(L"%s"), 2, attributes);
    return xml;
}

} // namespace

TEST(Slider, ThumbWhereTheValuePutsIt)
{
    const struct
    {
        bool horizontal;
        int min, max, value;
        RECT pos;
        const char* thumb;
    } cases[] = {
        {true, 0, 100, 50, {0, 0, 200, 20}, "95,5,105,15"},
        {true, 0, 100, 100, {10, 0, 210, 20}, "200,5,210,15"},
        {false, 0, 100, 25, {0, 0, 20, 200}, "5,143,15,153"},
        {false, 0, 100, 0, {0, 0, 20, 200}, "5,190,15,200"},
        {true, 10, 10, 10, {0, 0, 200, 20}, "0,5,10,15"}, // no division by an empty range
        {true, 0, 2000000000, 2000000000, {0, 0, 200, 20}, "190,5,200,15"},
    };
    for (const auto& c : cases) {
        CSliderUI slider;
        slider.SetHorizontal(c.horizontal);
        slider.SetMinValue(c.min);
        slider.SetMaxValue(c.max);
        slider.SetValue(c.value);
        slider.SetPos(c.pos);
        EXPECT_EQ(c.thumb, RectText(slider.GetThumbRect())) << c.value;
    }
}

TEST(Slider, AttributesAndNames)
{
    CSliderUI slider;
    EXPECT_STREQ(L"SliderUI", slider.GetClass());
    EXPECT_EQ(&slider, slider.GetInterface(L"Slider"));
    EXPECT_NE(nullptr, slider.GetInterface(L"Progress"));
    EXPECT_EQ(CTRLFLAG_SETCURSOR, slider.GetControlFlags());
    slider.ApplyAttributeList(L"thumbimage=\"t.png\" thumbhotimage=\"h.png\" thumbpushedimage=\"p.png\" "
                              L"thumbsize=\"8,14\" step=\"5\" value=\"40\"");
    EXPECT_STREQ(L"t.png", slider.GetThumbImage());
    EXPECT_STREQ(L"h.png", slider.GetThumbHotImage());
    EXPECT_STREQ(L"p.png", slider.GetThumbPushedImage());
    EXPECT_EQ(5, slider.GetChangeStep());
    EXPECT_EQ(40, slider.GetValue());
    RECT rc = {0, 0, 108, 20};
    slider.SetPos(rc);
    EXPECT_EQ("40,3,48,17", RectText(slider.GetThumbRect()));
    slider.SetEnabled(false);
    EXPECT_EQ(0u, slider.GetControlFlags());
}

TEST(Slider, ReleasingTheMouseMovesTheThumbThere)
{
    const struct
    {
        const char* what;
        const wchar_t* attributes;
        POINT at;
        int value;
        int notifications;
    } cases[] = {
        {"far right: the maximum, once", L"", {199, 10}, 100, 1},
        {"far left: the minimum, unchanged, nothing raised", L"value=\"0\"", {2, 10}, 0, 0},
        {"in between: in proportion to the travel", L"", {100, 10}, 50, 1},
        {"vertical: the top is the maximum", L"hor=\"false\" pos=\"0,0,20,200\"", {10, 1}, 100, 1},
        {"vertical: in between", L"hor=\"false\" pos=\"0,0,20,200\" value=\"90\"", {10, 100}, 50, 1},
        {"a disabled slider stays", L"enabled=\"false\"", {199, 10}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWindow w(Layout(c.attributes).c_str(), 200, 200);
        ASSERT_TRUE(w.ok());
        CSliderUI* slider = w.Find<CSliderUI>(L"s");
        w.Click(c.at.x, c.at.y);
        EXPECT_EQ(c.value, slider->GetValue());
        EXPECT_EQ(c.notifications, w.log.Count(L"valuechanged"));
    }
}

TEST(Slider, DraggingRaisesValuechangedAtEveryMove)
{
    TestWindow w(Layout(L"").c_str(), 200, 100);
    ASSERT_TRUE(w.ok());
    CSliderUI* slider = w.Find<CSliderUI>(L"s");
    w.Move(5, 10);
    w.Down(5, 10); // on the thumb
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(100, 10));
    EXPECT_EQ(50, slider->GetValue());
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(100, 10)); // the same value raises again
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(300, 10));
    EXPECT_EQ(100, slider->GetValue());
    EXPECT_EQ(3, w.log.Count(L"valuechanged"));
    w.Up(300, 10);
    EXPECT_EQ(3, w.log.Count(L"valuechanged")); // released at the value it has

    // A press beside the thumb is no drag.
    w.Down(20, 10);
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(40, 10));
    EXPECT_EQ(100, slider->GetValue());
    w.Up(40, 10);
    EXPECT_EQ(18, slider->GetValue()); // (40 - 5) * 100 / 190
}

TEST(Slider, TheWheelStepsAndAlwaysRaises)
{
    TestWindow w(Layout(L"step=\"5\" value=\"90\"").c_str(), 200, 100);
    ASSERT_TRUE(w.ok());
    CSliderUI* slider = w.Find<CSliderUI>(L"s");
    const struct
    {
        int delta;
        int value;
    } steps[] = {{120, 95}, {120, 100}, {120, 100}, {-120, 95}};
    int raised = 0;
    for (const auto& s : steps) {
        w.Wheel(50, 10, s.delta);
        EXPECT_EQ(s.value, slider->GetValue());
        EXPECT_EQ(++raised, w.log.Count(L"valuechanged"));
    }
    slider->SetEnabled(false);
    w.Wheel(50, 10, -120);
    EXPECT_EQ(95, slider->GetValue());
    EXPECT_EQ(raised, w.log.Count(L"valuechanged"));
}

TEST(Slider, HandCursorOverTheThumb)
{
    CSliderUI slider;
    RECT rc = {0, 0, 200, 20};
    slider.SetPos(rc);
    const struct
    {
        POINT pt;
        int cursor;
    } cases[] = {{{5, 10}, 32649}, {{50, 10}, 32512}};
    for (const auto& c : cases) {
        TEventUI event = {};
        event.type = UIEV_SET_CURSOR;
        event.point = c.pt;
        slider.Event(event);
        EXPECT_EQ(::LoadCursorW(NULL, MAKEINTRESOURCEW(c.cursor)), ::GetCursor()) << c.pt.x;
    }
}

TEST(Slider, ThumbImageByState)
{
    ScratchSkin skin(L"slider");
    WriteBytes(skin.folder() + L"blue.png", EncodePng(SolidImage(10, 10, 0xFF0000FF)));
    WriteBytes(skin.folder() + L"green.png", EncodePng(SolidImage(10, 10, 0xFF00FF00)));
    WriteBytes(skin.folder() + L"red.png", EncodePng(SolidImage(10, 10, 0xFFFF0000)));
    TestWindow w(Layout(L"thumbimage=\"blue.png\" thumbhotimage=\"green.png\" thumbpushedimage=\"red.png\"").c_str(),
                 200, 100);
    ASSERT_TRUE(w.ok());
    TestCanvas canvas(200, 100);
    const struct
    {
        const char* what;
        void (*act)(TestWindow&);
        Rgb thumb;
    } steps[] = {
        {"normal", [](TestWindow&) {}, {0, 0, 255}},
        {"hot", [](TestWindow& w) { w.Move(50, 10); }, {0, 255, 0}},
        {"pushed", [](TestWindow& w) { w.Down(5, 10); }, {255, 0, 0}},
        {"released and left",
         [](TestWindow& w) {
             w.Up(2, 10);
             w.Send(WM_MOUSELEAVE);
         },
         {0, 0, 255}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        s.act(w);
        canvas.Fill(0xFF000000);
        w.PaintInto(canvas);
        EXPECT_TRUE(PixelNear(canvas, 5, 10, s.thumb));
    }
}
