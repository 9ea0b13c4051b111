// The products page's wiring in the main window built from the packed skin, for
// the owner and the clerk: the router's "商品" opens its tab and its one panel
// with the category tree and the list (the owner's seven columns with the row
// operations, the clerk's six without the purchase price), the clerk loses the
// owner's buttons, and real clicks reach the page: a product added through the
// form is found by its initials, and hiding zero stock, ticking every row and
// the batch delete keep the hidden products. A picture of the page goes to
// TARVEL_SHOT_DIR when it is set. What the page does is tested without a window
// (product_page_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/list.h"
#include "control_lookup.h"
#include "core/window_impl_base.h"
#include "controls/list_header.h"
#include "library_binding.h"
#include "test_support/dialog_answers.h"
#include "test_support/page_probe.h"
#include "test_support/shell_doubles.h"
#include "test_support/window_shot.h"
#include "text_conversion.h"

namespace {

using shelltest::MainWindow;
using shelltest::TabStrip;
using shelltest::VisiblePanels;

const char* const kAccounts[] = {"老板", "营业员"};

class ProductPageWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    g_dataObject->AddProductType("水果", "", 0);
    struct Product {
      const char* name;
      const char* stock;
    };
    for (const Product& p : {Product{"苹果", "10"}, Product{"芒果", "0"}, Product{"梨", "-1"}, Product{"桃", "3"}}) {
      std::vector<DataField> row = {
          MakeDataField("商品名称", p.name),   MakeDataField("商品类别", "水果"),  MakeDataField("计量单位", "斤"),
          MakeDataField("进货价", "2.00"),     MakeDataField("零售价", "4.00"),    MakeDataField("批发价", "3.00"),
          MakeDataField("客户批发价", "3.00"), MakeDataField("当前库存", p.stock), MakeDataField("初始库存", p.stock),
          MakeDataField("最低库存", "0.00"),   MakeDataField("最高库存", "0.00"),  MakeDataField("备注", ""),
          MakeDataField("操作人", "老板")};
      g_dataObject->InsertRecord("J4_Product_Data", &row);
    }
  }

  static SkinUI::CListUI* List(MainWindow& main) {
    SkinUI::CControlUI* control = main.Find(L"listhpkc");
    return control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
  }
  static std::wstring Header(MainWindow& main) {
    std::wstring captions;
    SkinUI::CListUI* list = List(main);
    for (int i = 0; list != nullptr && i < list->GetHeader()->GetCount(); ++i)
      captions += std::wstring(list->GetHeader()->GetItemAt(i)->GetText().GetData()) + L"|";
    return captions;
  }
  // The products of the visible rows.
  static std::wstring Products(MainWindow& main) {
    std::wstring names;
    SkinUI::CListUI* list = List(main);
    for (int i = 0; list != nullptr && i < list->GetCount(); ++i) {
      SkinUI::CControlUI* row = list->GetItemAt(i);
      if (!row->IsVisible()) continue;
      SkinUI::CControlUI* cell = main.frame().GetPaintManager()->FindSubControlByName(row, L"item_商品名称");
      if (cell != nullptr) names += std::wstring(cell->GetText().GetData()) + L" ";
    }
    return names;
  }
  static void Click(MainWindow& main, const wchar_t* name) {
    ASSERT_NE(nullptr, main.Find(name)) << shell::AnsiFromWide(name);
    shelltest::Click(main.hwnd(), main.Find(name));
    shelltest::Pump(150);
  }
};

