// The product category dialog's parent picker: it opens under the parent button,
// 195 pixels wide, with the category tree, and the category clicked there becomes
// the parent that the dialog shows and returns.
#include <gtest/gtest.h>

#include <string>

#include "catalog_store.h"
#include "library_binding.h"
#include "main_frame.h"
#include "picker_popup.h"
#include "product_type_dialog.h"
#include "test_support/dialog_script.h"
#include "test_support/main_window.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::DialogScript;
namespace step = shelltest::step;

// The dialog's result, the caller's as the dialog takes it.
shell::ProductTypeResult productTypeResult;

TEST(ProductTypeDialog, ParentComesFromTheCategoryPicker) {
  shelltest::MainWindow main("老板");
  g_dataObject->DeleteProductType(nullptr);
  ASSERT_EQ(0, g_dataObject->AddProductType("饮料", "", 0));
  ASSERT_EQ(0, g_dataObject->AddProductType("果汁", "饮料", 1));
  main.frame().Catalog().ReloadCategories(pagekit::CatalogStore(*g_dataObject));
  RECT expected = {}, opened = {};
  std::wstring shown;
  DialogScript script({
      step::Do([&](shell::SkinDialog& d) {
        const RECT button = d.FindControl(L"ProductType_Sel")->GetPos();
        POINT at = {button.left, button.bottom};
        ::ClientToScreen(d.GetHWND(), &at);
        expected = {at.x, at.y, at.x + 195, at.y + 160};
      }),
      step::Press(L"ProductType_Sel"),
      step::WaitForWindow(L"DlgProductTypeListWnd",
                          [&](HWND picker) {
                            ::GetWindowRect(picker, &opened);
                            // The picker keeps its object with its window.
                            auto* object =
                                reinterpret_cast<SkinUI::CWindowWnd*>(::GetWindowLongPtrW(picker, GWLP_USERDATA));
                            auto* popup = dynamic_cast<shell::PickerPopup*>(object);
                            ASSERT_NE(nullptr, popup);
                            SkinUI::CBarListUI* list =
                                shell::FindBarList(*popup->GetPaintManager(), L"list_product_type");
                            ASSERT_NE(nullptr, list);
                            SkinUI::BarListNode* node = list->FindBarListNode(L"果汁");
                            ASSERT_NE(nullptr, node);
                            shelltest::Click(picker, node->row);
                          }),
      [](shell::SkinDialog&) { return shelltest::VisibleWindowOfClass(L"DlgProductTypeListWnd") == nullptr; },
      step::Read(L"ProductType_Sel", &shown),
      step::Fill(L"ProductType_name", L"橙汁"),
      step::Press(L"msgdlg_ok"),
  });
  EXPECT_EQ(1u,
            script.Run(new shell::CDlgProductType(main.frame().Pickers(), L"", L"新增类别", L"", &productTypeResult),
                       main.hwnd()));
  EXPECT_EQ(shelltest::Corners(expected), shelltest::Corners(opened));
  EXPECT_EQ(L"果汁", shown);
  EXPECT_EQ(L"果汁", std::wstring(productTypeResult.parent.GetData()));
  EXPECT_EQ(L"橙汁", std::wstring(productTypeResult.name.GetData()));
}

}  // namespace
