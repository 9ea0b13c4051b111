// The edit under Wine: attributes, the native window opened by a click over the
// text area, typing with "textchanged", Return, closing on focus loss with the
// text kept, limits, read-only, password and number-only, painting of hint and
// mask, and an edit freed while its native window is open.
#include <windowsx.h>

#include <string>

#include "edit.h"
#include "gtest/gtest.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

std::wstring Layout(const std::wstring& editAttributes, const wchar_t* pos = L"10,10,210,40")
{
    return L"<Window size=\"300,260\"><Font name=\"Arial\" size=\"14\"/><VerticalLayout>"
           L"<Edit name=\"e\" float=\"true\" pos=\"" +
           std::wstring(pos) + L"\" " + editAttributes +
           L"/><Button name=\"other\" float=\"true\" pos=\"10,220,100,250\"/></VerticalLayout></Window>";
}

std::wstring NativeText(HWND hWnd)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}

void Type(HWND hWnd, const wchar_t* text)
{
    for (const wchar_t* p = text; *p != 0; ++p) ::SendMessageW(hWnd, WM_CHAR, *p, 1);
}

class EditTest : public ::testing::Test
{
public:
    void Open(const std::wstring& attributes, const wchar_t* pos = L"10,10,210,40")
    {
        layout = Layout(attributes, pos);
        window.reset(new TestWindow(layout.c_str(), 300, 260));
        ASSERT_TRUE(window->ok());
        edit = window->Find<CEditUI>(L"e");
        ASSERT_NE(nullptr, edit);
        // The first paint focuses the first tab stop, the edit; start unfocused,
        // as a window the user is about to click into.
        LoseFocus();
    }
    HWND ClickEdit()
    {
        RECT rc = edit->GetPos();
        window->Click(rc.left + 20, (rc.top + rc.bottom) / 2);
        return edit->GetSafeWnd();
    }
    void LoseFocus()
    {
        window->pm.SetFocus(window->Find<CControlUI>(L"other"));
        PumpUntil([this] { return edit->GetSafeWnd() == NULL; }, 2000);
    }

    std::wstring layout;
    std::unique_ptr<TestWindow> window;
    CEditUI* edit = nullptr;
};

TEST_F(EditTest, AttributesSetTheirProperties)
{
    Open(L"readonly=\"true\" numberonly=\"true\" password=\"true\" maxchar=\"12\" hinttext=\"search\" "
         L"hinttextcolor=\"#FF112233\" nativebkcolor=\"FF445566\" normalimage=\"n.png\" hotimage=\"h.png\" "
         L"focusedimage=\"f.png\" disabledimage=\"d.png\" text=\"abc\"");
    EXPECT_STREQ(L"EditUI", edit->GetClass());
    EXPECT_EQ(edit, edit->GetInterface(L"Edit"));
    EXPECT_NE(nullptr, edit->GetInterface(L"Label"));
    EXPECT_TRUE(edit->IsReadOnly());
    EXPECT_TRUE(edit->IsNumberOnly());
    EXPECT_EQ(ES_NUMBER, edit->GetWindowStyls());
    EXPECT_TRUE(edit->IsPasswordMode());
    EXPECT_EQ(12u, edit->GetMaxChar());
    EXPECT_EQ(L"search", Str(edit->GetHintText()));
    EXPECT_EQ(0xFF112233u, edit->GetHintTextColor());
    EXPECT_EQ(0xFF445566u, edit->GetNativeEditBkColor());
    EXPECT_STREQ(L"n.png", edit->GetNormalImage());
    EXPECT_STREQ(L"h.png", edit->GetHotImage());
    EXPECT_STREQ(L"f.png", edit->GetFocusedImage());
    EXPECT_STREQ(L"d.png", edit->GetDisabledImage());
    EXPECT_EQ(L"abc", Str(edit->GetText()));
    EXPECT_EQ(static_cast<UINT>(CTRLFLAG_TABSTOP | CTRLFLAG_SETCURSOR), edit->GetControlFlags());

    edit->SetAttribute(L"numberonly", L"false");
    edit->SetAttribute(L"readonly", L"1");
    EXPECT_FALSE(edit->IsNumberOnly());
    EXPECT_FALSE(edit->IsReadOnly());
    edit->SetEnabled(false);
    EXPECT_EQ(0u, edit->GetControlFlags());

    CEditUI fresh;
    EXPECT_EQ(255u, fresh.GetMaxChar());
    EXPECT_EQ(L'*', fresh.GetPasswordChar());
    EXPECT_EQ(0xFFFFFFFFu, fresh.GetNativeEditBkColor());
    EXPECT_EQ(0xFF999999u, fresh.GetHintTextColor());
    EXPECT_EQ(0xFFFFFFFFu, fresh.GetBkColor());
    EXPECT_EQ("4,3,4,3", RectText(fresh.GetTextPadding()));
}

