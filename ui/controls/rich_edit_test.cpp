// The rich edit in a real window under the windowless text engine: attributes
// from XML, typing through window messages, selection and ranges, limits,
// read-only, Return and Tab rules, scrolling with the framework bar, the
// engine's notifications, the composition window and the painted text.
#include <windows.h>
#include <imm.h>

#include <functional>
#include <memory>
#include <string>

#include "core/dialog_builder.h"
#include "gtest/gtest.h"
#include "rich_edit.h"
#include "core/scroll_bar.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"
#include "text_host.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// A managed window that records the engine notifications it is sent.
class NotifyWindow : public TestWindow
{
public:
    std::vector<NMHDR> notifications;
    int paints = 0;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg == WM_PAINT) ++paints;
        if (uMsg == WM_NOTIFY) {
            notifications.push_back(*reinterpret_cast<NMHDR*>(lParam));
            return 0;
        }
        return TestWindow::HandleMessage(uMsg, wParam, lParam);
    }
};

void SetCtrl(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

class RichEditTest : public ::testing::Test
{
protected:
    void Build(const std::wstring& attributes, int width = 300, int height = 200)
    {
        Close();
        win.reset(new NotifyWindow());
        win->CreateAt(0, 0, width, height);
        std::wstring xml =
            L"<Window><Container bkcolor='#FFFFFFFF'><RichEdit name='re' " + attributes + L"/></Container></Window>";
        for (wchar_t& ch : xml)
            if (ch == L'\'') ch = L'"'; // the markup takes double quotes
        ASSERT_TRUE(win->Load(xml.c_str())) << "layout not built: " << win->buildError();
        re = win->Find<CRichEditUI>(L"re");
        ASSERT_NE(re, nullptr);
        re->SetFocus();
    }
    void TearDown() override
    {
        SetCtrl(false);
        Close();
    }
    void Close()
    {
        win.reset();
        re = nullptr;
    }
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return win->Send(msg, wParam, lParam); }
    void Type(const wchar_t* text) { win->Type(text); }
    void Key(WPARAM vk)
    {
        Send(WM_KEYDOWN, vk, 1);
        Send(WM_KEYUP, vk, 0xC0000001);
    }
    std::wstring Text() const { return re->GetText().GetData(); }
    // Paints the window on white and counts the clearly red pixels (text drawn
    // in red), without caring which glyph pixels they are.
    int PaintRedPixels(SkinUI::test::TestCanvas& canvas, const RECT& rc)
    {
        canvas.Fill(0xFFFFFFFF);
        win->pm.PaintTo(canvas.dc(), rc, rc);
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++) {
                SkinUI::test::Rgb p = canvas.At(x, y);
                if (p.r > 150 && p.g < 100 && p.b < 100) ++n;
            }
        return n;
    }

    std::unique_ptr<NotifyWindow> win;
    CRichEditUI* re = nullptr;
};

} // namespace

