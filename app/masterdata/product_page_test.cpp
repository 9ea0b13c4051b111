// The products page without a window, on memory fields and the real
// Datavane.dll (the test shop of masterdata_test_shop.h): what each of its
// buttons, rows, menu items, drop buttons and picker results does, the owner's
// and the clerk's page, opening a stored product and saving it back, and the
// category tree's changes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "masterdata_test_shop.h"
#include "product_page.h"
#include "test_support/dialog_answers.h"
#include "test_support/memory_host.h"
#include "test_support/memory_masterdata_view.h"
#include "test_support/scripted_product_dialogs.h"

namespace masterdata {
namespace {

using pagekit::EventKind;
using pagekit::MemoryFields;
using pagekit::PageEvent;
using pagekit::test::MemoryHost;
using shelltest::MessageBoxRecorder;

const wchar_t* const kOwnerButtons[] = {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_operate", L"hpkc_report"};
const wchar_t* const kEdits[] = {L"hpkc_edit_find", L"hpkc_edit_type", L"hpkc_new_pmgg", L"hpkc_new_hplb",
                                 L"hpkc_new_jldw",  L"hpkc_new_jhj",   L"hpkc_new_lsj",  L"hpkc_new_pfj",
                                 L"hpkc_new_dqkc",  L"hpkc_new_cskc",  L"hpkc_new_zdkc", L"hpkc_new_zgkc",
                                 L"hpkc_new_bz",    L"hpkc_new_cbj",   L"hpkc_new_ywdw", L"hpkc_new_hsl"};
const wchar_t* const kOthers[] = {L"hpkc_btn_add_type", L"sel_all_listhpkc", L"hpkc_btn_hide_zero",
                                  L"hpkc_find_drop",    L"hpkc_btn_find",    L"hpkc_find_space",
                                  L"hpkc_find_space2",  L"hpkc_header",      L"hpkc_btn_print"};

class ProductPageTest : public test::MasterdataShopTest {
 protected:
  // The page on a host with the layout's controls, opened for that user.
  void OpenPage(bool owner) {
    host_ = std::make_unique<MemoryHost>(&data(), pagekit::Session{owner ? L"老板" : L"营业员", owner});
    MemoryFields& fields = host_->fields;
    for (const wchar_t* name : kOwnerButtons) fields.Add(name);
    for (const wchar_t* name : kEdits) fields.Add(name, MemoryFields::Kind::kEdit);
    for (const wchar_t* name : kOthers) fields.Add(name);
    fields.Add(L"hpkc_new_product");
    fields.SetVisible(L"hpkc_new_product", false);
    fields.SetVisible(L"hpkc_operate", false);
    fields.AddTreeList(L"hpkc_list_type");
    auto dialogs = std::make_unique<test::ScriptedProductDialogs>(&shown_);
    dialogs_ = dialogs.get();
    page_ = std::make_unique<ProductPage>(std::make_unique<test::MemoryMasterdataView>(&shown_), std::move(dialogs));
    page_->Open(*host_, L"商品");
  }

  bool Click(const wchar_t* name) { return page_->OnEvent(*host_, {EventKind::kClick, name}); }
  bool Menu(const wchar_t* item) { return page_->OnEvent(*host_, {EventKind::kMenuCommand, item}); }
  // "修改" in the row of that product.
  void Modify(const wchar_t* product) {
    for (int row = 0; row < host_->fields.RowCount(L"listhpkc"); ++row) {
      if (host_->fields.Text(pagekit::Cell(L"listhpkc", row, L"item_商品名称")) != product) continue;
      PageEvent event{EventKind::kClick, L"item_mod", L"listhpkc", row};
      EXPECT_TRUE(page_->OnEvent(*host_, event));
      return;
    }
    ADD_FAILURE() << "no row";
  }
  void SelectCategory(const std::wstring& name) {
    for (int row = 0; row < host_->fields.RowCount(L"hpkc_list_type"); ++row)
      if (host_->fields.EntryKey(L"hpkc_list_type", row) == name) host_->fields.SelectRow(L"hpkc_list_type", row);
  }
  std::wstring Products() {
    std::wstring names;
    for (int row = 0; row < host_->fields.RowCount(L"listhpkc"); ++row) {
      if (!host_->fields.Visible(pagekit::Cell(L"listhpkc", row, L""))) continue;
      names += host_->fields.Text(pagekit::Cell(L"listhpkc", row, L"item_商品名称")) + L" ";
    }
    return names;
  }
  std::wstring Text(const wchar_t* field) { return host_->fields.Text(field); }
  // A stored bill's line, as the initial stock's derivation reads them.
  void AddBillLine(const char* number, const char* product, const char* quantity) {
    Record row;
    ASSERT_EQ(0, data().GetTableFields("J4_Bill_Items", &row));
    ASSERT_GE(row.size(), 3u);
    row[0].value = number;
    row[1].value = product;
    row[2].value = quantity;
    ASSERT_EQ(0, data().InsertRecord("J4_Bill_Items", &row));
  }

  std::vector<std::wstring> shown_;
  std::unique_ptr<MemoryHost> host_;
  std::unique_ptr<ProductPage> page_;
  test::ScriptedProductDialogs* dialogs_ = nullptr;
};

TEST_F(ProductPageTest, OpensTheTreeAndTheListAndHidesTheOwnerButtonsFromTheClerk) {
  for (bool owner : {true, false}) {
    shown_.clear();
    OpenPage(owner);
    EXPECT_EQ(std::vector<std::wstring>{L"tab 商品 mid_hpkc"}, host_->calls);
    EXPECT_EQ(L"tree hpkc_list_type 食品 饮料 水果 热带水果", shown_[0]);
    EXPECT_EQ(owner ? L"fill listhpkc 15 " : L"fill listhpkc 3 ", shown_[1]);
    EXPECT_EQ(L"苹果 芒果 可乐 面包 ", Products());
    EXPECT_EQ(4, host_->fields.RowCount(L"hpkc_list_type"));
    EXPECT_EQ(L"隐藏零库存", Text(L"hpkc_btn_hide_zero"));
    for (const wchar_t* name : {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_report"})
      EXPECT_EQ(owner, host_->fields.Visible(name)) << owner;
    for (const wchar_t* name : {L"hpkc_btn_add_type", L"sel_all_listhpkc", L"hpkc_btn_find"})
      EXPECT_TRUE(host_->fields.Visible(name)) << owner;
  }
}

TEST_F(ProductPageTest, ItsButtonsReachTheirOperations) {
  struct Case {
    const wchar_t* click;
    const wchar_t* search;  // typed into hpkc_edit_find before the click
    bool taken;
    const wchar_t* shown;  // the last thing the page showed or asked; null: nothing new
    const wchar_t* call;   // what the page asked of the frame; null: nothing
    const wchar_t* box;    // a system box; null: none
  } cases[] = {
      {L"hpkc_btn_report_kcyj", L"", true, nullptr, L"page 库存预警", nullptr},
      {L"HPKC_BTN_REPORT_KCTJ", L"", true, nullptr, L"page 库存统计表", nullptr},
      {L"hpkc_btn_find", L"pg", true, L"fill listhpkc 15 ", nullptr, nullptr},
      {L"hpkc_btn_batch_del", L"", true, L"tip sel_all_listhpkc 请勾选需要删除的商品！", nullptr, nullptr},
      {L"hpkc_btn_change_type", L"", true, L"picker category hpkc_tpye_drop hpkc_edit_type", nullptr, nullptr},
      {L"hpkc_find_drop", L"", true, L"picker product hpkc_find_drop hpkc_edit_find", nullptr, nullptr},
      {L"hpkc_tpye_drop", L"", true, L"picker category hpkc_tpye_drop hpkc_edit_type", nullptr, nullptr},
      {L"hpkc_new_hplb_drop", L"", true, L"picker category hpkc_new_hplb_drop hpkc_new_hplb", nullptr, nullptr},
      {L"hpkc_new_jldw_drop", L"", true, L"picker unit hpkc_new_jldw_drop hpkc_new_jldw", nullptr, nullptr},
      {L"hpkc_new_ywdw_drop", L"", true, L"picker business-unit hpkc_new_ywdw_drop hpkc_new_ywdw", nullptr, nullptr},
      {L"hpkc_btn_add_type", L"", true, L"category 商品类别操作 |", nullptr, nullptr},
      {L"hpkc_new_save", L"", true, L"tip hpkc_new_pmgg 请输入商品名称！", nullptr, nullptr},
      // A list of no window prints nothing; without the spreadsheet library no import dialog opens.
      {L"hpkc_btn_print", L"", true, nullptr, nullptr, nullptr},
      {L"hpkc_btn_import", L"", true, nullptr, nullptr, nullptr},
      // Not the page's.
      {L"hpkc", L"", false, nullptr, nullptr, nullptr},
      {L"khyqk_btn_find", L"", false, nullptr, nullptr, nullptr},
      {L"listhpkc", L"", false, nullptr, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    OpenPage(true);
    shown_.clear();
    host_->calls.clear();
    host_->fields.SetText(L"hpkc_edit_find", c.search);
    MessageBoxRecorder boxes;
    EXPECT_EQ(c.taken, Click(c.click)) << c.click;
    EXPECT_EQ(c.shown != nullptr ? std::vector<std::wstring>{c.shown} : std::vector<std::wstring>{},
              shown_.empty() ? shown_ : std::vector<std::wstring>{shown_.back()})
        << c.click;
    EXPECT_EQ(c.call != nullptr ? std::vector<std::wstring>{c.call} : std::vector<std::wstring>{}, host_->calls)
        << c.click;
    EXPECT_EQ(c.box != nullptr ? std::vector<std::wstring>{c.box} : std::vector<std::wstring>{},
              MessageBoxRecorder::Boxes())
        << c.click;
  }
  // A search by initials finds the product.
  OpenPage(true);
  host_->fields.SetText(L"hpkc_edit_find", L"pg");
  Click(L"hpkc_btn_find");
  EXPECT_EQ(L"苹果 ", Products());
  // A search after zero stock was hidden: the new rows are all shown and the
  // switch offers to hide again.
  Click(L"hpkc_btn_hide_zero");
  EXPECT_EQ(L"显示全部", Text(L"hpkc_btn_hide_zero"));
  host_->fields.SetText(L"hpkc_edit_find", L"mg");
  Click(L"hpkc_btn_find");
  EXPECT_EQ(L"芒果 ", Products());
  EXPECT_EQ(L"隐藏零库存", Text(L"hpkc_btn_hide_zero"));
  // A list notification naming a button is not the page's.
  EXPECT_FALSE(page_->OnEvent(*host_, {EventKind::kSelectChanged, L"hpkc_btn_find"}));
}

TEST_F(ProductPageTest, TheFormOpensAndClosesAndTheOptionRowTakesTurnsWithTheSearchRow) {
  OpenPage(true);
  host_->fields.SetText(L"hpkc_new_ywdw", L"箱");
  Click(L"hpkc_btn_new_product");
  EXPECT_TRUE(host_->fields.Visible(L"hpkc_new_product"));
  EXPECT_EQ(L"focus hpkc_new_pmgg", shown_.back());
  host_->fields.SetText(L"hpkc_new_pmgg", L"梨");
  Click(L"hpkc_new_cancel");
  EXPECT_FALSE(host_->fields.Visible(L"hpkc_new_product"));
  EXPECT_EQ(L"", Text(L"hpkc_new_pmgg"));
  EXPECT_EQ(L"箱", Text(L"hpkc_new_ywdw")) << "the business unit keeps its text";

  Click(L"hpkc_btn_other");
  EXPECT_TRUE(host_->fields.Visible(L"hpkc_operate"));
  for (const wchar_t* name : {L"hpkc_edit_find", L"hpkc_find_drop", L"hpkc_btn_find", L"hpkc_btn_hide_zero"})
    EXPECT_FALSE(host_->fields.Visible(name));
  EXPECT_EQ(L"0,0,0,0", host_->fields.Attribute(L"hpkc_header", L"bordersize"));
  Click(L"hpkc_btn_other");
  EXPECT_FALSE(host_->fields.Visible(L"hpkc_operate"));
  EXPECT_TRUE(host_->fields.Visible(L"hpkc_edit_find"));
}

TEST_F(ProductPageTest, ModifyOpensTheStoredProductAndItsSaveKeepsStockABillPosted) {
  OpenPage(true);
  Modify(L"可乐");
  EXPECT_TRUE(host_->fields.Visible(L"hpkc_new_product"));
  EXPECT_EQ(L"可乐", Text(L"hpkc_new_pmgg"));
  EXPECT_EQ(L"饮料", Text(L"hpkc_new_hplb"));
  EXPECT_EQ(L"瓶", Text(L"hpkc_new_jldw"));
  EXPECT_EQ(L"-2", Text(L"hpkc_new_dqkc"));
  EXPECT_EQ(L"2.00", Text(L"hpkc_new_cbj"));
  EXPECT_EQ(L"箱", Text(L"hpkc_new_ywdw"));
  EXPECT_EQ(L"24.00", Text(L"hpkc_new_hsl"));
  EXPECT_EQ(13u, page_->Editing().size());

  // A purchase posted while the form is open; the user changes the retail
  // price.
  PostBill("JHD202612110001", "可乐", "30");
  AddBillLine("JHD202612110001", "可乐", "30");
  host_->fields.SetText(L"hpkc_new_lsj", L"4.5");
  Click(L"hpkc_new_save");
  EXPECT_EQ(28.0, StoredNumber(StoredValue("J4_Product_Data", "商品名称", "可乐", "当前库存")));
  EXPECT_EQ("4.50", StoredValue("J4_Product_Data", "商品名称", "可乐", "零售价"));
  EXPECT_TRUE(page_->Editing().empty());

  // Opened again and the stock typed: the typed stock is written, the initial
  // stock following it while it is typed.
  Modify(L"可乐");
  host_->fields.SetText(L"hpkc_new_dqkc", L"40");
  EXPECT_TRUE(page_->OnEvent(*host_, {EventKind::kTextChanged, L"hpkc_new_dqkc"}));
  EXPECT_EQ(L"10.00", Text(L"hpkc_new_cskc"));
  Click(L"hpkc_new_save");
  EXPECT_EQ("40.00", StoredValue("J4_Product_Data", "商品名称", "可乐", "当前库存"));
  EXPECT_EQ("10.00", StoredValue("J4_Product_Data", "商品名称", "可乐", "初始库存"));
}

TEST_F(ProductPageTest, AnOpenedProductStaysOpenWhenThePageIsOpenedAgain) {
  OpenPage(true);
  Modify(L"面包");
  page_->Open(*host_, L"商品");
  host_->fields.SetText(L"hpkc_new_bz", L"全麦");
  shown_.clear();
  Click(L"hpkc_new_save");
  EXPECT_EQ(L"focus hpkc_new_pmgg", shown_.back()) << "saved, not refused as an existing name";
  EXPECT_EQ("全麦", StoredValue("J4_Product_Data", "商品名称", "面包", "备注"));
}

TEST_F(ProductPageTest, TheClerkCannotOpenAProduct) {
  OpenPage(false);
  host_->fields.AddRow(L"listhpkc", {{L""}, {L"item_商品名称"}});
  host_->fields.SetText(pagekit::Cell(L"listhpkc", host_->fields.RowCount(L"listhpkc") - 1, L"item_商品名称"), L"可乐");
  const int row = host_->fields.RowCount(L"listhpkc") - 1;
  page_->OnEvent(*host_, {EventKind::kItemActivate, L"", L"listhpkc", row});
  EXPECT_FALSE(host_->fields.Visible(L"hpkc_new_product"));
  EXPECT_EQ(L"", Text(L"hpkc_new_pmgg"));
  EXPECT_TRUE(page_->Editing().empty());
}

TEST_F(ProductPageTest, ACategoryDoubleClickedFiltersTheListOrFillsTheOpenForm) {
  OpenPage(true);
  PageEvent activate{EventKind::kItemActivate, L"水果", L"hpkc_list_type", 2};
  EXPECT_TRUE(page_->OnEvent(*host_, activate));
  EXPECT_EQ(L"苹果 芒果 ", Products()) << "the category and those directly under it";
  Click(L"hpkc_btn_new_product");
  activate.sender = L"饮料";
  page_->OnEvent(*host_, activate);
  EXPECT_EQ(L"饮料", Text(L"hpkc_new_hplb"));
  EXPECT_EQ(L"苹果 芒果 ", Products());
}

TEST_F(ProductPageTest, CategoriesAreAddedRenamedAndDeletedFromTheTree) {
  OpenPage(true);
  SelectCategory(L"水果");
  // The button proposes no parent, the menu the selected category.
  dialogs_->Script({L"", L"零食"});
  Click(L"hpkc_btn_add_type");
  EXPECT_EQ(L"category 商品类别操作 |", shown_[shown_.size() - 2]);
  EXPECT_EQ(L"tree hpkc_list_type 食品 饮料 零食 水果 热带水果", shown_.back());
  SelectCategory(L"水果");
  dialogs_->Script({L"水果", L"浆果"});
  Menu(L"menu_product_type_add");
  EXPECT_EQ(L"category 商品类别操作 水果|", shown_[shown_.size() - 2]);
  EXPECT_EQ("2", StoredValue("J4_Product_Type", "商品类别", "浆果", "级别"));

  // A name that exists is refused and changes nothing.
  const std::string before = DumpAll();
  dialogs_->Script({L"", L"饮料"});
  Menu(L"menu_product_type_add");
  EXPECT_EQ(L"tell 该商品类别已存在，请重新输入！", shown_.back());
  EXPECT_EQ(before, DumpAll());
  // A cancelled dialog changes nothing either.
  shown_.clear();
  Menu(L"menu_product_type_add");
  EXPECT_EQ(1u, shown_.size());
  EXPECT_EQ(before, DumpAll());

  // A rename opens with the category and its parent; its products follow it.
  SelectCategory(L"水果");
  dialogs_->Script({L"食品", L"鲜果"});
  Menu(L"menu_product_type_mod");
  EXPECT_EQ(L"category 类别修改 食品|水果", shown_[shown_.size() - 2]);
  EXPECT_EQ("鲜果", StoredValue("J4_Product_Data", "商品名称", "苹果", "商品类别"));
  EXPECT_EQ("鲜果", StoredValue("J4_Product_Type", "商品类别", "热带水果", "上级类别"));

  // Nothing selected: a rename says so, a delete only rebuilds the tree.
  host_->fields.SelectRow(L"hpkc_list_type", -1);
  Menu(L"menu_product_type_mod");
  EXPECT_EQ(L"tell 请先选择要修改的商品类别！", shown_.back());
  const std::string kept = DumpAll();
  Menu(L"menu_product_type_del");
  EXPECT_EQ(kept, DumpAll());

  // A delete takes the category and those directly under it; products keep
  // their text.
  SelectCategory(L"鲜果");
  Menu(L"menu_product_type_del");
  EXPECT_EQ(L"tree hpkc_list_type 食品 饮料 零食", shown_.back());
  EXPECT_EQ("鲜果", StoredValue("J4_Product_Data", "商品名称", "苹果", "商品类别"));
  EXPECT_FALSE(Menu(L"menu_sidebar_del"));
}

TEST_F(ProductPageTest, PickerChoicesLandInTheirFields) {
  OpenPage(true);
  struct Case {
    pagekit::PickerKind kind;
    const wchar_t* owner;
    bool taken;
    const wchar_t* field;
  } cases[] = {
      {pagekit::PickerKind::kProductUnit, L"hpkc_new_jldw_drop", true, L"hpkc_new_jldw"},
      {pagekit::PickerKind::kProductUnit, L"HPKC_NEW_JLDW_DROP", true, L"hpkc_new_jldw"},
      {pagekit::PickerKind::kProductUnit, L"other_drop", false, nullptr},
      {pagekit::PickerKind::kProductType, L"hpkc_tpye_drop", true, L"hpkc_edit_type"},
      {pagekit::PickerKind::kProductType, L"hpkc_new_hplb_drop", true, L"hpkc_new_hplb"},
      {pagekit::PickerKind::kProductType, L"kctjbg_edit_type_drop", false, nullptr},
      {pagekit::PickerKind::kDropList, L"hpkc_new_ywdw_drop", true, L"hpkc_new_ywdw"},
      {pagekit::PickerKind::kProduct, L"hpkc_find_drop", true, L"hpkc_edit_find"},
      {pagekit::PickerKind::kProduct, L"dkhpfj_new_product_drop", false, nullptr},
  };
  for (const Case& c : cases) {
    for (const wchar_t* field : kEdits) host_->fields.SetText(field, L"");
    pagekit::PickerResult result;
    result.kind = c.kind;
    result.owner = c.owner;
    result.text = L"箱";
    EXPECT_EQ(c.taken, page_->OnPickerResult(*host_, result)) << c.owner;
    for (const wchar_t* field : kEdits)
      EXPECT_EQ(c.field != nullptr && std::wstring(field) == c.field ? L"箱" : L"", Text(field)) << c.owner;
  }
}

}  // namespace
}  // namespace masterdata
