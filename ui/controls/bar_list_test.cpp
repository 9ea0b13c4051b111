// The bar list: nodes added, expanded, found, visited and removed in bulk, the
// rows' order, indent and icons, node text shown as written, tags of rows built
// under a second layout name, and dragging a leaf onto a folder in a real
// window (the notification, the folders-only view and the drag cursors).
#include <string>
#include <vector>

#include "bar_list.h"
#include "data_list.h"
#include "gtest/gtest.h"
#include "list_container_element.h"
#include "test_support/node_list_test_support.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

using Texts = std::vector<std::wstring>;

int g_visits = 0;
int CountToFive(BarListNode*, const wchar_t*, CNodeListUI*) { return ++g_visits >= 5 ? 1 : 0; }

TEST(BarList, RowsFollowTheTreeWithIndentAndFolderIcons)
{
    ListWindow<CBarListUI> w;
    CBarListUI& list = *w.list;
    BarListNode* a = list.AddBarListNode(Item(L"A", true), NULL, kItemLayout);
    BarListNode* b = list.AddBarListNode(Item(L"B", true), NULL, kItemLayout);
    BarListNode* a1 = list.AddBarListNode(Item(L"a1"), a, kItemLayout);
    BarListNode* a1x = list.AddBarListNode(Item(L"a1x"), a1, kItemLayout);
    // The second child of A comes after the whole subtree of the first.
    BarListNode* a2 = list.AddBarListNode(Item(L"a2"), a, kItemLayout);
    BarListNode* b1 = list.AddBarListNode(Item(L"b1"), b, kItemLayout);
    ASSERT_TRUE(a && b && a1 && a1x && a2 && b1);
    EXPECT_EQ((Texts{L"A", L"a1", L"[a1x]", L"a2", L"B", L"b1"}), RowTexts(list));
    EXPECT_EQ(6, list.GetNodeCount());

    struct Case
    {
        BarListNode* node;
        int level;
        const wchar_t* text;
    };
    // A leaf that got a child became a folder below level 0: collapsed, with
    // the closed icon, and its child's row stays hidden until it opens.
    const Case cases[] = {
        {a, 0, L"<i list_icon_b.png>A"},
        {a1, 1, L"<x 20><x 1><i list_icon_a.png>a1"},
        {a1x, 2, L"<x 20><x 20><x 1>a1x"},
        {b1, 1, L"<x 20><x 1>b1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.level, c.node->level);
        EXPECT_EQ(std::wstring(c.text), ItemText(c.node));
    }
    EXPECT_TRUE(a1->folder);
    EXPECT_FALSE(a1->expanded);
    EXPECT_EQ(50, a->row->GetFixedHeight());
    EXPECT_STREQ(L"tree_folder.png", a->sFolderImage.GetData());
    EXPECT_TRUE(b1->sFolderImage.IsEmpty());
}

TEST(BarList, CollapsingHidesTheSubtreeAndExpandingKeepsClosedSubFoldersClosed)
{
    ListWindow<CBarListUI> w;
    CBarListUI& list = *w.list;
    BarListNode* a = list.AddBarListNode(Item(L"A", true), NULL, kItemLayout);
    BarListNode* a1 = list.AddBarListNode(Item(L"a1", true), a, kItemLayout);
    list.AddBarListNode(Item(L"a1x"), a1, kItemLayout);
    list.AddBarListNode(Item(L"a2"), a, kItemLayout);
    list.AddBarListNode(Item(L"B"), NULL, kItemLayout);
    EXPECT_EQ((Texts{L"A", L"a1", L"[a1x]", L"a2", L"B"}), RowTexts(list));

    list.ExpandBarListNode(a, false);
    EXPECT_EQ((Texts{L"A", L"[a1]", L"[a1x]", L"[a2]", L"B"}), RowTexts(list));
    EXPECT_EQ(L"<i list_icon_a.png>A", ItemText(a));
    // Opening the closed sub-folder while its parent is closed shows nothing yet.
    list.ExpandBarListNode(a1, true);
    EXPECT_EQ((Texts{L"A", L"[a1]", L"[a1x]", L"[a2]", L"B"}), RowTexts(list));
    list.ExpandBarListNode(a1, false);
    list.ExpandBarListNode(a, true);
    EXPECT_EQ((Texts{L"A", L"a1", L"[a1x]", L"a2", L"B"}), RowTexts(list));
    list.ExpandBarListNode(a1, true);
    EXPECT_EQ((Texts{L"A", L"a1", L"a1x", L"a2", L"B"}), RowTexts(list));
    // Nothing for the root or a null node.
    list.ExpandBarListNode(list.GetRootNode(), false);
    list.ExpandBarListNode(NULL, false);
    EXPECT_EQ(5, list.GetCount());
}

TEST(BarList, FindVisitAndRemoveInBulk)
{
    ListWindow<CBarListUI> w;
    CBarListUI& list = *w.list;
    const int kFolders = 10;
    const int kLeaves = 12;
    for (int f = 0; f < kFolders; ++f) {
        BarListNode* folder = list.AddBarListNode(Item((L"F" + std::to_wstring(f)).c_str(), true), NULL, kItemLayout);
        ASSERT_TRUE(folder != NULL);
        for (int i = 0; i < kLeaves; ++i) {
            // Every third leaf is called "gone".
            std::wstring text = i % 3 == 0 ? L"gone" : L"L" + std::to_wstring(f) + L"." + std::to_wstring(i);
            ASSERT_TRUE(list.AddBarListNode(Item(text.c_str()), folder, kItemLayout) != NULL);
        }
    }
    ASSERT_EQ(kFolders * (kLeaves + 1), list.GetCount());

    // Children before their parent, first subtree first; exact and case-sensitive.
    BarListNode* f3 = list.FindBarListNode(L"F3");
    ASSERT_TRUE(f3 != NULL);
    EXPECT_EQ(list.GetRootNode()->children[0]->children[0], list.FindBarListNode(L"gone"));
    EXPECT_EQ(f3->children[1], list.FindBarListNode(L"L3.1"));
    EXPECT_TRUE(list.FindBarListNode(L"l3.1") == NULL);
    EXPECT_TRUE(list.FindBarListNode(L"L3") == NULL);

    // The program's callback removes the node of the given text as it goes.
    struct Remover
    {
        static int Visit(BarListNode* node, const wchar_t* text, CNodeListUI* owner)
        {
            if (wcscmp(node->text.GetData(), text) == 0) owner->RemoveDataListNode(node);
            return 0;
        }
    };
    list.VisitBarListNodes(L"gone", &Remover::Visit);
    EXPECT_TRUE(list.FindBarListNode(L"gone") == NULL);
    EXPECT_EQ(kFolders * (kLeaves - kLeaves / 3 + 1), list.GetCount());
    EXPECT_EQ(list.GetCount(), list.GetNodeCount());

    // A visit stops at the first non-zero answer.
    g_visits = 0;
    list.VisitBarListNodes(L"", &CountToFive);
    EXPECT_EQ(5, g_visits);

    // Removing a folder's row takes its subtree; removing a row by index too.
    EXPECT_TRUE(list.Remove(f3->row));
    EXPECT_TRUE(list.FindBarListNode(L"L3.1") == NULL);
    EXPECT_TRUE(list.RemoveAt(0));
    EXPECT_TRUE(list.FindBarListNode(L"F0") == NULL);
    EXPECT_EQ((kFolders - 2) * (kLeaves - kLeaves / 3 + 1), list.GetCount());
    EXPECT_FALSE(list.RemoveDataListNode(list.GetRootNode()));
    EXPECT_FALSE(list.RemoveDataListNode(NULL));

    // Everything goes once; the list is filled again afterwards.
    list.RemoveAll();
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(0, list.GetNodeCount());
    EXPECT_TRUE(list.GetRootNode()->children.empty());
    ASSERT_TRUE(list.AddBarListNode(Item(L"again"), NULL, kItemLayout) != NULL);
    EXPECT_EQ((Texts{L"again"}), RowTexts(list));
}

TEST(BarList, TakesOnlyContainerRowsAndAnUntiedRowGoesAlone)
{
    ListWindow<CBarListUI> w;
    CBarListUI& list = *w.list;
    CControlUI* label = new CControlUI();
    EXPECT_FALSE(list.Add(label));
    EXPECT_FALSE(list.AddAt(label, 0));
    delete label;
    CListContainerElementUI* plain = new CListContainerElementUI();
    ASSERT_TRUE(list.Add(plain));
    ASSERT_TRUE(list.AddBarListNode(Item(L"tied"), NULL, kItemLayout) != NULL);
    // A tag that is a plain number is no node of the list.
    plain->SetTag(12345);
    EXPECT_TRUE(list.GetNodeOf(plain) == NULL);
    EXPECT_TRUE(list.GetRowRecord(plain, 12345) == NULL);
    EXPECT_TRUE(list.Remove(plain));
    EXPECT_EQ((Texts{L"tied"}), RowTexts(list));
    EXPECT_STREQ(L"BarListUI", list.GetClass());
    EXPECT_TRUE(list.GetInterface(L"List") == NULL);
    EXPECT_TRUE(list.GetInterface(L"IList") != NULL);
    EXPECT_TRUE(list.GetInterface(L"IListRowRecords") != NULL);
}

TEST(BarList, EveryRowIsTaggedWithItsOwnNodeWhateverLayoutNameItIsAddedUnder)
{
    ListWindow<CBarListUI> w;
    CBarListUI& list = *w.list;
    BarListNode* first = list.AddBarListNode(Item(L"first", true), NULL, kItemLayout);
    BarListNode* second = list.AddBarListNode(Item(L"second"), first, kOtherItemLayout);
    BarListNode* third = list.AddBarListNode(Item(L"third"), first, kItemLayout);
    for (BarListNode* node : {first, second, third}) {
        ASSERT_TRUE(node != NULL);
        EXPECT_EQ(node, list.GetNodeOf(node->row));
        EXPECT_EQ(node, list.GetNodeOf(Sub(node->row, L"item_text")));
    }
    // No default tag is left behind for a later build elsewhere.
    EXPECT_EQ(0u, w.window.pm.GetDefaultTag(kItemLayout));
    EXPECT_EQ(0u, w.window.pm.GetDefaultTag(kOtherItemLayout));
}

TEST(BarList, NodeTextIsShownAsWrittenNeverReadAsTags)
{
    struct Case
    {
        const wchar_t* text;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"plain", L"plain"},
        {L"<b>bold</b>", L"{<}b{>}bold{<}/b{>}"},
        {L"{c #FF0000}red", L"<{>c #FF0000<}>red"},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.shown, EscapeTaggedText(c.text).GetData()) << c.text;

    ListWindow<CBarListUI> w;
    BarListNode* node = w.list->AddBarListNode(Item(L"<i x.png>{b}", false), NULL, kItemLayout);
    ASSERT_TRUE(node != NULL);
    EXPECT_EQ(L"{<}i x.png{>}<{>b<}>", ItemText(node));
}

