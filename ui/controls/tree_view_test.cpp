// The tree view: a tree built from layout XML with nested TreeNode elements,
// expanding and collapsing by the folder buttons and by double clicks in a real
// window, nodes added and removed in the middle of subtrees, check marks passed
// down, moving a node by dragging, and the builder freeing what it cannot place.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/dialog_builder.h"
#include "gtest/gtest.h"
#include "horizontal_layout.h"
#include "label.h"
#include "list_header.h"
#include "option.h"
#include "core/test_support/probe_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"
#include "tree_node.h"
#include "tree_view.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// a (a1 (a1x), a2), b with a label in its row; rows of 20 pixels.
const wchar_t kTree[] = L"<Window><TreeView name=\"tree\" visiblecheckbtn=\"true\">"
                        L"<TreeNode name=\"a\" text=\"A\">"
                        L"<TreeNode name=\"a1\" text=\"A1\"><TreeNode name=\"a1x\" text=\"A1x\"/></TreeNode>"
                        L"<TreeNode name=\"a2\" text=\"A2\"/>"
                        L"</TreeNode>"
                        L"<TreeNode name=\"b\" text=\"B\"><Label name=\"tag\" text=\"t\" width=\"30\"/></TreeNode>"
                        L"</TreeView></Window>";

class TreeWindow : public ::testing::Test
{
public:
    void Open()
    {
        w.reset(new TestWindow(kTree, 300, 200));
        ASSERT_TRUE(w->ok());
        tree = w->Find<CTreeViewUI>(L"tree");
        ASSERT_TRUE(tree != NULL);
        for (const wchar_t* name : {L"a", L"a1", L"a1x", L"a2", L"b"}) {
            ASSERT_TRUE(Node(name) != NULL);
        }
    }
    CTreeNodeUI* Node(const wchar_t* name) { return w->Find<CTreeNodeUI>(name); }
    // The names of the rows, in order; hidden ones in brackets.
    std::wstring Rows()
    {
        std::wstring rows;
        for (int i = 0; i < tree->GetCount(); ++i) {
            CControlUI* pRow = tree->GetItemAt(i);
            std::wstring name = Str(pRow->GetName());
            if (name.empty()) name = L"?";
            if (!rows.empty()) rows += L" ";
            rows += pRow->IsVisible() ? name : L"[" + name + L"]";
        }
        return rows;
    }
    // A fresh node named name.
    static CTreeNodeUI* NewNode(const wchar_t* name)
    {
        CTreeNodeUI* pNode = new CTreeNodeUI();
        pNode->SetName(name);
        pNode->SetItemText(name);
        return pNode;
    }
    // The centre of a node's folder button.
    static POINT FolderAt(CTreeNodeUI* pNode)
    {
        const RECT rc = pNode->GetFolderButton()->GetPos();
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void ClickFolder(const wchar_t* name)
    {
        w->Paint();
        const POINT pt = FolderAt(Node(name));
        w->Click(pt.x, pt.y);
        w->Paint();
    }

    std::unique_ptr<TestWindow> w;
    CTreeViewUI* tree = nullptr;
};

} // namespace

