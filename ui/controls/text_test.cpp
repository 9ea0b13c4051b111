// The text control: its height measured from wrapped text, links clicked in a
// real window ("link" with the link's index), at most eight clickable links,
// and plain text without links.
#include <string>

#include "gtest/gtest.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"
#include "text.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// Exposes the link rectangles of the latest paint.
class ProbeText : public CTextUI
{
public:
    RECT LinkRect(int i) const { return m_rcLinks[i]; }
    int HoverLink() const { return m_nHoverLink; }
};

struct ProbeTextFactory : IDialogBuilderCallback
{
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        return wcscmp(pstrClass, L"ProbeText") == 0 ? new ProbeText() : NULL;
    }
};

POINT Centre(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

// A window with one text control of the given text filling it.
struct TextWindow : TestWindow
{
    ProbeText* text = new ProbeText();

    TextWindow(const wchar_t* content, bool html, int width = 400, int height = 60)
    {
        CreateAt(0, 0, width, height);
        CContainerUI* tree = new CContainerUI();
        text->SetName(L"text");
        text->SetShowHtml(html);
        text->SetText(content);
        tree->Add(text);
        Attach(tree);
    }
};

} // namespace

TEST(TextControl, DefaultsAndFlags)
{
    CTextUI text;
    EXPECT_EQ(static_cast<UINT>(DT_WORDBREAK), text.GetTextStyle());
    EXPECT_EQ("2,0,2,0", RectText(text.GetTextPadding()));
    EXPECT_STREQ(L"TextUI", text.GetClass());
    EXPECT_TRUE(text.GetInterface(L"Text") == &text);
    EXPECT_TRUE(text.GetInterface(L"Label") != NULL);
    EXPECT_EQ(0u, text.GetControlFlags());
    EXPECT_TRUE(text.GetLinkContent(0) == NULL);
    EXPECT_TRUE(text.GetLinkContent(-1) == NULL);
}

TEST(TextControl, ClickingALinkRaisesLinkWithItsIndex)
{
    TextWindow w(L"see <a first>one</a> or <a second>two</a>", true);
    ASSERT_EQ(2, w.text->GetLinkCount());
    EXPECT_EQ(std::wstring(L"second"), Str(*w.text->GetLinkContent(1)));
    EXPECT_TRUE(w.text->GetLinkContent(2) == NULL);
    EXPECT_EQ(CTRLFLAG_SETCURSOR, w.text->GetControlFlags());

    w.log.onNotify = [](TNotifyUI& msg) {
        if (msg.type == L"link") {
            EXPECT_EQ(1u, msg.wParam);
        }
    };
    POINT second = Centre(w.text->LinkRect(1));
    w.Move(second);
    EXPECT_EQ(1, w.text->HoverLink());
    w.Down(second);
    w.Up(second);
    EXPECT_EQ(1, w.log.Count(L"link"));

    // Up outside every link: nothing.
    w.log.onNotify = nullptr;
    w.Click(POINT{2, 50});
    EXPECT_EQ(1, w.log.Count(L"link"));
    EXPECT_EQ(-1, w.text->HoverLink());

    // A disabled text raises nothing and wants no cursor.
    w.text->SetEnabled(false);
    w.Click(second);
    EXPECT_EQ(1, w.log.Count(L"link"));
    EXPECT_EQ(0u, w.text->GetControlFlags());
}

TEST(TextControl, PlainTextHasNoLinks)
{
    TextWindow w(L"see <a first>one</a>", false);
    EXPECT_EQ(0, w.text->GetLinkCount());
    w.Click(POINT{30, 10});
    w.Click(POINT{60, 10});
    EXPECT_EQ(0, w.log.Count(L"link"));
}

TEST(TextControl, ANinthLinkIsNotClickable)
{
    std::wstring content;
    for (int i = 1; i <= 9; ++i) content += L"<a l" + std::to_wstring(i) + L">L" + std::to_wstring(i) + L"</a> ";
    TextWindow w(content.c_str(), true, 600, 60);
    ASSERT_EQ(8, w.text->GetLinkCount());
    EXPECT_TRUE(w.text->GetLinkContent(8) == NULL);
    EXPECT_EQ(std::wstring(L"l8"), Str(*w.text->GetLinkContent(7)));
    // The ninth link follows the eighth on the line.
    RECT eighth = w.text->LinkRect(7);
    int step = eighth.right - eighth.left;
    POINT ninth = {eighth.right + step, (eighth.top + eighth.bottom) / 2};
    w.Click(ninth);
    EXPECT_EQ(0, w.log.Count(L"link"));
    w.Click(Centre(eighth));
    EXPECT_EQ(1, w.log.Count(L"link"));
}

TEST(TextControl, EmptyTextDropsTheLinks)
{
    TextWindow w(L"<a x>link</a>", true);
    ASSERT_EQ(1, w.text->GetLinkCount());
    w.text->SetText(L"");
    w.Paint();
    EXPECT_EQ(0, w.text->GetLinkCount());
}

TEST(TextControl, HeightIsMeasuredFromTheWrappedText)
{
    TextWindow w(L"one", false);
    SIZE available = {80, 400};
    SIZE one = w.text->EstimateSize(available);
    const int fontHeight = w.pm.GetDefaultFontInfo()->tm.tmHeight;
    EXPECT_GE(one.cy, fontHeight - 1);
    EXPECT_LE(one.cy, fontHeight + 4);
    w.text->SetText(L"many words that cannot fit on a single line of eighty pixels");
    SIZE many = w.text->EstimateSize(available);
    EXPECT_GE(many.cy, 3 * one.cy);
    EXPECT_LE(many.cx, 80);
    w.text->SetAttribute(L"textpadding", L"2,5,2,7");
    EXPECT_EQ(many.cy + 12, w.text->EstimateSize(available).cy);
    w.text->SetFixedHeight(21);
    EXPECT_EQ(21, w.text->EstimateSize(available).cy);
}

TEST(TextControl, MeasuredWithoutAWindowToo)
{
    // A manager not attached to any window yet (a layout being built) has no
    // paint DC; the text is still measured, and without a manager it has no height.
    CPaintManagerUI manager;
    CTextUI text;
    text.SetText(L"many words that cannot fit on a single line of eighty pixels");
    SIZE available = {80, 400};
    EXPECT_EQ(0, text.EstimateSize(available).cy);
    text.SetManager(&manager, NULL, false);
    SIZE sz = text.EstimateSize(available);
    EXPECT_GE(sz.cy, 3 * manager.GetDefaultFontInfo()->tm.tmHeight);
    EXPECT_LT(sz.cy, 400);
    text.SetManager(NULL, NULL, false);
}