TEST(RichEditAttributes, StylesAndFlagsFromTheLayout)
{
    struct Case
    {
        const wchar_t* name;
        const wchar_t* value;
        LONG styleSet;   // bits that must be set afterwards
        LONG styleClear; // bits that must be clear afterwards
    } cases[] = {
        {L"vscrollbar", L"true", WS_VSCROLL | ES_DISABLENOSCROLL, 0},
        {L"hscrollbar", L"true", WS_HSCROLL | ES_DISABLENOSCROLL, 0},
        {L"vscrollbar", L"false", 0, WS_VSCROLL},
        {L"autovscroll", L"true", ES_AUTOVSCROLL, 0},
        {L"autohscroll", L"true", ES_AUTOHSCROLL, 0},
        {L"multiline", L"false", 0, ES_MULTILINE},
        {L"multiline", L"true", ES_MULTILINE, 0},
        {L"readonly", L"true", ES_READONLY, 0},
        {L"password", L"true", ES_PASSWORD, 0},
        {L"password", L"TRUE", 0, ES_PASSWORD},
        {L"align", L"center", ES_CENTER, ES_RIGHT},
        {L"align", L"right", ES_RIGHT, ES_CENTER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << "=" << c.value);
        CRichEditUI re;
        EXPECT_EQ(ES_MULTILINE, re.GetStyle());
        re.SetAttribute(c.name, c.value);
        EXPECT_EQ(c.styleSet, re.GetStyle() & c.styleSet);
        EXPECT_EQ(0, re.GetStyle() & c.styleClear);
    }

    CRichEditUI re;
    EXPECT_TRUE(re.IsWantTab() && re.IsWantReturn() && re.IsWantCtrlReturn() && re.IsRich());
    EXPECT_EQ(&re, re.GetInterface(L"WantTab"));
    re.ApplyAttributeList(L"wanttab=\"false\" wantreturn=\"yes\" wantctrlreturn=\"false\" rich=\"false\" "
                          L"readonly=\"true\" font=\"2\" textcolor=\"  #FF102030\"");
    EXPECT_FALSE(re.IsWantTab());
    EXPECT_EQ(nullptr, re.GetInterface(L"WantTab"));
    EXPECT_FALSE(re.IsWantReturn()); // only "true" is true
    EXPECT_FALSE(re.IsWantCtrlReturn());
    EXPECT_FALSE(re.IsRich());
    EXPECT_TRUE(re.IsReadOnly());
    EXPECT_EQ(2, re.GetFont());
    EXPECT_EQ(0xFF102030u, re.GetTextColor());
    EXPECT_STREQ(L"RichEditUI", re.GetClass());
    EXPECT_EQ(&re, re.GetInterface(L"RichEdit"));
    EXPECT_NE(nullptr, re.GetInterface(L"Container"));
}

TEST(RichEditWithoutHost, OperationsAnswerNothingAndPropertiesAreKept)
{
    CRichEditUI re; // never initialised: no window, no engine
    re.SetText(L"kept");
    EXPECT_STREQ(L"kept", re.GetText().GetData());
    EXPECT_EQ(0, re.GetTextLength());
    EXPECT_EQ(0, re.GetLineCount());
    EXPECT_TRUE(re.GetSelText().IsEmpty());
    EXPECT_TRUE(re.GetTextRange(0, -1).IsEmpty());
    EXPECT_TRUE(re.GetLine(0, 10).IsEmpty());
    EXPECT_EQ(nullptr, re.GetTextHost());
    EXPECT_EQ(nullptr, re.GetTextServices());
    EXPECT_EQ(nullptr, re.GetTxDropTarget());
    LRESULT result = 0;
    EXPECT_NE(S_OK, re.TxSendMessage(WM_CHAR, L'a', 0, &result));
    EXPECT_EQ(1, result);
    re.SetLimitText(3);
    EXPECT_EQ(3, re.GetLimitText());
    bool handled = false;
    re.MessageHandler(WM_CHAR, L'a', 0, handled);
    EXPECT_FALSE(handled);
}

