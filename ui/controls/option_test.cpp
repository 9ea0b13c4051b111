// Options and check boxes: groups in a real window (one selected at a time,
// "click" then "selectchanged"), toggling check boxes, group membership kept
// right through regrouping, removal and moving between windows, and the
// selected look painted into a DIB.
#include <string>

#include "gtest/gtest.h"
#include "option.h"
#include "core/test_support/direct_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const wchar_t kLayout[] = L"<Window><Container name=\"root\">"
                          L"<Option name=\"a\" group=\"g\" float=\"true\" pos=\"0,0,40,20\"/>"
                          L"<Option name=\"b\" group=\"g\" float=\"true\" pos=\"50,0,90,20\"/>"
                          L"<Option name=\"c\" group=\"g\" float=\"true\" pos=\"100,0,140,20\"/>"
                          L"<CheckBox name=\"check\" float=\"true\" pos=\"0,50,40,70\"/>"
                          L"</Container></Window>";

class OptionWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.ok());
        a = w.Find<COptionUI>(L"a");
        b = w.Find<COptionUI>(L"b");
        c = w.Find<COptionUI>(L"c");
        check = w.Find<CCheckBoxUI>(L"check");
        ASSERT_TRUE(a && b && c && check);
    }
    std::string Log()
    {
        std::string text;
        for (const NotifyRecord& r : w.log.records) {
            if (r.type != L"click" && r.type != L"selectchanged") continue;
            std::wstring line = r.type + L":" + Str(r.sender->GetName()) + L" ";
            text += std::string(line.begin(), line.end());
        }
        w.log.records.clear();
        return text;
    }
    int GroupSize(CPaintManagerUI& pm, const wchar_t* group)
    {
        CStdPtrArray* members = pm.GetOptionGroup(group);
        return members != NULL ? members->GetSize() : 0;
    }

    TestWindow w{kLayout};
    COptionUI* a = nullptr;
    COptionUI* b = nullptr;
    COptionUI* c = nullptr;
    CCheckBoxUI* check = nullptr;
};

} // namespace

TEST_F(OptionWindow, OneOptionOfAGroupIsSelected)
{
    EXPECT_EQ(3, GroupSize(w.pm, L"g"));
    w.Click(10, 10);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_EQ("click:a selectchanged:a ", Log());
    w.Click(60, 10);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(0u, a->GetButtonState() & UISTATE_SELECTED);
    EXPECT_EQ("click:b selectchanged:b ", Log());
    // Activating the selected option again: a click and no change.
    w.Click(60, 10);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ("click:b ", Log());
    // Released outside: nothing at all.
    w.Move(110, 10);
    w.Down(110, 10);
    w.Move(10, 60);
    w.Up(10, 60);
    EXPECT_EQ("", Log());
    EXPECT_TRUE(b->IsSelected());
}

TEST_F(OptionWindow, ACheckBoxTogglesAndReportsBoth)
{
    w.Click(10, 60);
    EXPECT_TRUE(check->GetCheck());
    EXPECT_EQ("click:check selectchanged:check ", Log());
    w.Click(10, 60);
    EXPECT_FALSE(check->GetCheck());
    EXPECT_EQ("click:check selectchanged:check ", Log());
    check->SetCheck(true);
    EXPECT_TRUE(check->IsSelected());
    EXPECT_EQ("selectchanged:check ", Log());
    check->SetCheck(true); // unchanged: nothing
    EXPECT_EQ("", Log());
    EXPECT_STREQ(L"CheckBoxUI", check->GetClass());
    EXPECT_TRUE(check->GetInterface(L"Option") == check);
}

TEST_F(OptionWindow, SelectedFromCodeAndAttributes)
{
    b->Selected(true);
    EXPECT_EQ("selectchanged:b ", Log());
    c->SetAttribute(L"selected", L"true");
    EXPECT_FALSE(b->IsSelected());
    EXPECT_EQ("selectchanged:c ", Log());
    c->SetAttribute(L"selected", L"yes"); // anything but "true" deselects; quietly within a group
    EXPECT_FALSE(c->IsSelected());
    EXPECT_EQ("", Log());
}

TEST_F(OptionWindow, GroupMembershipFollowsRegroupingAndRemoval)
{
    a->SetGroup(L"other");
    EXPECT_EQ(2, GroupSize(w.pm, L"g"));
    EXPECT_EQ(1, GroupSize(w.pm, L"other"));
    a->SetGroup(L"other"); // equal: nothing
    EXPECT_EQ(1, GroupSize(w.pm, L"other"));
    a->SetGroup(NULL);
    EXPECT_STREQ(L"", a->GetGroup());
    EXPECT_EQ(0, GroupSize(w.pm, L"other"));

    // A deleted option leaves its group; selecting another does not touch it.
    CContainerUI* root = w.Find<CContainerUI>(L"root");
    ASSERT_TRUE(root->Remove(b));
    PumpMessages(); // the delayed destroy
    EXPECT_EQ(1, GroupSize(w.pm, L"g"));
    c->Selected(true);
    EXPECT_TRUE(c->IsSelected());

    // An option moved to another window leaves the first window's group.
    TestWindow second(L"<Window><Container name=\"root\"/></Window>");
    ASSERT_TRUE(second.ok());
    root->SetAutoDestroy(false);
    ASSERT_TRUE(root->Remove(c));
    second.Find<CContainerUI>(L"root")->Add(c);
    EXPECT_EQ(0, GroupSize(w.pm, L"g"));
    EXPECT_EQ(1, GroupSize(second.pm, L"g"));
    ASSERT_TRUE(second.Find<CContainerUI>(L"root")->Remove(c));
    PumpMessages();
    EXPECT_EQ(0, GroupSize(second.pm, L"g"));
}