TEST_F(EditTest, ClickOpensTheNativeWindowThatTypesClosesOnFocusLossAndKeepsTheText)
{
    Open(L"text=\"ab\"");
    HWND hNative = ClickEdit();
    PumpMessages();
    ASSERT_NE(HWND(NULL), hNative);
    wchar_t className[32] = {};
    ::GetClassNameW(hNative, className, 32);
    EXPECT_STREQ(L"EditWnd", className);
    EXPECT_EQ(window->GetHWND(), ::GetParent(hNative));
    EXPECT_EQ(L"ab", NativeText(hNative));
    EXPECT_TRUE(::IsWindowVisible(hNative));
    EXPECT_TRUE(edit->IsFocused());
    // The click selects everything.
    DWORD start = 0, end = 0;
    ::SendMessageW(hNative, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(2u, end);

    ::SendMessageW(hNative, EM_SETSEL, 2, 2);
    Type(hNative, L"cde");
    EXPECT_EQ(L"abcde", Str(edit->GetText()));
    EXPECT_EQ(3, window->log.Count(L"textchanged"));

    // Set by the program: the native window follows, nothing is reported.
    edit->SetText(L"xyz");
    EXPECT_EQ(L"xyz", NativeText(hNative));
    EXPECT_EQ(3, window->log.Count(L"textchanged"));

    ::SendMessageW(hNative, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(1, window->log.Count(L"return"));
    EXPECT_EQ(L"xyz", NativeText(hNative));

    // The same keys through the message loop, which lets the window's paint
    // manager see them first.
    ::SendMessageW(hNative, EM_SETSEL, 3, 3);
    ::PostMessageW(hNative, WM_CHAR, L'q', 1);
    ::PostMessageW(hNative, WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(hNative));
    EXPECT_EQ(L"xyzq", Str(edit->GetText()));
    EXPECT_EQ(4, window->log.Count(L"textchanged"));
    EXPECT_EQ(2, window->log.Count(L"return"));
    edit->SetText(L"xyz");

    LoseFocus();
    EXPECT_EQ(HWND(NULL), edit->GetSafeWnd());
    EXPECT_FALSE(::IsWindow(hNative));
    EXPECT_EQ(L"xyz", Str(edit->GetText()));
    EXPECT_FALSE(edit->IsFocused());

    // Reopened, it starts from the kept text.
    hNative = ClickEdit();
    ASSERT_NE(HWND(NULL), hNative);
    EXPECT_EQ(L"xyz", NativeText(hNative));
}

TEST_F(EditTest, LimitsReadOnlyAndNumberOnlyReachTheNativeWindow)
{
    struct Case
    {
        const wchar_t* attributes;
        const wchar_t* typed;
        const wchar_t* expected;
    } cases[] = {
        {L"maxchar=\"3\"", L"abcdef", L"abc"},
        {L"readonly=\"true\" text=\"keep\"", L"zz", L"keep"},
        {L"numberonly=\"true\"", L"1a2b", L"12"},
        {L"numberonly=\"true\" numberonly=\"false\"", L"1a", L"1a"},
    };
    for (const Case& c : cases) {
        Open(c.attributes);
        HWND hNative = ClickEdit();
        ASSERT_NE(HWND(NULL), hNative) << c.attributes;
        ::SendMessageW(hNative, EM_SETSEL, 0x7FFF, 0x7FFF);
        Type(hNative, c.typed);
        EXPECT_EQ(c.expected, NativeText(hNative)) << c.attributes;
        EXPECT_EQ(c.expected, Str(edit->GetText())) << c.attributes;
        LoseFocus();
        window.reset();
    }
}

TEST_F(EditTest, ReadOnlyStillOpensAndSelectsForCopying)
{
    Open(L"readonly=\"true\" text=\"copy me\"");
    HWND hNative = ClickEdit();
    ASSERT_NE(HWND(NULL), hNative);
    EXPECT_TRUE(::GetWindowLongW(hNative, GWL_STYLE) & ES_READONLY);
    DWORD start = 0, end = 0;
    ::SendMessageW(hNative, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(7u, end - start);
    edit->SetReadOnly(false);
    EXPECT_FALSE(::GetWindowLongW(hNative, GWL_STYLE) & ES_READONLY);
}

TEST_F(EditTest, PasswordModeMasksTheNativeWindowAndThePaintedText)
{
    Open(L"password=\"true\" hinttext=\"HINT\" hinttextcolor=\"#FFFF0000\" textcolor=\"#FF0000FF\"");
    TestCanvas canvas(300, 260, 0xFFFFFFFF);
    window->PaintInto(canvas);
    const RECT area = {10, 10, 210, 40};
    // Neither text nor hint for an empty password.
    EXPECT_EQ(0, CountColor(canvas, area, Rgb{255, 0, 0}, 60));
    EXPECT_EQ(0, CountColor(canvas, area, Rgb{0, 0, 255}, 60));

    edit->SetPasswordChar(L'#');
    HWND hNative = ClickEdit();
    ASSERT_NE(HWND(NULL), hNative);
    EXPECT_TRUE(::GetWindowLongW(hNative, GWL_STYLE) & ES_PASSWORD);
    EXPECT_EQ(L'#', static_cast<wchar_t>(::SendMessageW(hNative, EM_GETPASSWORDCHAR, 0, 0)));
    Type(hNative, L"secret");
    EXPECT_EQ(L"secret", Str(edit->GetText()));
    LoseFocus();
    canvas.Fill(0xFFFFFFFF);
    window->PaintInto(canvas);
    EXPECT_GT(CountColor(canvas, area, Rgb{0, 0, 255}, 60), 0);
}

TEST_F(EditTest, HintIsPaintedInItsColourOnlyWhileTheTextIsEmpty)
{
    Open(L"hinttext=\"HINT\" hinttextcolor=\"#FFFF0000\" textcolor=\"#FF0000FF\"");
    TestCanvas canvas(300, 260, 0xFFFFFFFF);
    const RECT area = {10, 10, 210, 40};
    window->PaintInto(canvas);
    EXPECT_GT(CountColor(canvas, area, Rgb{255, 0, 0}, 60), 0);
    edit->SetText(L"TEXT");
    canvas.Fill(0xFFFFFFFF);
    window->PaintInto(canvas);
    EXPECT_EQ(0, CountColor(canvas, area, Rgb{255, 0, 0}, 60));
    EXPECT_GT(CountColor(canvas, area, Rgb{0, 0, 255}, 60), 0);
}

TEST_F(EditTest, TallEditGetsANativeWindowOfTheFontHeightCentred)
{
    Open(L"font=\"0\"", L"10,10,210,210");
    HWND hNative = ClickEdit();
    ASSERT_NE(HWND(NULL), hNative);
    RECT rc;
    ::GetWindowRect(hNative, &rc);
    ::MapWindowPoints(NULL, window->GetHWND(), reinterpret_cast<POINT*>(&rc), 2);
    const int fontHeight = window->pm.GetFontInfo(0)->tm.tmHeight;
    EXPECT_EQ(fontHeight, rc.bottom - rc.top);
    EXPECT_EQ(13 + (194 - fontHeight) / 2, rc.top);
    EXPECT_EQ(14, rc.left);
    EXPECT_EQ(206, rc.right);
    EXPECT_EQ(reinterpret_cast<WPARAM>(window->pm.GetFont(0)),
              static_cast<WPARAM>(::SendMessageW(hNative, WM_GETFONT, 0, 0)));
}

TEST_F(EditTest, HidingTheEditClosesItsNativeWindow)
{
    Open(L"");
    ASSERT_NE(HWND(NULL), ClickEdit());
    edit->SetVisible(false);
    PumpUntil([this] { return edit->GetSafeWnd() == NULL; }, 2000);
    EXPECT_EQ(HWND(NULL), edit->GetSafeWnd());
}

TEST_F(EditTest, AnEditFreedWhileItsNativeWindowIsOpenTakesTheWindowWithIt)
{
    Open(L"text=\"gone\"");
    HWND hNative = ClickEdit();
    ASSERT_NE(HWND(NULL), hNative);
    CContainerUI* parent = static_cast<CContainerUI*>(edit->GetParent());
    parent->SetDelayedDestroy(false);
    parent->Remove(edit);
    edit = nullptr;
    EXPECT_FALSE(::IsWindow(hNative));
    PumpMessages();
}

TEST_F(EditTest, EstimateSizeUsesTheFontHeightWithoutAFixedHeight)
{
    Open(L"font=\"0\"");
    edit->SetFixedHeight(0);
    SIZE sz = edit->EstimateSize(SIZE{300, 300});
    EXPECT_EQ(window->pm.GetFontInfo(0)->tm.tmHeight + 6, sz.cy);
    edit->SetFixedHeight(40);
    EXPECT_EQ(40, edit->EstimateSize(SIZE{300, 300}).cy);
}

TEST_F(EditTest, StateImagesFollowHotFocusedAndDisabledAndAnEmptyOneFallsBackToNormal)
{
    ScratchSkin skin(L"edit_states");
    WriteBytes(skin.folder() + L"blue.png", EncodePng(SolidImage(10, 10, 0xFF0000FF)));
    WriteBytes(skin.folder() + L"green.png", EncodePng(SolidImage(10, 10, 0xFF00FF00)));
    WriteBytes(skin.folder() + L"red.png", EncodePng(SolidImage(10, 10, 0xFFFF0000)));
    WriteBytes(skin.folder() + L"gray.png", EncodePng(SolidImage(10, 10, 0xFF808080)));
    Open(L"normalimage=\"blue.png\" hotimage=\"green.png\" focusedimage=\"red.png\" disabledimage=\"gray.png\"");
    TestCanvas canvas(300, 260);
    const struct
    {
        const char* what;
        void (*act)(EditTest&);
        Rgb color;
    } steps[] = {
        {"normal", [](EditTest&) {}, {0, 0, 255}},
        {"hot", [](EditTest& t) { t.window->Move(100, 25); }, {0, 255, 0}},
        {"focused", [](EditTest& t) { t.window->pm.SetFocus(t.edit); }, {255, 0, 0}},
        {"disabled", [](EditTest& t) { t.edit->SetEnabled(false); }, {128, 128, 128}},
        {"enabled, unfocused and left",
         [](EditTest& t) {
             t.edit->SetEnabled(true);
             t.window->pm.SetFocus(t.window->Find<CControlUI>(L"other"));
             t.window->Send(WM_MOUSELEAVE);
         },
         {0, 0, 255}},
        {"hot without a hot image",
         [](EditTest& t) {
             t.edit->SetHotImage(L"");
             t.window->Move(100, 25);
         },
         {0, 0, 255}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(*this);
        canvas.Fill(0xFF000000);
        window->PaintInto(canvas);
        EXPECT_TRUE(PixelNear(canvas, 11, 38, step.color));
    }
}

TEST_F(EditTest, NativeBackgroundColourPaintsTheNativeWindowOnlyWhenSet)
{
    for (const wchar_t* attributes : {L"nativebkcolor=\"#FF445566\" textcolor=\"#FF010203\"", L""}) {
        Open(attributes);
        HWND hNative = ClickEdit();
        ASSERT_NE(HWND(NULL), hNative);
        HDC hDC = ::GetDC(hNative);
        HBRUSH brush = reinterpret_cast<HBRUSH>(
            window->Send(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hNative)));
        if (*attributes == 0) {
            EXPECT_EQ(HBRUSH(NULL), brush);
        } else {
            LOGBRUSH lb = {};
            ASSERT_EQ(static_cast<int>(sizeof(lb)), ::GetObjectW(brush, sizeof(lb), &lb));
            EXPECT_EQ(RGB(0x44, 0x55, 0x66), lb.lbColor);
            EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(hDC));
            EXPECT_EQ(TRANSPARENT, ::GetBkMode(hDC));
        }
        ::ReleaseDC(hNative, hDC);
        LoseFocus();
        window.reset();
    }
}

} // namespace