TEST_F(RichEditTest, TypedTextReadsBackWithSelectionAndRanges)
{
    Build(L"text='ab' rich='false'");
    ASSERT_NE(nullptr, re->GetTextServices());
    re->GetTextServices()->Release();
    EXPECT_EQ(L"ab", Text());
    re->SetSel(-1, -1);
    Type(L"cdef");
    EXPECT_EQ(L"abcdef", Text());
    EXPECT_EQ(4, win->log.Count(L"textchanged"));
    EXPECT_EQ(6, re->GetTextLength());
    EXPECT_TRUE(re->GetModify());

    re->SetSel(1, 3);
    EXPECT_EQ(L"bc", std::wstring(re->GetSelText().GetData()));
    long start = 0, end = 0;
    re->GetSel(start, end);
    EXPECT_EQ(1, start);
    EXPECT_EQ(3, end);
    re->ReplaceSel(L"XYZ", true);
    EXPECT_EQ(L"aXYZdef", Text());
    EXPECT_TRUE(re->Undo());
    EXPECT_EQ(L"abcdef", Text());

    struct Range
    {
        long start, end;
        const wchar_t* expected;
    } ranges[] = {
        {0, -1, L"abcdef"}, {2, 4, L"cd"}, {4, 100, L"ef"}, {-3, 2, L"ab"}, {5, 1, L""}, {6, 6, L""},
    };
    for (const Range& r : ranges) {
        SCOPED_TRACE(testing::Message() << r.start << ".." << r.end);
        EXPECT_EQ(std::wstring(r.expected), std::wstring(re->GetTextRange(r.start, r.end).GetData()));
    }

    re->InsertText(0, L">");
    re->AppendText(L"<");
    EXPECT_EQ(L">abcdef<", Text());
    re->SetSelAll();
    EXPECT_EQ(L">abcdef<", std::wstring(re->GetSelText().GetData()));
    re->SetSelNone();
    EXPECT_TRUE(re->GetSelText().IsEmpty());

    // A line read with a small maximum is cut at the maximum and terminated.
    EXPECT_EQ(L">ab", std::wstring(re->GetLine(0, 3).GetData()));
    EXPECT_EQ(L">abcdef<", std::wstring(re->GetLine(0, 8).GetData()));
    EXPECT_TRUE(re->GetLine(0, 0).IsEmpty());

    re->SetText(L"fresh");
    EXPECT_EQ(L"fresh", Text());
}

TEST_F(RichEditTest, TextLimitsAndReadOnly)
{
    Build(L"");
    re->SetLimitText(4);
    Type(L"123456");
    EXPECT_EQ(L"1234", Text());

    // No limit or a negative one is the usual 32767 characters, not none at all.
    for (int limit : {0, -5}) {
        SCOPED_TRACE(limit);
        re->SetLimitText(limit);
        EXPECT_EQ(limit, re->GetLimitText());
        CTxtWinHost* host = re->GetTextHost();
        ASSERT_NE(nullptr, host);
        EXPECT_EQ(32767, host->GetMaxLength());
        host->Release();
        LRESULT engineLimit = 0;
        re->TxSendMessage(EM_GETLIMITTEXT, 0, 0, &engineLimit);
        EXPECT_EQ(32767, engineLimit);
    }

    re->SetText(L"fixed");
    re->SetReadOnly(true);
    re->SetSel(-1, -1);
    Type(L"zz");
    Key(VK_BACK);
    EXPECT_EQ(L"fixed", Text());
    re->SetReadOnly(false);
    Type(L"!");
    EXPECT_EQ(L"fixed!", Text());
}

TEST_F(RichEditTest, ReadOnlyFromTheLayoutRefusesTyping)
{
    Build(L"text='locked' readonly='true'");
    re->SetSel(0, 0);
    Type(L"abc");
    EXPECT_EQ(L"locked", Text());
}

TEST_F(RichEditTest, ReturnIsInsertedOrNotifiedByTheWantFlags)
{
    struct Case
    {
        const wchar_t* attributes;
        bool ctrl;
        int notifications;
        int lines;
    } cases[] = {
        {L"", false, 0, 2},
        {L"wantreturn='false'", false, 1, 1},
        {L"wantctrlreturn='false'", true, 1, 1},
        {L"wantctrlreturn='false'", false, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.attributes << (c.ctrl ? " with Ctrl" : ""));
        Build(c.attributes);
        Type(L"ab");
        SetCtrl(c.ctrl);
        Send(WM_KEYDOWN, VK_RETURN, 1);
        Send(WM_CHAR, c.ctrl ? L'\n' : L'\r', 1);
        Send(WM_KEYUP, VK_RETURN, 0xC0000001);
        SetCtrl(false);
        Type(L"c");
        EXPECT_EQ(c.notifications, win->log.Count(L"return"));
        EXPECT_EQ(c.lines, re->GetLineCount());
    }
}

