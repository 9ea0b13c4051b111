// The list built from small layouts: header and column geometry, row widths
// and heights, vertical and horizontal scrolling with the header following,
// a hidden header, the column limit; rows kept in order with their indexes
// and the selection through insertions, moves, removals and sorting.
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "list.h"
#include "list_container_element.h"
#include "list_header.h"
#include "list_text_element.h"
#include "core/scroll_bar.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

std::wstring Rows(int count, const wchar_t* element = L"ListTextElement", int height = 20)
{
    std::wstring rows;
    for (int i = 0; i < count; ++i) {
        rows += L"<" + std::wstring(element) + L" name=\"r" + std::to_wstring(i) + L"\" height=\"" +
                std::to_wstring(height) + L"\"/>";
    }
    return rows;
}

std::wstring ListLayout(const std::wstring& listAttributes, const std::wstring& headerItems, const std::wstring& rows)
{
    return L"<Window><List name=\"list\" " + listAttributes + L">" + L"<ListHeader height=\"24\">" + headerItems +
           L"</ListHeader>" + rows + L"</List></Window>";
}

const wchar_t kThreeColumns[] = L"<ListHeaderItem name=\"h0\" width=\"100\" text=\"A\"/>"
                                L"<ListHeaderItem name=\"h1\" width=\"80\" text=\"B\"/>"
                                L"<ListHeaderItem name=\"h2\" width=\"60\" text=\"C\"/>";

std::string Columns(CListUI* list)
{
    std::string text;
    TListInfoUI* info = list->GetListInfo();
    for (int i = 0; i < info->nColumns; ++i) text += (i ? " " : "") + RectText(info->rcColumn[i]);
    return text;
}

// The selection and each row's index, "2:[0 1 2 3]".
std::string Indexes(CListUI* list)
{
    std::string text = std::to_string(list->GetCurSel()) + ":[";
    for (int i = 0; i < list->GetCount(); ++i) {
        IListItemUI* item = static_cast<IListItemUI*>(list->GetItemAt(i)->GetInterface(L"ListItem"));
        text += (i ? " " : "") + std::to_string(item->GetIndex());
    }
    return text + "]";
}

std::string Names(CListUI* list)
{
    std::string text;
    for (int i = 0; i < list->GetCount(); ++i) {
        CUIString name = list->GetItemAt(i)->GetName();
        text += static_cast<char>(name.GetData()[name.GetLength() - 1]);
    }
    return text;
}

} // namespace