TEST_F(ProductPageWindowTest, ColumnsAndButtonsByUser) {
  for (const char* account : kAccounts) {
    MainWindow main(account);
    const bool owner = main.frame().CurrentSession().owner;
    main.frame().ShowPage(L"商品");
    EXPECT_EQ(L"首页,[商品]", TabStrip(main.frame())) << account;
    EXPECT_EQ(L"mid_hpkc", VisiblePanels(main.frame())) << account;
    EXPECT_EQ(owner ? L"|行号|商品名称|商品类别|单位|库存|进货价|批发价|零售价|操作|"
                    : L"|行号|商品名称|商品类别|单位|库存|批发价|零售价|",
              Header(main))
        << account;
    for (const wchar_t* name : {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_report"})
      EXPECT_EQ(owner, main.Find(name)->IsVisible()) << account << " " << shell::AnsiFromWide(name);
    for (const wchar_t* name : {L"hpkc_btn_add_type", L"sel_all_listhpkc", L"listhpkc", L"hpkc_list_type",
                                L"hpkc_edit_find", L"hpkc_btn_find", L"hpkc_btn_hide_zero"})
      EXPECT_TRUE(main.Find(name)->IsVisible()) << account << " " << shell::AnsiFromWide(name);
  }
}

TEST_F(ProductPageWindowTest, AddFindHideAndDeleteThroughTheWindow) {
  MainWindow main("老板");
  main.Show();
  ::SetWindowPos(main.hwnd(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER | SWP_NOACTIVATE);
  main.frame().ShowPage(L"商品");
  shelltest::Pump(150);
  Click(main, L"hpkc_btn_new_product");
  ASSERT_TRUE(main.Find(L"hpkc_new_product")->IsVisible());
  main.Find(L"hpkc_new_pmgg")->SetText(L"香蕉");
  main.Find(L"hpkc_new_hplb")->SetText(L"水果");
  main.Find(L"hpkc_new_jldw")->SetText(L"把");
  main.Find(L"hpkc_new_dqkc")->SetText(L"6");
  shelltest::SaveWindowShot(main.hwnd(), "product_form");
  Click(main, L"hpkc_new_save");
  EXPECT_EQ(L"苹果 芒果 梨 桃 香蕉 ", Products(main));

  main.Find(L"hpkc_edit_find")->SetText(L"xj");
  Click(main, L"hpkc_btn_find");
  EXPECT_EQ(L"香蕉 ", Products(main));
  main.Find(L"hpkc_edit_find")->SetText(L"");
  Click(main, L"hpkc_btn_find");

  Click(main, L"hpkc_btn_hide_zero");
  EXPECT_EQ(L"显示全部", std::wstring(main.Find(L"hpkc_btn_hide_zero")->GetText().GetData()));
  EXPECT_EQ(L"苹果 桃 香蕉 ", Products(main));
  Click(main, L"hpkc_btn_other");
  ASSERT_TRUE(main.Find(L"hpkc_operate")->IsVisible());
  Click(main, L"sel_all_listhpkc");
  shelltest::DialogAnswering agree(1);
  Click(main, L"hpkc_btn_batch_del");
  EXPECT_EQ(std::vector<std::wstring>{L"提示|确定要执行删除操作 ?"}, shelltest::DialogAnswer::Asked());
  EXPECT_EQ(L"芒果 梨 ", Products(main));
  shelltest::SaveWindowShot(main.hwnd(), "product_page");
}

// A drop button's picker opens one pixel left of its field and 30 below the
// field's top, owned by the button.
TEST_F(ProductPageWindowTest, DropButtonsOpenTheirPickersUnderTheirFields) {
  MainWindow main("老板");
  main.Show();
  main.frame().ShowPage(L"商品");
  shelltest::Pump(150);
  Click(main, L"hpkc_btn_new_product");
  struct Case {
    const wchar_t* button;
    const wchar_t* field;
    const wchar_t* popup;  // the picker's window class
  } cases[] = {
      {L"hpkc_find_drop", L"hpkc_edit_find", L"DlgProductListWnd"},
  };
  for (const Case& c : cases) {
    Click(main, c.button);
    HWND popup = ::FindWindowW(c.popup, nullptr);
    ASSERT_NE(nullptr, popup) << shell::AnsiFromWide(c.button);
    RECT at{}, window{};
    ::GetWindowRect(popup, &at);
    ::GetWindowRect(main.hwnd(), &window);
    const RECT field = main.Find(c.field)->GetPos();
    EXPECT_EQ(window.left + field.left - 1, at.left) << shell::AnsiFromWide(c.button);
    EXPECT_EQ(window.top + field.top + 30, at.top) << shell::AnsiFromWide(c.button);
    ::SendMessageW(popup, WM_CLOSE, 0, 0);
    shelltest::Pump(100);
  }
}

// The unit and category pickers of the product form open under their fields from
// the frame's catalog; a click on an entry writes it into its field.
TEST_F(ProductPageWindowTest, TheUnitAndCategoryPickersFillTheFormsFields) {
  g_dataObject->AddProductUnit("箱");
  MainWindow main("老板");
  main.Show();
  ::SetWindowPos(main.hwnd(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER | SWP_NOACTIVATE);
  main.frame().ShowPage(L"商品");
  shelltest::Pump(150);
  Click(main, L"hpkc_btn_new_product");
  struct Case {
    const wchar_t* button;
    const wchar_t* windowClass;
    const wchar_t* list;
    const wchar_t* entry;
    const wchar_t* field;
  } cases[] = {
      {L"hpkc_new_jldw_drop", L"DlgProductUnitListWnd", L"list_product_unit", L"箱", L"hpkc_new_jldw"},
      {L"hpkc_new_hplb_drop", L"DlgProductTypeListWnd", L"list_product_type", L"水果", L"hpkc_new_hplb"},
  };
  for (const Case& c : cases) {
    main.Find(c.field)->SetText(L"");
    Click(main, c.button);
    HWND picker = nullptr;
    ASSERT_TRUE(shelltest::PumpUntil([&] { return (picker = ::FindWindowW(c.windowClass, nullptr)) != nullptr; }))
        << shell::AnsiFromWide(c.button);
    auto* popup = reinterpret_cast<SkinUI::CWindowWnd*>(::GetWindowLongPtrW(picker, GWLP_USERDATA));
    auto* window = dynamic_cast<SkinUI::WindowImplBase*>(popup);
    ASSERT_NE(nullptr, window);
    SkinUI::CBarListUI* list = shell::FindBarList(*window->GetPaintManager(), c.list);
    ASSERT_NE(nullptr, list);
    SkinUI::BarListNode* node = list->FindBarListNode(c.entry);
    ASSERT_NE(nullptr, node) << shell::AnsiFromWide(c.entry);
    shelltest::Click(picker, node->row);
    EXPECT_TRUE(shelltest::PumpUntil([&] { return !::IsWindow(picker); }));
    EXPECT_EQ(c.entry, std::wstring(main.Find(c.field)->GetText().GetData())) << shell::AnsiFromWide(c.field);
  }
  g_dataObject->DeleteProductUnit("箱");
}

}  // namespace