TEST_F(RichEditTest, TabIsTypedOnlyWhenWanted)
{
    for (bool want : {true, false}) {
        SCOPED_TRACE(want);
        Build(want ? L"" : L"wanttab='false'");
        Type(L"a");
        // Through the message loop, where Tab may move the focus.
        ::PostMessageW(win->GetHWND(), WM_KEYDOWN, VK_TAB, 1);
        PumpMessages();
        EXPECT_EQ(want, Text().find(L'\t') != std::wstring::npos);
    }
}

TEST_F(RichEditTest, LongTextScrollsWithTheFrameworkBarAndTheWheel)
{
    Build(L"vscrollbar='true' rich='false'", 200, 100);
    std::wstring text;
    for (int i = 0; i < 40; i++) text += L"line " + std::to_wstring(i) + L"\r";
    re->SetText(text.c_str());
    PaintNow(win->GetHWND());
    CScrollBarUI* bar = re->GetVerticalScrollBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_GT(bar->GetScrollRange(), 0);
    EXPECT_LT(re->GetPos().right - bar->GetPos().left, 20); // at the right edge

    re->HomeUp();
    EXPECT_EQ(0, bar->GetScrollPos());
    re->LineDown();
    const int afterLine = bar->GetScrollPos();
    EXPECT_GT(afterLine, 0);
    re->PageDown();
    const RECT& rcText = re->GetPos();
    EXPECT_EQ(afterLine + (rcText.bottom - rcText.top), bar->GetScrollPos());
    re->PageUp();
    EXPECT_EQ(afterLine, bar->GetScrollPos());

    // The end shows the last lines, not an empty view below them; a further
    // line step of plain text keeps the bar at its end.
    re->EndDown();
    EXPECT_EQ(bar->GetScrollRange(), bar->GetScrollPos());
    EXPECT_GE(re->LineFromChar(re->CharFromPos(POINT{5, rcText.bottom - 8})), 38);
    EXPECT_LE(re->LineFromChar(re->CharFromPos(POINT{5, rcText.top + 2})), 36);
    re->LineDown();
    EXPECT_EQ(bar->GetScrollRange(), bar->GetScrollPos());
    re->HomeUp();
    EXPECT_EQ(0, bar->GetScrollPos());

    SIZE pos = {0, 30};
    re->SetScrollPos(pos);
    EXPECT_EQ(30, bar->GetScrollPos());
    EXPECT_GT(re->CharFromPos(POINT{5, re->GetPos().top + 2}), 0); // the first shown line is not the first
    re->HomeUp();

    // The wheel without Ctrl scrolls through the framework; with Ctrl the engine zooms.
    POINT screen = {50, 40};
    ::ClientToScreen(win->GetHWND(), &screen);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    EXPECT_GT(bar->GetScrollPos(), 0);
    int num = 0, den = 0;
    re->GetZoom(num, den);
    EXPECT_EQ(0, num);
    SetCtrl(true);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    SetCtrl(false);
    re->GetZoom(num, den);
    EXPECT_NE(0, num);

    // Text that fits again takes the bar away.
    re->SetText(L"short");
    PaintNow(win->GetHWND());
    PaintNow(win->GetHWND());
    EXPECT_FALSE(bar->IsVisible() && bar->GetScrollRange() > 0);
}

TEST_F(RichEditTest, ZoomRatiosAreBounded)
{
    Build(L"");
    struct Case
    {
        int num, den;
        bool ok;
    } cases[] = {{2, 1, true}, {65, 1, false}, {1, 65, false}, {-1, 1, false}, {64, 64, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.num << "/" << c.den);
        EXPECT_EQ(c.ok, re->SetZoom(c.num, c.den));
    }
    EXPECT_TRUE(re->SetZoomOff());
}