TEST(ListGeometry, HeaderColumnsAndRows)
{
    TestWindow w{ListLayout(L"", kThreeColumns, Rows(3)).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    ASSERT_TRUE(list != NULL);
    EXPECT_EQ(3, list->GetCount());
    EXPECT_EQ(2, static_cast<CContainerUI*>(list)->CContainerUI::GetCount()); // header and body only
    EXPECT_EQ("0,0,100,24 100,0,180,24 180,0,240,24", Columns(list));
    // Rows take the larger of the columns' width and the body's width.
    EXPECT_EQ("0,24,300,44", RectText(list->GetItemAt(0)->GetPos()));
    EXPECT_EQ("0,64,300,84", RectText(list->GetItemAt(2)->GetPos()));
    EXPECT_EQ("0,24,300,200", RectText(list->GetList()->GetPos()));
}

TEST(ListGeometry, ColumnsWiderThanTheListScrollTheHeaderWithTheRows)
{
    const wchar_t items[] = L"<ListHeaderItem width=\"200\"/><ListHeaderItem width=\"150\"/>";
    TestWindow w{ListLayout(L"hscrollbar=\"true\"", items, Rows(2)).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    CScrollBarUI* bar = list->GetHorizontalScrollBar();
    ASSERT_TRUE(bar != NULL);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(50, bar->GetScrollRange());
    EXPECT_EQ("0,24,350,44", RectText(list->GetItemAt(0)->GetPos()));

    list->SetScrollPos(SIZE{30, 0});
    EXPECT_EQ("-30,24,320,44", RectText(list->GetItemAt(0)->GetPos()));
    EXPECT_EQ("-30,0,170,24 170,0,320,24", Columns(list));
    // A new layout keeps header and rows in step.
    list->SetPos(list->GetPos());
    EXPECT_EQ("-30,24,320,44", RectText(list->GetItemAt(0)->GetPos()));
    EXPECT_EQ("-30,0,170,24 170,0,320,24", Columns(list));

    // Narrow columns again: the bar goes, the rows come back.
    list->GetHeader()->GetItemAt(1)->SetFixedWidth(50);
    list->SetPos(list->GetPos());
    list->SetPos(list->GetPos());
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(0, bar->GetScrollPos());
    EXPECT_EQ("0,24,300,44", RectText(list->GetItemAt(0)->GetPos()));
    EXPECT_EQ("0,0,200,24 200,0,250,24", Columns(list));
}

TEST(ListGeometry, RowsTallerThanTheBodyScrollAndSelectionScrollsIntoView)
{
    TestWindow w{ListLayout(L"vscrollbar=\"true\"", kThreeColumns, Rows(10)).c_str(), 300, 124};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    CScrollBarUI* bar = list->GetVerticalScrollBar();
    ASSERT_TRUE(bar != NULL);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(100, bar->GetScrollRange()); // 200 of rows in 100

    // Selecting row 7 (174..194 from the top of the rows) scrolls its bottom
    // to the body's bottom; selecting row 1 scrolls its top back up.
    ASSERT_TRUE(list->SelectItem(7));
    EXPECT_EQ(60, list->GetScrollPos().cy);
    EXPECT_EQ(124, list->GetItemAt(7)->GetPos().bottom);
    ASSERT_TRUE(list->SelectItem(1));
    EXPECT_EQ(20, list->GetScrollPos().cy);
    EXPECT_EQ(24, list->GetItemAt(1)->GetPos().top);
}

TEST(ListGeometry, HiddenHeaderStillPlacesTheColumns)
{
    TestWindow w{ListLayout(L"header=\"hidden\"", kThreeColumns, Rows(2)).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    EXPECT_FALSE(list->GetHeader()->IsVisible());
    EXPECT_EQ("0,0,100,0 100,0,180,0 180,0,240,0", Columns(list));
    EXPECT_EQ("0,0,300,20", RectText(list->GetItemAt(0)->GetPos()));
    EXPECT_FALSE(list->GetHeader()->GetItemAt(0)->IsVisible());
}

TEST(ListGeometry, OnlyTheFirst32HeaderItemsAreColumns)
{
    std::wstring items;
    for (int i = 0; i < 40; ++i) items += L"<ListHeaderItem width=\"20\"/>";
    TestWindow w{ListLayout(L"", items, Rows(1)).c_str(), 300, 100};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    TListInfoUI* info = list->GetListInfo();
    EXPECT_EQ(32, info->nColumns);
    EXPECT_EQ("620,0,640,24", RectText(info->rcColumn[31]));
    // The row spans all 40 items.
    EXPECT_EQ(800, list->GetItemAt(0)->GetWidth());
}

TEST(ListGeometry, HeaderHeightFromItemsAndDefaultFont)
{
    TestWindow w{L"<Window><List name=\"list\"><ListHeader><ListHeaderItem width=\"50\"/></ListHeader>"
                 L"<ListLabelElement text=\"x\"/></List></Window>",
                 300, 100};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    const int font = w.pm.GetDefaultFontInfo()->tm.tmHeight;
    EXPECT_EQ(font + 14, list->GetHeader()->GetHeight());
    // A label row: the item font's height plus 8, as wide as the body.
    EXPECT_EQ(font + 8, list->GetItemAt(0)->GetHeight());
    EXPECT_EQ(300, list->GetItemAt(0)->GetWidth());
}

TEST(ListRows, IndexesAndSelectionFollowInsertionsMovesAndRemovals)
{
    TestWindow w{ListLayout(L"", kThreeColumns, Rows(4, L"ListLabelElement")).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    EXPECT_EQ("-1:[0 1 2 3]", Indexes(list));
    ASSERT_TRUE(list->SelectItem(2));
    EXPECT_EQ("2:[0 1 2 3]", Indexes(list));

    CListLabelElementUI* added = new CListLabelElementUI();
    added->SetName(L"r9");
    ASSERT_TRUE(list->AddAt(added, 1));
    EXPECT_EQ("3:[0 1 2 3 4]", Indexes(list));
    EXPECT_EQ("09123", Names(list));
    EXPECT_TRUE(static_cast<IListItemUI*>(list->GetItemAt(3)->GetInterface(L"ListItem"))->IsSelected());

    // Moving a row keeps the selected row selected at its new index.
    ASSERT_TRUE(list->SetItemIndex(list->GetItemAt(4), 0));
    EXPECT_EQ("30912", Names(list));
    EXPECT_EQ("4:[0 1 2 3 4]", Indexes(list));
    EXPECT_EQ(L"r2", Str(list->GetItemAt(4)->GetName()));

    // Removing a row before the selection moves the selection index down.
    ASSERT_TRUE(list->RemoveAt(0));
    EXPECT_EQ("3:[0 1 2 3]", Indexes(list));
    EXPECT_FALSE(list->RemoveAt(7));
    EXPECT_FALSE(list->SetItemIndex(list->GetItemAt(0), 9));
    EXPECT_EQ("3:[0 1 2 3]", Indexes(list));

    list->RemoveAll();
    EXPECT_EQ("-1:[]", Indexes(list));
    EXPECT_EQ(-1, list->GetExpandedItem());
}

TEST(ListRows, RemovingTheSelectedRowSelectsItsNeighbourAndNotifies)
{
    TestWindow w{ListLayout(L"", kThreeColumns, Rows(4, L"ListLabelElement")).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    ASSERT_TRUE(list->SelectItem(1));
    list->GetItemAt(2)->SetEnabled(false);
    w.log.records.clear();

    // Row 1 goes; the disabled row now at 1 cannot be selected, so the
    // nearest selectable row before it is.
    ASSERT_TRUE(list->RemoveAt(1));
    EXPECT_EQ("0:[0 1 2]", Indexes(list));
    EXPECT_EQ(1, w.log.Count(L"itemselect"));

    // The last row selected and removed: the one before takes over.
    ASSERT_TRUE(list->SelectItem(2));
    ASSERT_TRUE(list->RemoveAt(2));
    EXPECT_EQ("0:[0 1]", Indexes(list));
}

TEST(ListRows, SelectionRules)
{
    TestWindow w{ListLayout(L"", kThreeColumns, Rows(4, L"ListLabelElement")).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    std::vector<std::pair<WPARAM, LPARAM>> selects;
    w.log.onNotify = [&](TNotifyUI& msg) {
        if (msg.type == L"itemselect") selects.push_back({msg.wParam, msg.lParam});
    };

    EXPECT_TRUE(list->SelectItem(1));
    EXPECT_TRUE(list->SelectItem(1)); // again: true, no notification
    ASSERT_EQ(1u, selects.size());
    EXPECT_EQ(1u, selects[0].first);
    EXPECT_EQ(-1, static_cast<int>(selects[0].second));

    list->GetItemAt(2)->SetEnabled(false);
    list->GetItemAt(3)->SetVisible(false);
    EXPECT_FALSE(list->SelectItem(2));
    EXPECT_EQ(-1, list->GetCurSel()); // the old selection is gone
    EXPECT_FALSE(list->SelectItem(3));
    EXPECT_FALSE(list->SelectItem(9));
    EXPECT_TRUE(list->SelectItem(-1)); // already none

    // A disabled row refuses; a row that becomes hidden gives up the selection.
    EXPECT_TRUE(list->SelectItem(0));
    EXPECT_EQ(0u, selects.back().first);
    list->GetItemAt(0)->SetVisible(false);
    EXPECT_EQ(-1, list->GetCurSel());
    EXPECT_FALSE(static_cast<IListItemUI*>(list->GetItemAt(0)->GetInterface(L"ListItem"))->IsSelected());
}

TEST(ListRows, SelectedAttributeSelectsWhateverItsValue)
{
    TestWindow w{
        ListLayout(L"", kThreeColumns, L"<ListLabelElement/><ListLabelElement selected=\"false\"/><ListLabelElement/>")
            .c_str(),
        300, 200};
    ASSERT_TRUE(w.ok());
    EXPECT_EQ(1, w.Find<CListUI>(L"list")->GetCurSel());
}

TEST(ListRows, HeadersAddedLater)
{
    CListUI list;
    CListHeaderUI* first = list.GetHeader();
    // The list's own empty header gives way to a new one.
    CListHeaderUI* header = new CListHeaderUI();
    ASSERT_TRUE(list.Add(header));
    EXPECT_EQ(header, list.GetHeader());
    EXPECT_NE(first, list.GetHeader());
    CListHeaderItemUI* item = new CListHeaderItemUI();
    ASSERT_TRUE(list.Add(item));
    EXPECT_EQ(0, header->GetItemIndex(item));
    EXPECT_EQ(1, list.GetListInfo()->nColumns);
    EXPECT_EQ(0, list.GetItemIndex(item));
    EXPECT_EQ(0, list.GetItemIndex(header));

    // A second header while the first has items: the first stays the header.
    CListHeaderUI* second = new CListHeaderUI();
    ASSERT_TRUE(list.Add(second));
    EXPECT_EQ(header, list.GetHeader());
    // Adding the header again does not put it among the children twice.
    const int children = list.CContainerUI::GetCount();
    EXPECT_TRUE(list.Add(header));
    EXPECT_EQ(children, list.CContainerUI::GetCount());

    // Removing the header leaves a list without one that still takes rows.
    ASSERT_TRUE(list.Remove(header));
    EXPECT_EQ(NULL, list.GetHeader());
    EXPECT_FALSE(list.Add(new CListHeaderItemUI()) && false);
    EXPECT_TRUE(list.Add(new CListLabelElementUI()));
    EXPECT_EQ(1, list.GetCount());
}

namespace {

int CALLBACK ByNameDescending(UINT_PTR a, UINT_PTR b, UINT_PTR)
{
    return -reinterpret_cast<CControlUI*>(a)->GetName().Compare(reinterpret_cast<CControlUI*>(b)->GetName());
}

} // namespace

TEST(ListRows, SortingKeepsTheSelectedIndexAndRenumbers)
{
    TestWindow w{ListLayout(L"", kThreeColumns, Rows(5, L"ListLabelElement")).c_str(), 300, 200};
    ASSERT_TRUE(w.ok());
    CListUI* list = w.Find<CListUI>(L"list");
    ASSERT_TRUE(list->SelectItem(1));
    EXPECT_EQ(0, list->SortItems(NULL, 0));
    EXPECT_EQ(1, list->SortItems(&ByNameDescending, 0));
    EXPECT_EQ("43210", Names(list));
    EXPECT_EQ("1:[0 1 2 3 4]", Indexes(list));
    EXPECT_EQ(L"r3", Str(list->GetItemAt(1)->GetName()));
    EXPECT_TRUE(static_cast<IListItemUI*>(list->GetItemAt(1)->GetInterface(L"ListItem"))->IsSelected());
    // The rows are laid out in their new order.
    EXPECT_EQ(44, list->GetItemAt(1)->GetPos().top);

    // A sub-range: only rows 1..3 are sorted (back to ascending order here).
    struct Ascending
    {
        static int CALLBACK Compare(UINT_PTR a, UINT_PTR b, UINT_PTR c) { return -ByNameDescending(a, b, c); }
    };
    TListSortRange range = {L"cfriendsui", 1, 3};
    EXPECT_EQ(1, list->SortItems(&Ascending::Compare, reinterpret_cast<UINT_PTR>(&range)));
    EXPECT_EQ("41230", Names(list));
    // A range reaching past the rows is cut to them.
    TListSortRange wide = {L"CFriendsUI", 3, 50};
    EXPECT_EQ(1, list->SortItems(&ByNameDescending, reinterpret_cast<UINT_PTR>(&wide)));
    EXPECT_EQ("41230", Names(list));
    TListSortRange other = {L"Other", 0, 2};
    EXPECT_EQ(1, list->SortItems(&Ascending::Compare, reinterpret_cast<UINT_PTR>(&other)));
    EXPECT_EQ("01234", Names(list));
}

TEST(ListRows, ExpandingNeedsAVisibleListItem)
{
    CListUI list;
    list.Add(new CListLabelElementUI());
    list.Add(new CControlUI());
    EXPECT_FALSE(list.ExpandItem(0)); // the plain rows cannot expand
    EXPECT_EQ(-1, list.GetExpandedItem());
    EXPECT_FALSE(list.ExpandItem(1));
    EXPECT_FALSE(list.ExpandItem(5));
    EXPECT_TRUE(list.ExpandItem(0, false));
}

TEST(ListAttributes, ReachTheLook)
{
    CListUI list;
    list.SetAttribute(L"itemtextcolor", L"#FF102030");
    list.SetAttribute(L"itemselectedbkcolor", L"FF00FF00");
    list.SetAttribute(L"itemhotimage", L"hot.png");
    list.SetAttribute(L"itemaltbk", L"true");
    list.SetAttribute(L"itemtextpadding", L"1,2,3,4");
    list.SetAttribute(L"itemalign", L"right");
    list.SetAttribute(L"itemendellipsis", L"false");
    list.SetAttribute(L"hotselect", L"true");
    list.SetAttribute(L"scrollselect", L"true");
    list.SetAttribute(L"itemshowhtml", L"true");
    list.SetAttribute(L"itemfont", L"2");
    list.SetAttribute(L"multiexpanding", L"true");
    TListInfoUI* info = list.GetListInfo();
    EXPECT_EQ(0xFF102030u, list.GetItemTextColor());
    EXPECT_EQ(0xFF00FF00u, list.GetSelectedItemBkColor());
    EXPECT_EQ(L"hot.png", std::wstring(list.GetHotItemImage()));
    EXPECT_TRUE(list.IsAlternateBk());
    EXPECT_EQ("1,2,3,4", RectText(list.GetItemTextPadding()));
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER | DT_RIGHT), info->uTextStyle);
    list.SetAttribute(L"itemalign", L"center");
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER | DT_CENTER), info->uTextStyle);
    list.SetAttribute(L"itemalign", L"left");
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER), info->uTextStyle);
    EXPECT_TRUE(info->bHotSelect);
    EXPECT_TRUE(list.GetScrollSelect());
    EXPECT_TRUE(list.IsItemShowHtml());
    EXPECT_EQ(2, info->nFont);
    EXPECT_TRUE(info->bMultiExpandable);
    // Defaults of the look.
    CListUI plain;
    EXPECT_EQ(0xFFF1E4AFu, plain.GetSelectedItemBkColor());
    EXPECT_EQ(0xFFF2EBCDu, plain.GetHotItemBkColor());
    EXPECT_EQ(0xFFCCCCCCu, plain.GetDisabledItemTextColor());
    EXPECT_EQ(0x8004u, plain.GetListInfo()->uTextStyle);
    EXPECT_EQ(L"ListUI", std::wstring(plain.GetClass()));
    EXPECT_EQ(static_cast<void*>(&plain), plain.GetInterface(L"List"));
    EXPECT_EQ(static_cast<IListUI*>(&plain), plain.GetInterface(L"IListOwner"));
}

