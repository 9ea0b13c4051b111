// The child layout: its child built from a second layout file when it is
// attached, nothing for a missing file, one child after a second Init, and a
// file that names itself stops instead of recursing without end.
#include <string>

#include "child_layout.h"
#include "core/container_ui.h"
#include "core/dialog_builder.h"
#include "gtest/gtest.h"
#include "core/paint_manager.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

CControlUI* BuildAndAttach(CPaintManagerUI& manager, const wchar_t* xml)
{
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(xml), NULL, NULL, &manager);
    if (root != NULL) manager.AttachDialog(root);
    return root;
}

} // namespace

TEST(ChildLayout, BuildsItsChildFromTheFileWhenAttached)
{
    ScratchSkin skin(L"child_layout_page");
    WriteText(skin.folder() + L"page.xml",
              "<Window><VerticalLayout name=\"inner\"><Control name=\"leaf\"/></VerticalLayout></Window>");
    CPaintManagerUI manager;
    ASSERT_NE(nullptr, BuildAndAttach(manager, L"<Window><VerticalLayout><ChildLayout name=\"child\" "
                                               L"xmlfile=\"page.xml\"/><ChildLayout name=\"none\" "
                                               L"xmlfile=\"missing.xml\"/></VerticalLayout></Window>"));
    CChildLayoutUI* child = static_cast<CChildLayoutUI*>(manager.FindControl(L"child"));
    ASSERT_NE(nullptr, child);
    ASSERT_EQ(1, child->GetCount());
    EXPECT_EQ(manager.FindControl(L"inner"), child->GetItemAt(0));
    EXPECT_NE(nullptr, manager.FindControl(L"leaf"));
    EXPECT_EQ(0, static_cast<CChildLayoutUI*>(manager.FindControl(L"none"))->GetCount());

    // Initialised again (attached once more): still the one child.
    child->Init();
    EXPECT_EQ(1, child->GetCount());
}

TEST(ChildLayout, AFileThatNamesItselfStops)
{
    ScratchSkin skin(L"child_layout_self");
    WriteText(skin.folder() + L"self.xml", "<Window><ChildLayout xmlfile=\"self.xml\"/></Window>");
    CPaintManagerUI manager;
    CControlUI* root = BuildAndAttach(
        manager, L"<Window><VerticalLayout><ChildLayout xmlfile=\"self.xml\"/></VerticalLayout></Window>");
    ASSERT_NE(nullptr, root);
    int depth = 0;
    for (CControlUI* at = static_cast<CContainerUI*>(root)->GetItemAt(0); at != NULL; depth++) {
        CChildLayoutUI* layout = static_cast<CChildLayoutUI*>(at->GetInterface(L"ChildLayout"));
        at = layout != NULL ? layout->GetItemAt(0) : NULL;
    }
    EXPECT_EQ(CChildLayoutUI::MAX_NESTING + 1, depth);
}
