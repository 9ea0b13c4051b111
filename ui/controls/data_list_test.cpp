// The data list: its names, the large look of the selected leaf and the small
// look it goes back to (applied any number of times), rows kept large, the tip
// button freed once, and a range sort putting the nodes in the rows' order.
#include <string>
#include <vector>

#include "button.h"
#include "data_list.h"
#include "gtest/gtest.h"
#include "test_support/node_list_test_support.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

struct Look
{
    int height;
    int head;
    int container;
    bool operation;
};

Look LookOf(BarListNode* node)
{
    return Look{node->row->GetFixedHeight(), Sub(node->row, L"file_head_size")->GetFixedWidth(),
                Sub(node->row, L"fli_head_container")->GetFixedWidth(), Sub(node->row, L"fli_operation")->IsVisible()};
}

void ExpectLook(const Look& expected, BarListNode* node, const char* what)
{
    SCOPED_TRACE(what);
    const Look look = LookOf(node);
    EXPECT_EQ(expected.height, look.height);
    EXPECT_EQ(expected.head, look.head);
    EXPECT_EQ(expected.container, look.container);
    EXPECT_EQ(expected.operation, look.operation);
    EXPECT_EQ(expected.head, Sub(node->row, L"file_head_size")->GetFixedHeight());
}

class DataListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.reset(new ListWindow<CDataListUI>(400));
        folder = w->list->AddBarListNode(Item(L"friends", true), NULL, kItemLayout);
        first = w->list->AddBarListNode(Item(L"first"), folder, kItemLayout);
        second = w->list->AddBarListNode(Item(L"second"), folder, kItemLayout);
        ASSERT_TRUE(folder && first && second);
        w->Layout();
    }
    std::unique_ptr<ListWindow<CDataListUI>> w;
    BarListNode *folder, *first, *second;
};

TEST_F(DataListTest, AnswersAsTheFriendsList)
{
    CDataListUI& list = *w->list;
    EXPECT_STREQ(L"FriendsUI", list.GetClass());
    EXPECT_EQ(static_cast<void*>(&list), list.GetInterface(L"DataList"));
    EXPECT_TRUE(list.GetInterface(L"IList") != NULL);
    EXPECT_TRUE(list.GetInterface(L"IListOwner") != NULL);
    EXPECT_TRUE(list.GetInterface(L"List") == NULL);
    EXPECT_TRUE(list.IsDragEnabled());
    // The tip button is the list's own child, not a row.
    CButtonUI* tip = list.GetTipButton();
    ASSERT_TRUE(tip != NULL);
    EXPECT_STREQ(L"fli_btnTip", tip->GetName().GetData());
    EXPECT_FALSE(tip->IsVisible());
    EXPECT_TRUE(tip->IsFloat());
    EXPECT_EQ(32, tip->GetFixedHeight());
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(static_cast<CControlUI*>(&list), tip->GetParent());
}

TEST_F(DataListTest, TheSelectedLeafIsLargeAndTheRowItLeftIsSmallAgain)
{
    CDataListUI& list = *w->list;
    const Look fromLayout = {32, 40, 60, false};
    const Look large = {52, 27, 60, true};
    const Look small = {32, 26, 40, false};
    ExpectLook(fromLayout, first, "a new row");

    ASSERT_TRUE(list.SelectItem(1));
    ExpectLook(large, first, "selected");
    ASSERT_TRUE(list.SelectItem(2));
    ExpectLook(small, first, "after the selection left");
    ExpectLook(large, second, "selected next");
    // Back and forth: the head's container is narrowed once, not each time.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(list.SelectItem(1));
        ASSERT_TRUE(list.SelectItem(2));
    }
    ExpectLook(small, first, "after several rounds");
    ASSERT_TRUE(list.SelectItem(1));
    ExpectLook(large, first, "selected again");
    list.ApplySmallLook(first->row);
    list.ApplySmallLook(first->row);
    EXPECT_EQ(40, LookOf(first).container);

    // A folder keeps its height and hides its operations.
    Sub(folder->row, L"fli_operation")->SetVisible(true);
    ASSERT_TRUE(list.SelectItem(0));
    EXPECT_EQ(32, folder->row->GetFixedHeight());
    EXPECT_FALSE(Sub(folder->row, L"fli_operation")->IsVisible());
}

TEST_F(DataListTest, RowsKeptLargeStayLargeWhenTheSelectionLeaves)
{
    CDataListUI& list = *w->list;
    list.SetKeepRowsLarge(true);
    ASSERT_TRUE(list.SelectItem(1));
    ASSERT_TRUE(list.SelectItem(2));
    ExpectLook(Look{52, 27, 60, true}, first, "kept large");
}

TEST_F(DataListTest, ARangeSortPutsTheNodesInTheRowsNewOrder)
{
    BarListNode* third = w->list->AddBarListNode(Item(L"third"), folder, kItemLayout);
    ASSERT_TRUE(third != NULL);
    struct Descending
    {
        static int CALLBACK Compare(UINT_PTR a, UINT_PTR b, UINT_PTR)
        {
            const std::wstring ta = Sub(reinterpret_cast<CControlUI*>(a), L"item_text")->GetText().GetData();
            const std::wstring tb = Sub(reinterpret_cast<CControlUI*>(b), L"item_text")->GetText().GetData();
            return tb.compare(ta);
        }
    };
    // The folder's three rows, sorted by their shown text, descending.
    TListSortRange range = {L"CFriendsUI", 1, 3};
    ASSERT_EQ(1, w->list->SortItems(&Descending::Compare, reinterpret_cast<UINT_PTR>(&range)));
    const std::vector<std::wstring> rows = RowTexts(*w->list);
    EXPECT_EQ((std::vector<std::wstring>{L"friends", L"third", L"second", L"first"}), rows);
    std::vector<std::wstring> nodes;
    for (BarListNode* node : folder->children) nodes.push_back(node->text.GetData());
    EXPECT_EQ((std::vector<std::wstring>{L"third", L"second", L"first"}), nodes);
    // Nodes added afterwards still come after the folder's last row.
    BarListNode* fourth = w->list->AddBarListNode(Item(L"fourth"), folder, kItemLayout);
    ASSERT_TRUE(fourth != NULL);
    EXPECT_EQ(L"fourth", RowTexts(*w->list).back());
}

int g_tipDestroyed = 0;
bool CountTipDestroyed(void*)
{
    ++g_tipDestroyed;
    return true;
}

TEST(DataList, TheTipButtonIsFreedOnceWithTheList)
{
    g_tipDestroyed = 0;
    {
        ListWindow<CDataListUI> w;
        w.list->GetTipButton()->OnDestroy += MakeDelegate(&CountTipDestroyed);
        ASSERT_TRUE(w.list->AddBarListNode(Item(L"x"), NULL, kItemLayout) != NULL);
        w.Layout();
    }
    PumpMessages();
    EXPECT_EQ(1, g_tipDestroyed);
}

} // namespace