TEST_F(RichEditTest, EngineNotificationsReachTheWindowCompleted)
{
    Build(L"text='hello'");
    re->SetEventMask(ENM_SELCHANGE);
    EXPECT_EQ(static_cast<DWORD>(ENM_SELCHANGE), re->GetEventMask());
    win->notifications.clear();
    re->SetSel(1, 2);
    ASSERT_FALSE(win->notifications.empty());
    const NMHDR& hdr = win->notifications.back();
    EXPECT_EQ(static_cast<UINT>(EN_SELCHANGE), hdr.code);
    EXPECT_EQ(win->GetHWND(), hdr.hwndFrom);

    // Codes outside the rich-edit range and the resize request go nowhere.
    win->notifications.clear();
    NMHDR plain = {};
    re->OnTxNotify(EN_CHANGE, &plain);
    REQRESIZE resize = {};
    re->OnTxNotify(EN_REQUESTRESIZE, &resize);
    re->OnTxNotify(EN_SELCHANGE, NULL);
    EXPECT_TRUE(win->notifications.empty());
}

TEST_F(RichEditTest, ClicksFocusAndPlaceTheCaret)
{
    Build(L"text='abcdef'");
    win->pm.SetFocus(NULL);
    EXPECT_NE(re, win->pm.GetFocus());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(1, 5));
    Send(WM_LBUTTONUP, 0, Point(1, 5));
    EXPECT_EQ(re, win->pm.GetFocus());
    long start = -1, end = -1;
    re->GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(0, end);
    Type(L"#");
    EXPECT_EQ(L"#abcdef", Text());

    // Keys go only to the focused rich edit.
    win->pm.SetFocus(NULL);
    Type(L"!");
    EXPECT_EQ(L"#abcdef", Text());

    // A disabled or hidden rich edit takes no input even with the focus.
    re->SetFocus();
    re->SetEnabled(false);
    Type(L"!");
    re->SetEnabled(true);
    re->SetVisible(false);
    Type(L"!");
    EXPECT_EQ(L"#abcdef", Text());
    re->SetVisible(true);
}

TEST_F(RichEditTest, CompositionWindowFollowsTheCaret)
{
    Build(L"text='abc'");
    re->SetSel(3, 3);
    PaintNow(win->GetHWND());
    POINT caret = {};
    ::GetCaretPos(&caret);
    Send(WM_IME_COMPOSITION, 0, 0);
    HIMC himc = ::ImmGetContext(win->GetHWND());
    ASSERT_NE(nullptr, himc);
    COMPOSITIONFORM form = {};
    EXPECT_TRUE(::ImmGetCompositionWindow(himc, &form));
    ::ImmReleaseContext(win->GetHWND(), himc);
    EXPECT_EQ(static_cast<DWORD>(CFS_POINT), form.dwStyle);
    EXPECT_EQ(caret.x, form.ptCurrentPos.x);
    EXPECT_EQ(caret.y, form.ptCurrentPos.y);
}

TEST_F(RichEditTest, TextIsPaintedInTheTextColour)
{
    Build(L"textcolor='#FFFF0000' inset='10,10,10,10'", 200, 60);
    SkinUI::test::TestCanvas canvas(200, 60, 0xFFFFFFFF);
    RECT rc = {0, 0, 200, 60};
    EXPECT_EQ(0, PaintRedPixels(canvas, rc));
    Type(L"MMMM WWWW");
    EXPECT_GT(PaintRedPixels(canvas, rc), 20);
    // Nothing is drawn in the inset.
    for (int x = 0; x < 200; x += 7) EXPECT_TRUE(SkinUI::test::PixelNear(canvas, x, 3, {255, 255, 255}));
}

TEST_F(RichEditTest, PasswordTextIsMasked)
{
    auto ink = [&](const wchar_t* text, bool password = true) {
        Build(password ? L"password='true' textcolor='#FFFF0000'" : L"textcolor='#FFFF0000'", 200, 40);
        re->SetText(text);
        SkinUI::test::TestCanvas canvas(200, 40, 0xFFFFFFFF);
        return PaintRedPixels(canvas, canvas.rect());
    };
    const int narrow = ink(L"iiiiiiii");
    EXPECT_EQ(L"iiiiiiii", Text()); // the text itself is kept
    const int wide = ink(L"WWWWWWWW");
    EXPECT_GT(narrow, 0);
    EXPECT_EQ(narrow, wide);                                     // every character is drawn as the same mask
    EXPECT_NE(ink(L"iiiiiiii", false), ink(L"WWWWWWWW", false)); // plain edits show their text
}

