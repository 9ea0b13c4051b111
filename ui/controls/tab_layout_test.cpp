// The tab layout: one selected page through additions, insertions and removals
// (also while the layout is hidden), selecting by index and by page, and the
// "tabselect" notification.
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "core/paint_manager.h"
#include "tab_layout.h"
#include "core/test_support/test_canvas.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

CControlUI* Page(const wchar_t* name)
{
    CControlUI* page = new CControlUI();
    page->SetName(name);
    return page;
}

// The pages in order, the selected one in brackets, hidden ones in lower case.
std::string Pages(CTabLayoutUI& tab)
{
    std::string text;
    for (int i = 0; i < tab.GetCount(); i++) {
        CControlUI* page = tab.GetItemAt(i);
        std::string name(1, static_cast<char>(page->GetName().GetData()[0]));
        if (!page->IsVisible()) name[0] = static_cast<char>(name[0] - 'A' + 'a');
        if (i == tab.GetCurSel()) name = "[" + name + "]";
        text += name;
    }
    return text;
}

struct TabSelectLog : INotifyUI
{
    struct Entry
    {
        CControlUI* sender;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Entry> entries;
    void Notify(TNotifyUI& msg) override
    {
        if (msg.type == L"tabselect") entries.push_back({msg.sender, msg.wParam, msg.lParam});
    }
};

} // namespace

TEST(TabLayout, OnePageSelectedThroughChangesOfThePages)
{
    CTabLayoutUI tab;
    tab.SetDelayedDestroy(false);
    CControlUI* a = Page(L"A");
    CControlUI* b = Page(L"B");
    CControlUI* c = Page(L"C");
    EXPECT_EQ(-1, tab.GetCurSel());
    EXPECT_FALSE(tab.SelectItem(0)); // nothing to select

    const struct
    {
        const char* what;
        bool (*step)(CTabLayoutUI&, CControlUI*, CControlUI*, CControlUI*);
        bool result;
        const char* pages;
    } steps[] = {
        {"the first page is selected",
         [](CTabLayoutUI& t, CControlUI* a, CControlUI*, CControlUI*) { return t.Add(a); }, true, "[A]"},
        {"a later one is hidden", [](CTabLayoutUI& t, CControlUI*, CControlUI* b, CControlUI*) { return t.Add(b); },
         true, "[A]b"},
        {"inserted before the selection moves it on",
         [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI* c) { return t.AddAt(c, 0); }, true, "c[A]b"},
        {"select by page", [](CTabLayoutUI& t, CControlUI*, CControlUI* b, CControlUI*) { return t.SelectItem(b); },
         true, "ca[B]"},
        {"moving the selected page keeps it selected",
         [](CTabLayoutUI& t, CControlUI*, CControlUI* b, CControlUI*) { return t.SetItemIndex(b, 0); }, true, "[B]ca"},
        {"moving another page before it too",
         [](CTabLayoutUI& t, CControlUI* a, CControlUI*, CControlUI*) { return t.SetItemIndex(a, 0); }, true, "a[B]c"},
        {"moving a page to a place that does not exist",
         [](CTabLayoutUI& t, CControlUI* a, CControlUI*, CControlUI*) { return t.SetItemIndex(a, 3); }, false, "a[B]c"},
        {"back in the first order",
         [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI* c) { return t.SetItemIndex(c, 0); }, true, "ca[B]"},
        {"select out of range", [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI*) { return t.SelectItem(3); },
         false, "ca[B]"},
        {"select a negative index",
         [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI*) { return t.SelectItem(-1); }, false, "ca[B]"},
        {"removing a page before the selection keeps the selected page",
         [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI*) { return t.RemoveAt(0); }, true, "a[B]"},
        {"removing the selected page shows the first",
         [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI*) { return t.RemoveAt(1); }, true, "[A]"},
        {"removing the last page leaves no selection",
         [](CTabLayoutUI& t, CControlUI*, CControlUI*, CControlUI*) { return t.RemoveAt(0); }, true, ""},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(s.result, s.step(tab, a, b, c));
        EXPECT_EQ(s.pages, Pages(tab));
    }
    EXPECT_EQ(-1, tab.GetCurSel());

    tab.Add(Page(L"D"));
    tab.Add(Page(L"E"));
    tab.SelectItem(1);
    tab.RemoveAll();
    EXPECT_EQ(-1, tab.GetCurSel());
    tab.Add(Page(L"F"));
    EXPECT_EQ("[F]", Pages(tab));
}

TEST(TabLayout, PagesAddedWhileTheLayoutIsHiddenStillGetASelection)
{
    CTabLayoutUI tab;
    tab.SetVisible(false);
    tab.Add(Page(L"A"));
    tab.Add(Page(L"B"));
    EXPECT_EQ(0, tab.GetCurSel());
    tab.SetVisible(true);
    EXPECT_EQ("[A]b", Pages(tab));
}

TEST(TabLayout, SelectingRaisesTabselectWithTheNewAndOldIndex)
{
    CPaintManagerUI manager;
    CTabLayoutUI* tab = new CTabLayoutUI();
    manager.AttachDialog(tab);
    TabSelectLog log;
    manager.AddNotifier(&log);
    tab->SetAttribute(L"selectedid", L"0"); // nothing to select yet
    EXPECT_TRUE(log.entries.empty());
    tab->Add(Page(L"A"));
    tab->Add(Page(L"B"));
    tab->Add(Page(L"C"));
    EXPECT_TRUE(log.entries.empty()); // the first page is taken without a notification

    EXPECT_TRUE(tab->SelectItem(2));
    EXPECT_TRUE(tab->SelectItem(2)); // already selected: nothing raised
    tab->SetAttribute(L"selectedid", L"1");
    ASSERT_EQ(2u, log.entries.size());
    EXPECT_EQ(tab, log.entries[0].sender);
    EXPECT_EQ(2u, log.entries[0].wParam);
    EXPECT_EQ(0, log.entries[0].lParam);
    EXPECT_EQ(1u, log.entries[1].wParam);
    EXPECT_EQ(2, log.entries[1].lParam);
    EXPECT_EQ("a[B]c", Pages(*tab));
    manager.RemoveNotifier(&log);
}

TEST(TabLayout, TheSelectedPageIsLaidOutAtOnce)
{
    CTabLayoutUI tab;
    tab.Add(Page(L"A"));
    tab.Add(Page(L"B"));
    RECT rc = {10, 10, 110, 60};
    tab.SetPos(rc);
    EXPECT_EQ("0,0,0,0", RectText(tab.GetItemAt(1)->GetPos()));
    tab.SelectItem(1);
    EXPECT_EQ("10,10,110,60", RectText(tab.GetItemAt(1)->GetPos()));
}