TEST_F(TreeWindow, NestedTreeNodesBecomeRowsInDepthFirstOrder)
{
    Open();
    EXPECT_EQ(Rows(), L"a a1 a1x a2 b");
    EXPECT_FALSE(tree->GetHeader()->IsVisible());

    struct Case
    {
        const wchar_t* name;
        const wchar_t* parent; // null for a top-level node
        int indent;            // the dotted line's width
        int nodeIndex;
        const wchar_t* last; // GetLastNode
        const wchar_t* text;
    } cases[] = {
        {L"a", nullptr, 0, 0, L"a2", L"A"}, {L"a1", L"a", 18, 0, L"a1x", L"A1"}, {L"a1x", L"a1", 36, 0, L"a1x", L"A1x"},
        {L"a2", L"a", 18, 1, L"a2", L"A2"}, {L"b", nullptr, 0, 4, L"b", L"B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.name, c.name + wcslen(c.name)));
        CTreeNodeUI* pNode = Node(c.name);
        EXPECT_EQ(pNode->GetParentNode(), c.parent != nullptr ? Node(c.parent) : nullptr);
        EXPECT_EQ(pNode->GetTreeView(), tree);
        EXPECT_EQ(pNode->GetDottedLine()->GetFixedWidth(), c.indent);
        EXPECT_EQ(pNode->GetDottedLine()->IsVisible(), c.indent > 0);
        EXPECT_EQ(pNode->GetNodeIndex(), c.nodeIndex);
        EXPECT_EQ(pNode->GetLastNode(), Node(c.last));
        EXPECT_EQ(Str(pNode->GetItemText()), c.text);
        // The view's settings reach every row.
        EXPECT_TRUE(pNode->GetVisibleCheckBtn());
        EXPECT_TRUE(pNode->GetVisibleFolderBtn());
    }
    // A control written inside a node joins the node's row.
    CHorizontalLayoutUI* pRow = Node(L"b")->GetTreeNodeHoriznotal();
    ASSERT_EQ(pRow->GetCount(), 5);
    EXPECT_EQ(Str(pRow->GetItemAt(4)->GetName()), L"tag");
    EXPECT_EQ(Node(L"b")->GetCountChild(), 0);
}

TEST_F(TreeWindow, FolderButtonsExpandAndCollapseSubtrees)
{
    Open();
    int expands = 0;
    std::vector<CControlUI*> expanded;
    w->log.onNotify = [&](TNotifyUI& msg) {
        if (msg.type == L"itemexpand") expanded.push_back(msg.sender);
    };
    struct Step
    {
        const char* what;
        std::function<void()> act;
        const wchar_t* rows;
        int expands;
    } steps[] = {
        // A new node's button stands selected (collapsed) over shown children.
        {"the first click on a expands it", [&] { ClickFolder(L"a"); }, L"a a1 a1x a2 b", 1},
        {"the first click on a1 expands it", [&] { ClickFolder(L"a1"); }, L"a a1 a1x a2 b", 2},
        {"a1 collapses", [&] { ClickFolder(L"a1"); }, L"a a1 [a1x] a2 b", 2},
        {"a collapses with everything under it", [&] { ClickFolder(L"a"); }, L"a [a1] [a1x] [a2] b", 2},
        {"a expands, a1 stays collapsed", [&] { ClickFolder(L"a"); }, L"a a1 [a1x] a2 b", 3},
        {"a1 expands", [&] { ClickFolder(L"a1"); }, L"a a1 a1x a2 b", 4},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(Rows(), s.rows);
        expands = static_cast<int>(expanded.size());
        EXPECT_EQ(expands, s.expands);
    }
    EXPECT_EQ(expanded[0], Node(L"a"));
    EXPECT_EQ(expanded[1], Node(L"a1"));
    EXPECT_EQ(expanded[3], Node(L"a1"));
    w->log.onNotify = nullptr;
}

TEST_F(TreeWindow, DoubleClickNotifiesAndToggles)
{
    Open();
    std::vector<CControlUI*> doubles;
    w->log.onNotify = [&](TNotifyUI& msg) {
        if (msg.type == L"itemdbclick") doubles.push_back(msg.sender);
    };
    w->Paint();
    const RECT rcA = Node(L"a")->GetPos();
    const int y = (rcA.top + rcA.bottom) / 2;
    // On the node's text, away from its buttons.
    w->Click(150, y);
    w->Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(150, y));
    w->Up(150, y);
    w->Paint();
    ASSERT_EQ(doubles.size(), 1u);
    EXPECT_EQ(doubles[0], Node(L"a"));
    // The folder button went from collapsed to expanded: everything shows.
    EXPECT_FALSE(Node(L"a")->GetFolderButton()->IsSelected());
    EXPECT_EQ(Rows(), L"a a1 a1x a2 b");

    w->Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(150, y));
    w->Up(150, y);
    EXPECT_EQ(doubles.size(), 2u);
    EXPECT_EQ(Rows(), L"a [a1] [a1x] [a2] b");

    // A disabled node says nothing.
    Node(L"a")->SetEnabled(false);
    w->Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(150, y));
    EXPECT_EQ(doubles.size(), 2u);
    w->log.onNotify = nullptr;
}