TEST_F(RichEditTest, FontsByIndexAndByFace)
{
    Build(L"");
    win->pm.AddFont(L"Tahoma", 20, true, false, false);
    re->SetFont(0);
    CTxtWinHost* host = re->GetTextHost();
    ASSERT_NE(nullptr, host);
    EXPECT_STREQ(L"Tahoma", host->GetCharFormat().szFaceName);
    EXPECT_TRUE(host->GetCharFormat().dwEffects & CFE_BOLD);

    // A face longer than the field is cut to 31 characters and still terminated.
    std::wstring longFace(40, L'F');
    re->SetFont(longFace.c_str(), 12, false, true, true);
    EXPECT_EQ(std::wstring(31, L'F'), std::wstring(host->GetCharFormat().szFaceName));
    EXPECT_TRUE(host->GetCharFormat().dwEffects & CFE_UNDERLINE);
    EXPECT_TRUE(host->GetCharFormat().dwEffects & CFE_ITALIC);
    EXPECT_FALSE(host->GetCharFormat().dwEffects & CFE_BOLD);
    host->Release();
}

TEST_F(RichEditTest, ARemovedRichEditStopsFilteringTheWindow)
{
    Build(L"text='gone'");
    CContainerUI* parent = static_cast<CContainerUI*>(re->GetParent());
    ASSERT_TRUE(parent->Remove(re));
    re = nullptr;
    PumpMessages(); // a delayed destroy happens here
    Send(WM_CHAR, L'x', 1);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    Send(WM_LBUTTONUP, 0, Point(5, 5));
    PumpMessages();
    EXPECT_EQ(0, win->log.Count(L"textchanged"));
}

namespace {

DWORD CALLBACK CollectStream(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), cb);
    *pcb = cb;
    return 0;
}

} // namespace

TEST_F(RichEditTest, FormatsStreamsAndEventMasks)
{
    Build(L"text='stream me'");
    std::string out;
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&out), 0, &CollectStream};
    EXPECT_EQ(18, re->StreamOut(SF_TEXT | SF_UNICODE, es)); // bytes
    EXPECT_EQ(std::wstring(L"stream me"),
              std::wstring(reinterpret_cast<const wchar_t*>(out.data()), out.size() / sizeof(wchar_t)));

    // A default format the engine takes is the host's stored format too.
    CHARFORMAT2W cf = {};
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = RGB(0, 128, 0);
    EXPECT_TRUE(re->SetDefaultCharFormat(cf));
    CTxtWinHost* host = re->GetTextHost();
    EXPECT_EQ(RGB(0, 128, 0), host->GetCharFormat().crTextColor);
    host->Release();

    PARAFORMAT2 pf = {};
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = PFA_RIGHT;
    EXPECT_TRUE(re->SetParaFormat(pf));
    PARAFORMAT2 read = {};
    re->GetParaFormat(read);
    EXPECT_EQ(PFA_RIGHT, read.wAlignment);

    re->SetEventMask(ENM_SELCHANGE);
    re->SetDropAcceptFile(true);
    EXPECT_EQ(static_cast<DWORD>(ENM_SELCHANGE | ENM_DROPFILES | ENM_LINK), re->GetEventMask());
    re->SetDropAcceptFile(false);
    EXPECT_EQ(static_cast<DWORD>(ENM_SELCHANGE), re->GetEventMask());
}