TEST(BarList, SelectingGivesLeafRowsTheRowHeightAndHidesAFoldersOperations)
{
    ListWindow<CBarListUI> w;
    CBarListUI& list = *w.list;
    list.SetSmallRows(true);
    BarListNode* folder = list.AddBarListNode(Item(L"F", true), NULL, kItemLayout);
    BarListNode* leaf = list.AddBarListNode(Item(L"l"), folder, kItemLayout);
    w.Layout();
    EXPECT_EQ(32, leaf->row->GetFixedHeight());
    Sub(folder->row, L"fli_operation")->SetVisible(true);
    EXPECT_TRUE(list.SelectItem(0));
    EXPECT_FALSE(Sub(folder->row, L"fli_operation")->IsVisible());
    leaf->row->SetFixedHeight(70);
    EXPECT_TRUE(list.SelectItem(1));
    EXPECT_EQ(32, leaf->row->GetFixedHeight());
    EXPECT_TRUE(list.SelectItem(1));
    EXPECT_FALSE(list.SelectItem(-1));
    EXPECT_EQ(-1, list.GetCurSel());
}

// Dragging in a real window: a folder F with leaves f1, f2 and a folder G
// with leaf g1.
class DragTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        w.reset(new ListWindow<CDataListUI>(400));
        CDataListUI& list = *w->list;
        F = list.AddBarListNode(Item(L"F", true), NULL, kItemLayout);
        f1 = list.AddBarListNode(Item(L"f1"), F, kItemLayout);
        f2 = list.AddBarListNode(Item(L"f2"), F, kItemLayout);
        G = list.AddBarListNode(Item(L"G", true), NULL, kItemLayout);
        g1 = list.AddBarListNode(Item(L"g1"), G, kItemLayout);
        ASSERT_TRUE(F && f1 && f2 && G && g1);
        w->Layout();
    }
    POINT Centre(BarListNode* node)
    {
        const RECT& rc = node->row->GetPos();
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    int Drops() { return w->window.log.Count(kNotifyDragDroppedFriendList); }

    std::unique_ptr<ListWindow<CDataListUI>> w;
    BarListNode *F, *f1, *f2, *G, *g1;
};

