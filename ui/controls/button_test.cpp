// The button in a real window: clicks released inside and outside, the pushed
// state following a captured pointer, hover, Space and Return, the context
// menu; state images and state text colours painted into a DIB; attributes.
#include <string>

#include "button.h"
#include "gtest/gtest.h"
#include "core/test_support/direct_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const wchar_t kLayout[] = L"<Window><Container>"
                          L"<Button name=\"b\" float=\"true\" pos=\"10,10,60,40\" text=\"OK\"/>"
                          L"<Button name=\"other\" float=\"true\" pos=\"100,10,150,40\" text=\"Other\"/>"
                          L"</Container></Window>";

class ButtonWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.ok());
        button = w.Find<CButtonUI>(L"b");
        ASSERT_TRUE(button != NULL);
    }
    UINT State() const { return button->GetButtonState(); }

    TestWindow w{kLayout};
    CButtonUI* button = nullptr;
};

} // namespace

TEST_F(ButtonWindow, ReleaseInsideClicksReleaseOutsideDoesNot)
{
    w.Click(20, 20);
    EXPECT_EQ(1, w.log.Count(L"click"));
    EXPECT_EQ(button, w.log.records.back().sender);

    // Down inside, dragged out and back in: pushed follows the pointer.
    w.Move(20, 20);
    w.Down(20, 20);
    EXPECT_EQ(UISTATE_PUSHED | UISTATE_CAPTURED, State() & (UISTATE_PUSHED | UISTATE_CAPTURED));
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(80, 20));
    EXPECT_EQ(0u, State() & UISTATE_PUSHED);
    EXPECT_NE(0u, State() & UISTATE_CAPTURED);
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(30, 20));
    EXPECT_NE(0u, State() & UISTATE_PUSHED);
    w.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(80, 20));
    w.Up(80, 20);
    EXPECT_EQ(1, w.log.Count(L"click"));
    EXPECT_EQ(0u, State() & (UISTATE_PUSHED | UISTATE_CAPTURED));

    // Down outside and up inside clicks nothing either.
    w.Move(80, 20);
    w.Down(80, 20);
    w.Move(20, 20);
    w.Up(20, 20);
    EXPECT_EQ(1, w.log.Count(L"click"));
}

TEST_F(ButtonWindow, HoverSetsAndClearsTheHotState)
{
    w.Move(20, 20);
    EXPECT_NE(0u, State() & UISTATE_HOT);
    w.Move(120, 20);
    EXPECT_EQ(0u, State() & UISTATE_HOT);
}

TEST_F(ButtonWindow, DisabledButtonsIgnoreClicksAndLoseTheirState)
{
    w.Move(20, 20);
    w.Down(20, 20);
    button->SetEnabled(false);
    EXPECT_EQ(0u, State());
    w.Up(20, 20);
    w.Click(20, 20);
    EXPECT_EQ(0, w.log.Count(L"click"));
    EXPECT_FALSE(button->Activate());
    button->SetEnabled(true);
    button->SetVisible(false);
    EXPECT_FALSE(button->Activate());
    EXPECT_EQ(0, w.log.Count(L"click"));
}

TEST_F(ButtonWindow, SpaceAndReturnClickAFocusedButton)
{
    struct Case
    {
        WPARAM key;
        bool keyboard;
        int clicks;
    } cases[] = {{VK_SPACE, true, 1}, {VK_RETURN, true, 1}, {'A', true, 0}, {VK_SPACE, false, 0}};
    for (const Case& c : cases) {
        button->SetKeyboardEnabled(c.keyboard);
        button->SetFocus();
        w.log.records.clear();
        w.Key(WM_KEYDOWN, c.key);
        EXPECT_EQ(c.clicks, w.log.Count(L"click")) << c.key << " " << c.keyboard;
    }
}

TEST_F(ButtonWindow, ContextMenuRaisesMenuWhenUsed)
{
    POINT screen = {20, 20};
    ::ClientToScreen(w, &screen);
    for (bool used : {false, true}) {
        button->SetContextMenuUsed(used);
        w.Move(20, 20);
        w.Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(20, 20));
        w.Send(WM_RBUTTONUP, 0, Point(20, 20));
        w.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.GetHWND()), Point(screen.x, screen.y));
        EXPECT_EQ(used ? 1 : 0, w.log.Count(L"menu"));
    }
}