TEST_F(RichEditTest, TextChangedFollowsEveryEditAndOnlyEdits)
{
    struct Case
    {
        const char* what;
        const wchar_t* attributes;
        std::function<void()> act;
        const wchar_t* text; // afterwards
        bool changed;
    };
    const Case cases[] = {
        {"typing", L"text='ab'", [this] { Type(L"c"); }, L"abc", true},
        {"Delete on a selection", L"text='abcd'",
         [this] {
             re->SetSel(1, 3);
             Key(VK_DELETE);
         },
         L"ad", true},
        {"cut", L"text='abcd'",
         [this] {
             re->SetSel(0, 2);
             re->Cut();
         },
         L"cd", true},
        {"paste", L"text='abcd'",
         [this] {
             re->SetSel(0, 1);
             re->Copy();
             re->SetSel(-1, -1);
             re->Paste();
         },
         L"abcda", true},
        {"undo", L"text='ab'",
         [this] {
             re->SetSel(-1, -1);
             re->ReplaceSel(L"c", true);
             win->log.records.clear();
             re->Undo();
         },
         L"ab", true},
        {"typing into a read-only edit", L"text='ab' readonly='true'", [this] { Type(L"c"); }, L"ab", false},
        {"typing at the text limit", L"text='ab'",
         [this] {
             re->SetLimitText(2);
             re->SetSel(-1, -1);
             Type(L"c");
         },
         L"ab", false},
        {"moving the caret", L"text='ab'", [this] { Key(VK_LEFT); }, L"ab", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Build(c.attributes);
        re->SetSel(-1, -1);
        win->log.records.clear();
        c.act();
        EXPECT_EQ(std::wstring(c.text), Text());
        EXPECT_EQ(c.changed, win->log.Count(L"textchanged") > 0);
    }
}

TEST_F(RichEditTest, ARichEditMovedToAnotherWindowFiltersOnlyThatWindow)
{
    Build(L"text='moved'");
    win->pm.SetFocus(nullptr); // the first window keeps no pointer to it
    CContainerUI* parent = static_cast<CContainerUI*>(re->GetParent());
    parent->SetAutoDestroy(false);
    ASSERT_TRUE(parent->Remove(re));

    NotifyLog otherLog;
    {
        TestWindow other;
        other.CreateAt(0, 220, 300, 200);
        CContainerUI* root = new CContainerUI();
        other.pm.AttachDialog(root);
        other.pm.AddNotifier(&otherLog);
        ASSERT_TRUE(root->Add(re));
        PaintNow(other.GetHWND());
        re->SetFocus();
        re->SetSel(-1, -1);
        ::SendMessageW(other.GetHWND(), WM_CHAR, L'!', 1);
        EXPECT_EQ(L"moved!", Text());
        // The old window's keys no longer reach it.
        Send(WM_CHAR, L'x', 1);
        EXPECT_EQ(L"moved!", Text());
        other.pm.RemoveNotifier(&otherLog);
    } // the other window and the rich edit with it are gone
    re = nullptr;
    Send(WM_CHAR, L'x', 1);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages();
    EXPECT_EQ(0, win->log.Count(L"textchanged"));
}

// An idle rich edit asks for no paints: a bar the engine keeps showing and
// disabling for empty text must not turn every paint into the next one, which
// starves the window's timers.
TEST_F(RichEditTest, AnIdleEditWithBarsDoesNotRepaintByItself)
{
    const struct
    {
        const wchar_t* attributes;
        const wchar_t* text;
    } cases[] = {
        {L"vscrollbar='true'", L""},
        {L"vscrollbar='true' autovscroll='true'", L""},
        {L"vscrollbar='true' hscrollbar='true'", L""},
        {L"vscrollbar='true' rich='false'", L""},
        {L"vscrollbar='true'", L"short"},
        {L"hscrollbar='true'", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        SCOPED_TRACE(c.text);
        Build(c.attributes, 200, 100);
        re->SetText(c.text);
        PaintNow(win->GetHWND());
        PumpPosted();
        int ticks = 0;
        win->pm.SetTimer(re->GetParent(), 7, 50);
        win->paints = 0;
        const DWORD start = ::GetTickCount();
        // One message at a time: a window that keeps asking for paints always
        // has one waiting.
        MSG msg;
        while (::GetTickCount() - start < 1000) {
            if (!::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
                continue;
            }
            if (msg.message == WM_TIMER && msg.hwnd == win->GetHWND()) ++ticks;
            ::DispatchMessageW(&msg);
        }
        win->pm.KillTimer(re->GetParent(), 7);
        EXPECT_LT(win->paints, 5);
        EXPECT_GE(ticks, 10);
    }
}