TEST_F(TreeWindow, AddingAndRemovingInsideSubtrees)
{
    struct Case
    {
        const char* what;
        std::function<bool(TreeWindow&)> act;
        bool result;
        const wchar_t* rows;
        const wchar_t* childrenOfA; // names of a's child nodes
    } cases[] = {
        {"insert before a2", [](TreeWindow& t) { return t.Node(L"a")->AddAt(NewNode(L"n"), 1); }, true,
         L"a a1 a1x n a2 b", L"a1 n a2"},
        {"insert past the end goes after the whole subtree",
         [](TreeWindow& t) { return t.Node(L"a")->AddAt(NewNode(L"n"), 9); }, true, L"a a1 a1x a2 n b", L"a1 a2 n"},
        {"insert at the front", [](TreeWindow& t) { return t.Node(L"a")->AddAt(NewNode(L"n"), 0); }, true,
         L"a n a1 a1x a2 b", L"n a1 a2"},
        {"child added under a1 follows a1x", [](TreeWindow& t) { return t.Node(L"a1")->AddChildNode(NewNode(L"n")); },
         true, L"a a1 a1x n a2 b", L"a1 a2"},
        {"a node with a subtree added under b",
         [](TreeWindow& t) {
             CTreeNodeUI* pNode = NewNode(L"n");
             pNode->AddChildNode(NewNode(L"m"));
             return t.Node(L"b")->AddChildNode(pNode);
         },
         true, L"a a1 a1x a2 b n m", L"a1 a2"},
        {"a node linked already is refused", [](TreeWindow& t) { return t.Node(L"b")->AddChildNode(t.Node(L"a1")); },
         false, L"a a1 a1x a2 b", L"a1 a2"},
        {"an ancestor is refused", [](TreeWindow& t) { return t.Node(L"a1x")->AddChildNode(t.Node(L"a")); }, false,
         L"a a1 a1x a2 b", L"a1 a2"},
        {"a1 removed with its child", [](TreeWindow& t) { return t.Node(L"a")->RemoveAt(t.Node(L"a1")); }, true,
         L"a a2 b", L"a2"},
        {"row 1 removed by index takes its subtree", [](TreeWindow& t) { return t.tree->RemoveAt(1); }, true, L"a a2 b",
         L"a2"},
        {"a leaf removed by index", [](TreeWindow& t) { return t.tree->RemoveAt(2); }, true, L"a a1 a2 b", L"a1 a2"},
        {"an index out of range", [](TreeWindow& t) { return t.tree->RemoveAt(9); }, false, L"a a1 a1x a2 b", L"a1 a2"},
        {"a leaf removed through the container",
         [](TreeWindow& t) { return static_cast<CListUI*>(t.tree)->Remove(t.Node(L"a2")); }, true, L"a a1 a1x b",
         L"a1"},
        {"a top-level node removed", [](TreeWindow& t) { return t.tree->Remove(t.Node(L"a")); }, true, L"b", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        tree->GetList()->SetDelayedDestroy(false);
        EXPECT_EQ(c.act(*this), c.result);
        EXPECT_EQ(Rows(), c.rows);
        if (c.childrenOfA != nullptr) {
            CTreeNodeUI* pA = Node(L"a");
            std::wstring children;
            for (int i = 0; i < pA->GetCountChild(); ++i) {
                if (!children.empty()) children += L" ";
                children += Str(pA->GetChildNode(i)->GetName());
                EXPECT_EQ(pA->GetChildNode(i)->GetParentNode(), pA);
            }
            EXPECT_EQ(children, c.childrenOfA);
        }
        // Every row's index and parent agree with the rows around it.
        for (int i = 0; i < tree->GetCount(); ++i) {
            CTreeNodeUI* pNode = static_cast<CTreeNodeUI*>(tree->GetItemAt(i)->GetInterface(L"TreeNode"));
            ASSERT_TRUE(pNode != NULL);
            EXPECT_EQ(pNode->GetIndex(), i);
            EXPECT_EQ(pNode->GetTreeIndex(), i);
            if (pNode->GetParentNode() != NULL) {
                EXPECT_LT(pNode->GetParentNode()->GetTreeIndex(), i);
            }
        }
        w->Paint();
        w.reset();
    }
}

TEST_F(TreeWindow, CheckMarksPassDownToTheSubtree)
{
    Open();
    Node(L"a")->CheckBoxSelected(true);
    for (const wchar_t* name : {L"a", L"a1", L"a1x", L"a2"}) EXPECT_TRUE(Node(name)->IsCheckBoxSelected());
    EXPECT_FALSE(Node(L"b")->IsCheckBoxSelected());
    Node(L"a1")->CheckBoxSelected(false);
    EXPECT_FALSE(Node(L"a1x")->IsCheckBoxSelected());
    EXPECT_TRUE(Node(L"a2")->IsCheckBoxSelected());
}

TEST_F(TreeWindow, DraggingMovesANodeWithItsSubtree)
{
    struct Case
    {
        const char* what;
        const wchar_t* source;
        const wchar_t* target;
        const wchar_t* rows;
    } cases[] = {
        {"a1 with a1x under b", L"a1", L"b", L"a a2 b a1 a1x"},
        {"onto itself", L"a1", L"a1", L"a a1 a1x a2 b"},
        {"onto its own parent", L"a1", L"a", L"a a1 a1x a2 b"},
        {"onto its own descendant", L"a", L"a1x", L"a a1 a1x a2 b"},
        {"a top-level node stays", L"b", L"a2", L"a a1 a1x a2 b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        tree->BeginDrag(Node(c.source));
        tree->EndDrag(Node(c.target));
        EXPECT_EQ(Rows(), c.rows);
        w.reset();
    }
    Open();
    tree->BeginDrag(Node(L"a1"));
    tree->EndDrag(Node(L"b"));
    EXPECT_EQ(Node(L"a1")->GetParentNode(), Node(L"b"));
    EXPECT_EQ(Node(L"a1x")->GetDottedLine()->GetFixedWidth(), 36);
    EXPECT_TRUE(Node(L"a1")->IsSelected());
    EXPECT_EQ(Node(L"a")->GetCountChild(), 1);
}

// ---- the builder -------------------------------------------------------------------------

namespace {

// Makes "Probe" elements that report their destruction.
class ProbeMaker : public IDialogBuilderCallback
{
public:
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        if (wcscmp(pstrClass, L"Probe") != 0) return NULL;
        ProbeControl* pProbe = new ProbeControl(L"probe");
        pProbe->destroyed = &destroyed;
        return pProbe;
    }
    bool destroyed = false;
};

} // namespace

TEST(TreeBuilder, ATreeNodeOutsideATreeIsFreedAndEndsItsLevel)
{
    ProbeMaker maker;
    CDialogBuilder builder;
    CControlUI* pRoot =
        builder.Create(STRINGorID(L"<Window><VerticalLayout name=\"v\"><Button name=\"before\"/>"
                                  L"<TreeNode><Probe/></TreeNode><Button name=\"after\"/></VerticalLayout></Window>"),
                       NULL, &maker);
    ASSERT_TRUE(pRoot != NULL);
    CContainerUI* pLayout = static_cast<CContainerUI*>(pRoot->GetInterface(L"Container"));
    ASSERT_TRUE(pLayout != NULL);
    // The node (with the probe in its row) is gone, and nothing after it was built.
    EXPECT_TRUE(maker.destroyed);
    ASSERT_EQ(pLayout->GetCount(), 1);
    EXPECT_EQ(Str(pLayout->GetItemAt(0)->GetName()), L"before");
    delete pRoot;
}

TEST(TreeBuilder, ControlsInsideANodeLiveAndDieWithItsRow)
{
    ProbeMaker maker;
    {
        CDialogBuilder builder;
        CControlUI* pRoot =
            builder.Create(STRINGorID(L"<Window><TreeView><TreeNode><TreeNode text=\"x\"><Probe/></TreeNode></TreeNode>"
                                      L"</TreeView></Window>"),
                           NULL, &maker);
        ASSERT_TRUE(pRoot != NULL);
        CTreeViewUI* pTree = static_cast<CTreeViewUI*>(pRoot->GetInterface(L"TreeView"));
        ASSERT_TRUE(pTree != NULL);
        ASSERT_EQ(pTree->GetCount(), 2);
        CTreeNodeUI* pInner = static_cast<CTreeNodeUI*>(pTree->GetItemAt(1)->GetInterface(L"TreeNode"));
        EXPECT_EQ(Str(pInner->GetTreeNodeHoriznotal()->GetItemAt(4)->GetName()), L"probe");
        EXPECT_FALSE(maker.destroyed);
        delete pRoot;
    }
    EXPECT_TRUE(maker.destroyed);
}