TEST_F(ButtonWindow, HandCursorUnlessTurnedOff)
{
    struct Case
    {
        const wchar_t* value;
        bool noHand;
    } cases[] = {{L"false", false}, {L"no", true}, {L"true", true}, {L"", true}};
    HCURSOR hand = ::LoadCursorW(NULL, IDC_HAND);
    HCURSOR arrow = ::LoadCursorW(NULL, IDC_ARROW);
    for (const Case& c : cases) {
        button->SetAttribute(L"nohotcursor", c.value);
        EXPECT_EQ(c.noHand, button->IsNoHotCursor());
        TEventUI event = {};
        event.type = UIEV_SET_CURSOR;
        button->DoEvent(event);
        EXPECT_EQ(c.noHand ? arrow : hand, ::GetCursor());
    }
}

TEST(ButtonBasics, FlagsSizeStyleAndInterfaces)
{
    CButtonUI button;
    EXPECT_EQ(static_cast<UINT>(DT_SINGLELINE | DT_VCENTER | DT_CENTER), button.GetTextStyle());
    EXPECT_STREQ(L"ButtonUI", button.GetClass());
    EXPECT_TRUE(button.GetInterface(L"Button") == &button);
    EXPECT_TRUE(button.GetInterface(L"Label") != NULL);
    struct Case
    {
        bool enabled, keyboard;
        UINT flags;
    } cases[] = {{true, true, 3}, {true, false, 2}, {false, true, 1}, {false, false, 0}};
    for (const Case& c : cases) {
        button.SetEnabled(c.enabled);
        button.SetKeyboardEnabled(c.keyboard);
        EXPECT_EQ(c.flags, button.GetControlFlags());
    }

    TestWindow window(100, 100);
    button.SetManager(&window.pm, NULL, false);
    SIZE available = {100, 100};
    EXPECT_EQ(window.pm.GetDefaultFontInfo()->tm.tmHeight + 8, button.EstimateSize(available).cy);
    button.SetFixedHeight(30);
    EXPECT_EQ(30, button.EstimateSize(available).cy);
    button.SetManager(NULL, NULL, false);
}

TEST(ButtonBasics, AttributesReachTheirAccessors)
{
    CButtonUI button;
    struct ImageCase
    {
        const wchar_t* name;
        const wchar_t* (CButtonUI::*get)();
    } images[] = {
        {L"normalimage", &CButtonUI::GetNormalImage},     {L"hotimage", &CButtonUI::GetHotImage},
        {L"pushedimage", &CButtonUI::GetPushedImage},     {L"focusedimage", &CButtonUI::GetFocusedImage},
        {L"disabledimage", &CButtonUI::GetDisabledImage}, {L"foreimage", &CButtonUI::GetForeImage},
        {L"hotforeimage", &CButtonUI::GetHotForeImage},
    };
    for (const ImageCase& c : images) {
        button.SetAttribute(c.name, c.name);
        EXPECT_STREQ(c.name, (button.*c.get)());
    }
    struct ColourCase
    {
        const wchar_t* name;
        DWORD (CButtonUI::*get)() const;
    } colours[] = {{L"hotbkcolor", &CButtonUI::GetHotBkColor},
                   {L"hottextcolor", &CButtonUI::GetHotTextColor},
                   {L"pushedtextcolor", &CButtonUI::GetPushedTextColor},
                   {L"focusedtextcolor", &CButtonUI::GetFocusedTextColor}};
    for (const ColourCase& c : colours) {
        button.SetAttribute(c.name, L"#FF123456");
        EXPECT_EQ(0xFF123456u, (button.*c.get)());
    }
    button.SetAttribute(L"textcolor", L"#FF654321"); // the label's
    EXPECT_EQ(0xFF654321u, button.GetTextColor());
}