TEST_F(DragTest, OnlyALeafDroppedOnAFolderIsAnnounced)
{
    struct Case
    {
        const char* what;
        BarListNode* DragTest::*from;
        BarListNode* DragTest::*to;
        bool announced;
    };
    const Case cases[] = {
        {"leaf on another folder", &DragTest::f1, &DragTest::G, true},
        {"leaf on its own folder", &DragTest::g1, &DragTest::G, true},
        {"leaf on a leaf", &DragTest::f1, &DragTest::g1, false},
        {"folder on a folder", &DragTest::F, &DragTest::G, false},
        {"leaf on itself", &DragTest::f2, &DragTest::f2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BarListNode* from = this->*c.from;
        BarListNode* to = this->*c.to;
        w->window.log.records.clear();
        WPARAM dropped = 0;
        LPARAM onto = 0;
        w->window.log.onNotify = [&](TNotifyUI& msg) {
            if (msg.type == kNotifyDragDroppedFriendList) {
                dropped = msg.wParam;
                onto = msg.lParam;
            }
        };
        const POINT start = Centre(from);
        const POINT end = Centre(to);
        w->window.Move(start.x, start.y);
        w->window.Down(start.x, start.y);
        w->window.Move(end.x, end.y);
        w->window.Paint();
        // The end point is found again: the folders-only view moved the rows.
        const POINT drop = c.to == &DragTest::f2 ? end : Centre(to);
        w->window.Up(drop.x, drop.y);
        w->window.Paint();
        EXPECT_EQ(c.announced ? 1 : 0, Drops());
        if (c.announced) {
            EXPECT_EQ(reinterpret_cast<WPARAM>(from), dropped);
            EXPECT_EQ(reinterpret_cast<LPARAM>(to), onto);
        }
        EXPECT_FALSE(w->list->IsShowingFoldersOnly());
        EXPECT_EQ((Texts{L"F", L"f1", L"f2", L"G", L"g1"}), RowTexts(*w->list));
    }
}

TEST_F(DragTest, WhileDraggingOnlyFoldersShowAndTheCursorTellsWhereTheLeafIs)
{
    const POINT start = Centre(f1);
    w->window.Move(start.x, start.y);
    w->window.Down(start.x, start.y);
    // Over the dragged row itself.
    w->window.Move(start.x, start.y + 1);
    EXPECT_EQ(::LoadCursorW(::GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDC_BARLIST_DRAG_SELF)), ::GetCursor());
    EXPECT_FALSE(w->list->IsShowingFoldersOnly());

    const POINT over = Centre(G);
    w->window.Move(over.x, over.y);
    EXPECT_TRUE(w->list->IsShowingFoldersOnly());
    EXPECT_EQ((Texts{L"F", L"[f1]", L"[f2]", L"G", L"[g1]"}), RowTexts(*w->list));
    EXPECT_EQ(::LoadCursorW(::GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDC_BARLIST_DRAG_OVER)), ::GetCursor());
    EXPECT_TRUE(::GetCursor() != NULL);

    w->window.Paint();
    const POINT drop = Centre(G);
    w->window.Up(drop.x, drop.y);
    EXPECT_EQ(1, Drops());
    EXPECT_EQ((Texts{L"F", L"f1", L"f2", L"G", L"g1"}), RowTexts(*w->list));
}