namespace {

// A row that can expand, as the tree view's nodes do.
class ExpandingRow : public CListContainerElementUI
{
public:
    bool IsExpanded() const override { return expanded; }
    bool Expand(bool bExpand) override
    {
        expanded = bExpand;
        return true;
    }
    bool expanded = false;
};

class RangeList : public CListUI
{
public:
    void OnRangeSorted(CControlUI* pLastRow) override { lastRows.push_back(pLastRow); }
    std::vector<CControlUI*> lastRows;
};

} // namespace

TEST(ListRows, ExpandedRowFollowsRemovalsAndOnlyOneIsExpanded)
{
    CListUI list;
    ExpandingRow* rows[4];
    for (ExpandingRow*& row : rows) {
        row = new ExpandingRow();
        list.Add(row);
    }
    ASSERT_TRUE(list.ExpandItem(2));
    EXPECT_TRUE(rows[2]->expanded);
    ASSERT_TRUE(list.ExpandItem(3));
    EXPECT_FALSE(rows[2]->expanded);
    EXPECT_EQ(3, list.GetExpandedItem());

    ASSERT_TRUE(list.RemoveAt(0));
    EXPECT_EQ(2, list.GetExpandedItem());
    ASSERT_TRUE(list.RemoveAt(2)); // the expanded row itself
    EXPECT_EQ(-1, list.GetExpandedItem());
    EXPECT_TRUE(list.ExpandItem(0, false));

    list.SetMultiExpanding(true);
    ASSERT_TRUE(list.ExpandItem(0));
    ASSERT_TRUE(list.ExpandItem(1));
    EXPECT_TRUE(rows[1]->expanded && rows[2]->expanded);
}