namespace {

// A button with solid-colour state images, painted on a black canvas.
class ButtonPaint : public ::testing::Test, protected DirectControl<CButtonUI>
{
protected:
    ButtonPaint() : DirectControl<CButtonUI>(L"button_paint")
    {
        WriteSolidImages(skin.folder(), {{L"normal.png", 0xFF808080},
                                         {L"hot.png", 0xFFFF0000},
                                         {L"pushed.png", 0xFF00FF00},
                                         {L"focused.png", 0xFF0000FF},
                                         {L"disabled.png", 0xFFFFFF00},
                                         {L"fore.png", 0xFFFFFFFF},
                                         {L"hotfore.png", 0xFF00FFFF}});
        button.SetNormalImage(L"normal.png");
        button.SetHotImage(L"hot.png");
        button.SetPushedImage(L"pushed.png");
        button.SetFocusedImage(L"focused.png");
        button.SetDisabledImage(L"disabled.png");
    }

    CButtonUI& button = control;
};

bool Same(Rgb a, Rgb b) { return SameColor(a, b); }

} // namespace

TEST_F(ButtonPaint, EachStateDrawsItsImage)
{
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint()));
    Send(UIEV_MOUSE_ENTER);
    EXPECT_TRUE(Same(Rgb{255, 0, 0}, Paint()));
    Send(UIEV_BUTTON_DOWN);
    EXPECT_TRUE(Same(Rgb{0, 255, 0}, Paint()));
    Send(UIEV_BUTTON_UP, 100, 100); // released outside
    Send(UIEV_MOUSE_LEAVE);
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint()));
    Send(UIEV_SET_FOCUS);
    EXPECT_TRUE(Same(Rgb{0, 0, 255}, Paint()));
    Send(UIEV_KILL_FOCUS);
    button.SetEnabled(false);
    EXPECT_TRUE(Same(Rgb{255, 255, 0}, Paint()));
    // Without a disabled image the normal one stands in.
    button.SetDisabledImage(L"");
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint()));
}

TEST_F(ButtonPaint, ForeImagesAndHotColour)
{
    button.SetForeImage(L"file='fore.png' dest='0,0,10,10'");
    EXPECT_TRUE(Same(Rgb{255, 255, 255}, Paint(5, 5)));
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint(20, 10)));

    // Hot: the hot fore image replaces the fore image.
    Send(UIEV_MOUSE_ENTER);
    button.SetHotForeImage(L"file='hotfore.png' dest='0,0,10,10'");
    EXPECT_TRUE(Same(Rgb{0, 255, 255}, Paint(5, 5)));
    EXPECT_TRUE(Same(Rgb{255, 0, 0}, Paint(20, 10)));

    // Hot without a hot image: the hot background colour alone.
    button.SetHotImage(L"");
    button.SetHotBkColor(0xFF102030);
    EXPECT_TRUE(Same(Rgb{0x10, 0x20, 0x30}, Paint(5, 5)));
    EXPECT_TRUE(Same(Rgb{0x10, 0x20, 0x30}, Paint(20, 10)));
}

TEST_F(ButtonPaint, StateTextColours)
{
    button.SetNormalImage(L"");
    button.SetHotImage(L"");
    button.SetPushedImage(L"");
    button.SetFocusedImage(L"");
    button.SetText(L"WWWWW");
    button.SetTextColor(0xFFFFFFFF);
    button.SetHotTextColor(0xFFFF0000);
    button.SetPushedTextColor(0xFF00FF00);
    button.SetFocusedTextColor(0xFF0000FF);
    const RECT all = {0, 0, 40, 20};
    struct Step
    {
        int event;
        Rgb colour;
    } steps[] = {{UIEV_SET_FOCUS, {0, 0, 255}},
                 {UIEV_MOUSE_ENTER, {255, 0, 0}},
                 {UIEV_BUTTON_DOWN, {0, 255, 0}},
                 {UIEV_KILL_FOCUS, {0, 255, 0}}};
    Paint();
    EXPECT_GT(CountColor(canvas, all, {255, 255, 255}), 3);
    for (const Step& step : steps) {
        Send(step.event);
        Paint();
        EXPECT_GT(CountColor(canvas, all, step.colour), 3) << step.event;
    }
}

TEST_F(ButtonWindow, AMouseDisabledButtonLeavesTheMouseToItsParent)
{
    button->SetMouseEnabled(false);
    w.Click(20, 20);
    EXPECT_EQ(0u, State() & (UISTATE_HOT | UISTATE_PUSHED | UISTATE_CAPTURED));
    EXPECT_EQ(0, w.log.Count(L"click"));
    // The keyboard still works.
    button->SetFocus();
    w.Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(1, w.log.Count(L"click"));
}
