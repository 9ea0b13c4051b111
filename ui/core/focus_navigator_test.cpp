// Tab order and shortcut targets over a small tree: wrap-around at both ends,
// hidden, disabled and non-tab-stop controls passed over, a label's shortcut
// reaching the control after it.
#include "focus_navigator.h"

#include "container_ui.h"
#include "control_ui.h"
#include "gtest/gtest.h"

using namespace SkinUI;

namespace {

class TabStop : public CControlUI
{
public:
    UINT GetControlFlags() const override { return CTRLFLAG_TABSTOP; }
};

class ShortcutLabel : public CControlUI
{
public:
    const wchar_t* GetClass() const override { return L"ShortcutLabelUI"; }
};

// a, b (hidden), c (disabled), d, e (no tab stop), f.
struct TabTree
{
    CContainerUI root;
    CControlUI* a = new TabStop;
    CControlUI* b = new TabStop;
    CControlUI* c = new TabStop;
    CControlUI* d = new TabStop;
    CControlUI* e = new CControlUI;
    CControlUI* f = new TabStop;

    TabTree()
    {
        for (CControlUI* p : {a, b, c, d, e, f}) root.Add(p);
        b->SetVisible(false);
        c->SetEnabled(false);
    }
};

}  // namespace

TEST(FocusNavigator, TabOrderWrapsAroundAndSkipsWhatCannotTakeFocus)
{
    TabTree tree;
    struct Case
    {
        CControlUI* from;
        bool forward;
        CControlUI* expected;
        const char* what;
    } cases[] = {
        {NULL, true, tree.a, "no focus: the first tab stop"},
        {tree.a, true, tree.d, "hidden and disabled passed over"},
        {tree.d, true, tree.f, "a control without tab stop passed over"},
        {tree.f, true, tree.a, "forward wraps to the first"},
        {tree.a, false, tree.f, "backward wraps to the last"},
        {tree.f, false, tree.d, "backward"},
        {tree.e, true, tree.f, "from a control that is no tab stop"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, FocusNavigator::NextTabStop(&tree.root, c.from, c.forward)) << c.what;
    }
    EXPECT_EQ(tree.a, FocusNavigator::TabStopBefore(&tree.root, tree.d));
    EXPECT_EQ(tree.d, FocusNavigator::TabStopBefore(&tree.root, tree.e));
    EXPECT_EQ(NULL, FocusNavigator::TabStopBefore(&tree.root, tree.a)) << "no wrap before the first";
    EXPECT_EQ(NULL, FocusNavigator::NextTabStop(NULL, tree.a, true));
}

TEST(FocusNavigator, TreeWithoutTabStopsGivesNone)
{
    CContainerUI root;
    root.Add(new CControlUI);
    EXPECT_EQ(NULL, FocusNavigator::NextTabStop(&root, NULL, true));
    EXPECT_EQ(NULL, FocusNavigator::NextTabStop(&root, NULL, false));
}

TEST(FocusNavigator, ShortcutReachesItsControlOrTheOneAfterALabel)
{
    CContainerUI root;
    CControlUI* label = new ShortcutLabel;
    CControlUI* named = new CControlUI;
    CControlUI* hidden = new CControlUI;
    CControlUI* own = new CControlUI;
    for (CControlUI* p : {label, named, hidden, own}) root.Add(p);
    label->SetShortcut(L'N');
    hidden->SetShortcut(L'H');
    hidden->SetVisible(false);
    own->SetShortcut(L'o');

    EXPECT_EQ(named, FocusNavigator::ShortcutTarget(&root, L'n')) << "a label names the control after it";
    EXPECT_EQ(own, FocusNavigator::ShortcutTarget(&root, L'O')) << "letters compare without case";
    EXPECT_EQ(NULL, FocusNavigator::ShortcutTarget(&root, L'H')) << "a hidden control carries no shortcut";
    EXPECT_EQ(NULL, FocusNavigator::ShortcutTarget(&root, L'Z'));
}