TEST_F(DragTest, AFolderCollapsedBeforeTheDragStaysCollapsedAfterIt)
{
    BarListNode* sub = w->list->AddBarListNode(Item(L"sub", true), F, kItemLayout);
    BarListNode* deep = w->list->AddBarListNode(Item(L"deep", true), sub, kItemLayout);
    ASSERT_TRUE(sub && deep);
    w->list->ExpandBarListNode(F, false);
    w->Layout();
    EXPECT_EQ((Texts{L"F", L"[f1]", L"[f2]", L"[sub]", L"[deep]", L"G", L"g1"}), RowTexts(*w->list));
    const POINT start = Centre(g1);
    w->window.Move(start.x, start.y);
    w->window.Down(start.x, start.y);
    const POINT over = Centre(G);
    w->window.Move(over.x, over.y);
    EXPECT_EQ((Texts{L"F", L"[f1]", L"[f2]", L"sub", L"deep", L"G", L"[g1]"}), RowTexts(*w->list));
    w->window.Paint();
    const POINT drop = Centre(F);
    w->window.Up(drop.x, drop.y);
    EXPECT_EQ(1, Drops());
    EXPECT_EQ((Texts{L"F", L"[f1]", L"[f2]", L"[sub]", L"[deep]", L"G", L"g1"}), RowTexts(*w->list));
}