TEST(ListRows, ARangeSortTellsTheListItsLastRow)
{
    RangeList list;
    for (int i = 0; i < 5; ++i) {
        CListLabelElementUI* row = new CListLabelElementUI();
        row->SetName((L"r" + std::to_wstring(i)).c_str());
        list.Add(row);
    }
    TListSortRange range = {L"CFriendsUI", 1, 3};
    EXPECT_EQ(1, list.SortItems(&ByNameDescending, reinterpret_cast<UINT_PTR>(&range)));
    EXPECT_EQ("03214", Names(&list));
    ASSERT_EQ(1u, list.lastRows.size());
    EXPECT_EQ(list.GetItemAt(3), list.lastRows[0]);
    // An empty range sorts nothing and tells nothing.
    TListSortRange empty = {L"CFriendsUI", 9, 3};
    EXPECT_EQ(1, list.SortItems(&ByNameDescending, reinterpret_cast<UINT_PTR>(&empty)));
    EXPECT_EQ(1u, list.lastRows.size());
}

TEST(ListRows, ExpandedRowFollowsInsertionsAndMoves)
{
    CListUI list;
    ExpandingRow* rows[4];
    for (ExpandingRow*& row : rows) {
        row = new ExpandingRow();
        list.Add(row);
    }
    ASSERT_TRUE(list.ExpandItem(1));
    struct Step
    {
        const char* what;
        int from; // -1: insert a new row at "to"
        int to;
        int expected; // index of rows[1] afterwards
    } steps[] = {
        {"insert before it", -1, 0, 2},
        {"insert after it", -1, 4, 2},
        {"move it down", 2, 4, 4},
        {"move another row from before it to after it", 0, 5, 3},
        {"move another row from after it to before it", 5, 0, 4},
        {"move a row that does not pass it", 0, 1, 4},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.from < 0) ASSERT_TRUE(list.AddAt(new ExpandingRow(), s.to));
        else ASSERT_TRUE(list.SetItemIndex(list.GetItemAt(s.from), s.to));
        EXPECT_EQ(s.expected, list.GetExpandedItem());
        EXPECT_EQ(rows[1], list.GetItemAt(list.GetExpandedItem()));
    }
    // Expanding another row closes the one that was followed.
    ASSERT_TRUE(list.ExpandItem(0));
    EXPECT_FALSE(rows[1]->expanded);
}