TEST(OptionBasics, AttributesAndDefaults)
{
    COptionUI option;
    EXPECT_STREQ(L"OptionUI", option.GetClass());
    EXPECT_TRUE(option.GetInterface(L"Option") == &option);
    EXPECT_TRUE(option.GetInterface(L"Button") != NULL);
    option.SetAttribute(L"selectedimage", L"sel.png");
    option.SetAttribute(L"selectedhotimage", L"selhot.png");
    option.SetAttribute(L"foreimage", L"optfore.png");
    option.SetAttribute(L"selectedbkcolor", L"#FF010203");
    option.SetAttribute(L"hotimage", L"hot.png"); // the button's
    EXPECT_STREQ(L"sel.png", option.GetSelectedImage());
    EXPECT_STREQ(L"selhot.png", option.GetSelectedHotImage());
    EXPECT_STREQ(L"optfore.png", option.GetForeImage());
    EXPECT_STREQ(L"", option.CButtonUI::GetForeImage());
    EXPECT_STREQ(L"hot.png", option.GetHotImage());
    EXPECT_EQ(0xFF010203u, option.GetSelectBkColor());

    TestWindow window(100, 100);
    option.SetManager(&window.pm, NULL, false);
    window.pm.SetDefaultFontColor(0xFF445566);
    EXPECT_EQ(0xFF445566u, option.GetSelectedTextColor());
    window.pm.SetDefaultFontColor(0xFF000000);
    EXPECT_EQ(0xFF445566u, option.GetSelectedTextColor()); // kept
    option.SetManager(NULL, NULL, false);
}

namespace {

class OptionPaint : public ::testing::Test, protected DirectControl<COptionUI>
{
protected:
    OptionPaint() : DirectControl<COptionUI>(L"option_paint")
    {
        WriteSolidImages(skin.folder(), {{L"normal.png", 0xFF808080},
                                         {L"hot.png", 0xFFFF0000},
                                         {L"sel.png", 0xFF00FF00},
                                         {L"selhot.png", 0xFF0000FF},
                                         {L"fore.png", 0xFFFFFFFF}});
        option.SetNormalImage(L"normal.png");
        option.SetHotImage(L"hot.png");
        option.SetSelectedImage(L"sel.png");
        option.SetSelectedHotImage(L"selhot.png");
    }
    static bool Same(Rgb a, Rgb b) { return SameColor(a, b); }

    COptionUI& option = control;
};

} // namespace

TEST_F(OptionPaint, SelectedLookByState)
{
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint()));
    option.Selected(true);
    EXPECT_TRUE(Same(Rgb{0, 255, 0}, Paint()));
    Send(UIEV_MOUSE_ENTER);
    EXPECT_TRUE(Same(Rgb{0, 0, 255}, Paint()));
    // Never shown pushed: the pushed bit is dropped at paint.
    Send(UIEV_BUTTON_DOWN);
    Paint();
    EXPECT_EQ(0u, option.GetButtonState() & UISTATE_PUSHED);
    Send(UIEV_BUTTON_UP, 100, 100); // released outside: still selected
    Send(UIEV_MOUSE_LEAVE);

    // A disabled option keeps its selected look.
    option.SetEnabled(false);
    EXPECT_EQ(UISTATE_SELECTED, option.GetButtonState());
    EXPECT_TRUE(Same(Rgb{0, 255, 0}, Paint()));
    option.SetEnabled(true);

    // Without a selected image: the selected background colour, and no fore image.
    option.SetSelectedImage(L"");
    option.SetSelectedBkColor(0xFF203040);
    option.SetForeImage(L"file='fore.png' dest='0,0,10,10'");
    EXPECT_TRUE(Same(Rgb{0x20, 0x30, 0x40}, Paint(5, 5)));
    option.Selected(false);
    EXPECT_TRUE(Same(Rgb{255, 255, 255}, Paint(5, 5)));
    EXPECT_TRUE(Same(Rgb{128, 128, 128}, Paint(20, 10)));
}

TEST_F(OptionPaint, SelectedTextColour)
{
    option.SetNormalImage(L"");
    option.SetSelectedImage(L"");
    option.SetText(L"WWWWW");
    option.SetTextColor(0xFFFFFFFF);
    option.SetHotTextColor(0xFFFF0000);
    const RECT all = {0, 0, 40, 20};
    option.Selected(true);
    Send(UIEV_MOUSE_ENTER);
    Paint();
    // Selected and hot: the hot text colour is not used; no selected colour yet, so the text colour.
    EXPECT_GT(CountColor(canvas, all, {255, 255, 255}), 3);
    EXPECT_EQ(0, CountColor(canvas, all, {255, 0, 0}));
    option.SetSelectedTextColor(0xFF00FF00);
    Paint();
    EXPECT_GT(CountColor(canvas, all, {0, 255, 0}), 3);
    EXPECT_EQ(0xFFFFFFFFu, option.GetTextColor());
    option.Selected(false);
    Paint();
    EXPECT_GT(CountColor(canvas, all, {255, 0, 0}), 3);
}