TEST(BarListWheel, TheWheelScrollsInStepsOnTimerTenUntilTheMotionEnds)
{
    ListWindow<CBarListUI> w(200);
    w.list->EnableScrollBar(true, false);
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(w.list->AddBarListNode(Item((L"r" + std::to_wstring(i)).c_str()), NULL, kItemLayout) != NULL);
    w.Layout();
    ASSERT_GT(w.list->GetScrollRange().cy, 0);
    w.window.Move(100, 100);
    // Down: the speed is negative and the rows move up, a little less each tick.
    w.window.Wheel(100, 100, -WHEEL_DELTA);
    EXPECT_EQ(0, w.list->GetScrollPos().cy);
    std::vector<LONG> positions;
    // The motion lasts ten ticks of 50 ms.
    PumpUntil(
        [&] {
            const LONG cy = w.list->GetScrollPos().cy;
            if (positions.empty() || positions.back() != cy) positions.push_back(cy);
            return false;
        },
        1500);
    ASSERT_GT(positions.size(), 3u);
    for (size_t i = 1; i < positions.size(); ++i) EXPECT_GT(positions[i], positions[i - 1]);
    // Speed 8 over ten steps: 7, 6, 4, 3, 2, 2, 1, 1, 1 pixels, then the
    // motion ends (whatever ticks a busy machine merges).
    EXPECT_EQ(27, positions.back());
}

} // namespace