TEST(ListRows, SortDataThatIsNoSortRecordIsTheCallersOwn)
{
    RangeList list;
    for (int i = 0; i < 4; ++i) {
        CListLabelElementUI* row = new CListLabelElementUI();
        row->SetName((L"r" + std::to_wstring(i)).c_str());
        list.Add(row);
    }
    // Plain numbers, and a record with the range key that is not the list's
    // own kind: all rows are sorted and the data reaches the comparison.
    struct NotARecord
    {
        CUIString key;
        int first, count;
    } lookalike = {L"CFriendsUI", 1, 2};
    static UINT_PTR seen;
    struct Compare
    {
        static int CALLBACK Ascending(UINT_PTR a, UINT_PTR b, UINT_PTR data) { return -ByNameDescending(a, b, data); }
        static int CALLBACK Descending(UINT_PTR a, UINT_PTR b, UINT_PTR data)
        {
            seen = data;
            return ByNameDescending(a, b, data);
        }
    };
    const UINT_PTR data[] = {1, 0x10000, static_cast<UINT_PTR>(-1), reinterpret_cast<UINT_PTR>(&lookalike)};
    for (UINT_PTR d : data) {
        SCOPED_TRACE(d);
        seen = 0;
        ASSERT_EQ(1, list.SortItems(&Compare::Ascending, 0));
        ASSERT_EQ("0123", Names(&list));
        EXPECT_EQ(1, list.SortItems(&Compare::Descending, d));
        EXPECT_EQ("3210", Names(&list));
        EXPECT_EQ(d, seen);
        EXPECT_TRUE(list.lastRows.empty());
    }
    // A copy of a record is a record too.
    TListSortRange range = {L"CFriendsUI", 1, 2};
    TListSortRange copy = range;
    ASSERT_EQ(1, list.SortItems(&Compare::Ascending, 0));
    EXPECT_EQ(1, list.SortItems(&Compare::Descending, reinterpret_cast<UINT_PTR>(&copy)));
    EXPECT_EQ("0213", Names(&list));
    EXPECT_EQ(1u, list.lastRows.size());
}
