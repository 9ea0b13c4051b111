// The party, price and item pages without a window: their logic on memory fields
// and the real Datavane.dll, the lists filled as the window would from the test
// shop (masterdata_test_shop.h).
#include <gtest/gtest.h>

#include <memory>

#include "account_item_page.h"
#include "data_store.h"
#include "masterdata_test_shop.h"
#include "party_page.h"
#include "party_save.h"
#include "price_page.h"
#include "price_save.h"
#include "product_list.h"
#include "account_item_save.h"
#include "test_support/memory_host.h"
#include "test_support/memory_masterdata_view.h"

namespace masterdata {
namespace {

using pagekit::MemoryFields;
using pagekit::test::MemoryHost;

class MasterdataPagesTest : public test::MasterdataShopTest {
 protected:
  std::unique_ptr<MasterdataView> View() { return std::make_unique<test::MemoryMasterdataView>(&shown_); }

  // A host with the controls of a page's layout.
  std::unique_ptr<MemoryHost> Host(bool owner, std::initializer_list<const wchar_t*> controls) {
    auto host = std::make_unique<MemoryHost>(&data(), pagekit::Session{owner ? L"老板" : L"营业员", owner});
    for (const wchar_t* control : controls) host->fields.Add(control, MemoryFields::Kind::kEdit);
    return host;
  }

  std::wstring Cells(MemoryHost& host, const std::wstring& list, const wchar_t* cell) {
    std::wstring cells;
    for (int row = 0; row < host.fields.RowCount(list); ++row) {
      if (!host.fields.Visible(pagekit::Cell(list, row, L""))) continue;
      cells += host.fields.Text(pagekit::Cell(list, row, cell)) + L" ";
    }
    return cells;
  }

  std::vector<std::wstring> shown_;
};

const std::initializer_list<const wchar_t*> kPartyControls = {L"khyqk_report",
                                                              L"khyqk_all_need_to_recv",
                                                              L"khyqk_dqysk",
                                                              L"khyqk_csyfk",
                                                              L"khyqk_mc",
                                                              L"khyqk_caption",
                                                              L"khyqk_new_custom",
                                                              L"khyqk_label_kehu",
                                                              L"khyqk_edit_kehu",
                                                              L"khyqk_btn_report_ysqkbg",
                                                              L"khyqk_btn_report_ysdzd",
                                                              L"khyqk_label_shdz",
                                                              L"khyqk_hide_zero",
                                                              L"khyqk_money",
                                                              L"layout_khyqk_new_custom",
                                                              L"khyqk_new_khmc",
                                                              L"khyqk_new_lx",
                                                              L"khyqk_new_lxr",
                                                              L"khyqk_new_lxdh",
                                                              L"khyqk_new_fax",
                                                              L"khyqk_new_qq",
                                                              L"khyqk_new_email",
                                                              L"khyqk_new_shdz",
                                                              L"khyqk_new_yzbm",
                                                              L"khyqk_new_dqysk",
                                                              L"khyqk_new_csysk",
                                                              L"khyqk_new_bz",
                                                              L"sel_all_listkhyqk"};

TEST_F(MasterdataPagesTest, PartyPageCaptionsHeadersAndTotalBySideAndUser) {
  struct Case {
    bool owner;
    pagekit::PageSide side;
    const wchar_t* tab;  // null: the page does not open
    const wchar_t* fill;
    const wchar_t* caption;
    const wchar_t* hint;
    const wchar_t* names;
    const wchar_t* total;
  };
  const Case cases[] = {
      {true, pagekit::PageSide::kSales, L"tab 客户 mid_khyqk", L"fill listkhyqk 31 收款", L"客户",
       L"客户名称或联系人或联系电话", L"零售客户 批发客户 张三商行 ", L"100.00"},
      {true, pagekit::PageSide::kPurchase, L"tab 供应商 mid_khyqk", L"fill listkhyqk 31 付款", L"供应商",
       L"供应商名称或联系人或联系电话", L"零散供应商 ", L"0.00"},
      {false, pagekit::PageSide::kSales, L"tab 客户 mid_khyqk", L"fill listkhyqk 2 收款", L"客户",
       L"客户名称或联系人或联系电话", L"零售客户 批发客户 张三商行 ", L"100.00"},
      {false, pagekit::PageSide::kPurchase, nullptr, nullptr, L"", L"", L"", L""},
  };
  for (const Case& c : cases) {
    shown_.clear();
    std::unique_ptr<MemoryHost> host = Host(c.owner, kPartyControls);
    host->side = c.side;
    PartyPage page(View());
    page.Open(*host, L"");
    EXPECT_EQ(c.tab == nullptr ? 0u : 1u, host->calls.size());
    if (c.tab != nullptr) {
      EXPECT_EQ(c.tab, host->calls[0]);
      EXPECT_EQ(c.fill, shown_.back());
    }
    EXPECT_EQ(c.caption, host->fields.Text(L"khyqk_caption"));
    EXPECT_EQ(c.hint, host->fields.Hint(L"khyqk_edit_kehu"));
    EXPECT_EQ(c.names,
              Cells(*host, L"listkhyqk", c.side == pagekit::PageSide::kSales ? L"item_客户名称" : L"item_供应商名称"));
    EXPECT_EQ(c.total, host->fields.Text(L"khyqk_money"));
    EXPECT_EQ(c.owner || c.tab == nullptr, host->fields.Visible(L"khyqk_report"));
  }
}

TEST_F(MasterdataPagesTest, PartySearchKeepsTheClerksHeaderAndHidingKeepsTheTotal) {
  for (bool owner : {true, false}) {
    shown_.clear();
    std::unique_ptr<MemoryHost> host = Host(owner, kPartyControls);
    PartyPage page(View());
    page.Open(*host, L"");
    host->fields.SetText(L"khyqk_edit_kehu", L"13800000000");
    page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_btn_find"});
    EXPECT_EQ(owner ? L"fill listkhyqk 31 收款" : L"fill listkhyqk 2 收款", shown_.back());
    EXPECT_EQ(L"张三商行 ", Cells(*host, L"listkhyqk", L"item_客户名称"));

    host->fields.SetText(L"khyqk_edit_kehu", L"");
    page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_btn_find"});
    page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_hide_zero"});
    EXPECT_EQ(L"显示全部", host->fields.Text(L"khyqk_hide_zero"));
    EXPECT_EQ(L"张三商行 ", Cells(*host, L"listkhyqk", L"item_客户名称"));
    EXPECT_EQ(L"1 ", Cells(*host, L"listkhyqk", L"item_line_num"));
    EXPECT_EQ(100.0, SumDebtColumns(host->fields, L"listkhyqk")) << "hidden rows count";
    page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_hide_zero"});
    EXPECT_EQ(L"1 2 3 ", Cells(*host, L"listkhyqk", L"item_line_num"));
  }
}

TEST_F(MasterdataPagesTest, CancelledPartyFormForgetsTheOpenedParty) {
  std::unique_ptr<MemoryHost> host = Host(true, kPartyControls);
  PartyPage page(View());
  page.Open(*host, L"");
  page.SetEditing(StoredRow("J4_Customer_Data", "客户名称", "张三商行"));
  host->fields.SetText(L"khyqk_new_khmc", L"张三商行");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_new_cancel"});
  EXPECT_TRUE(page.Editing().empty());
  EXPECT_FALSE(host->fields.Visible(L"layout_khyqk_new_custom"));
  EXPECT_EQ(L"0.00", host->fields.Text(L"khyqk_new_dqysk"));
  // The same name typed again is a new party: refused, the stored one untouched.
  host->fields.SetText(L"khyqk_new_khmc", L"张三商行");
  host->fields.SetText(L"khyqk_new_lxr", L"别人");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_new_save"});
  EXPECT_EQ(L"tip khyqk_new_khmc 该名称已存在，请重新输入！", shown_.back());
  EXPECT_EQ("张三", StoredValue("J4_Customer_Data", "客户名称", "张三商行", "联系人"));

  host->fields.SetText(L"khyqk_new_khmc", L"赵六");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_new_save"});
  EXPECT_EQ("客户", StoredValue("J4_Customer_Data", "客户名称", "赵六", "类型"));
  EXPECT_EQ(L"零售客户 批发客户 张三商行 赵六 ", Cells(*host, L"listkhyqk", L"item_客户名称"));
}

// The row of the list whose cell holds the text, -1 when none.
int RowOf(MemoryHost& host, const std::wstring& list, const wchar_t* cell, const std::wstring& text) {
  for (int row = 0; row < host.fields.RowCount(list); ++row)
    if (host.fields.Text(pagekit::Cell(list, row, cell)) == text) return row;
  return -1;
}

TEST_F(MasterdataPagesTest, ModifyOpensTheStoredPartyAndItsSaveKeepsABalanceABillPosted) {
  for (bool owner : {false, true}) {
    std::unique_ptr<MemoryHost> host = Host(owner, kPartyControls);
    PartyPage page(View());
    page.Open(*host, L"");
    const int row = RowOf(*host, L"listkhyqk", L"item_客户名称", L"张三商行");
    ASSERT_LE(0, row);
    // 修改 for the owner; a clerk's double-click opens nothing.
    pagekit::PageEvent modify{owner ? pagekit::EventKind::kClick : pagekit::EventKind::kItemActivate,
                              owner ? L"item_mod" : L"", L"listkhyqk", row};
    EXPECT_TRUE(page.OnEvent(*host, modify));
    EXPECT_EQ(owner, host->fields.Visible(L"layout_khyqk_new_custom"));
    EXPECT_EQ(owner ? L"张三" : L"", host->fields.Text(L"khyqk_new_lxr"));
    EXPECT_EQ(owner ? 13u : 0u, page.Editing().size());
    if (!owner) continue;
    EXPECT_EQ(L"100.00", host->fields.Text(L"khyqk_new_dqysk"));

    Record posted = {Value("当前应收款", "160.00")};  // a bill of 60 on credit meanwhile
    Record key = {Key("客户名称", "张三商行")};
    ASSERT_EQ(0, data().UpdateRecord("J4_Customer_Data", &posted, &key));
    host->fields.SetText(L"khyqk_new_lxr", L"李四");
    page.OnEvent(*host, {pagekit::EventKind::kClick, L"khyqk_new_save"});
    EXPECT_EQ("160.00", StoredValue("J4_Customer_Data", "客户名称", "张三商行", "当前应收款"));
    EXPECT_EQ("李四", StoredValue("J4_Customer_Data", "客户名称", "张三商行", "联系人"));
  }
}

const std::initializer_list<const wchar_t*> kPriceControls = {
    L"dkhpfj_edit_custom", L"dkhpfj_edit_product", L"layout_dkhpfj_new", L"dkhpfj_new_custom",
    L"dkhpfj_new_product", L"dkhpfj_new_unit",     L"dkhpfj_new_dkhpfj", L"dkhpfj_new_pfj",
    L"dkhpfj_new_lsj",     L"dkhpfj_layout_other", L"sel_all_listdkhpfj"};

TEST_F(MasterdataPagesTest, TradePriceFormSavesFiltersAndForgetsOnCancel) {
  std::unique_ptr<MemoryHost> host = Host(true, kPriceControls);
  PricePage page(PriceBook::kTrade, View());
  page.Open(*host, L"销售批发价");
  EXPECT_EQ(L"tab 销售批发价 mid_dkhpfj", host->calls.back());
  const std::pair<const wchar_t*, const wchar_t*> form[] = {{L"dkhpfj_new_custom", L"张三商行"},
                                                            {L"dkhpfj_new_product", L"苹果"},
                                                            {L"dkhpfj_new_unit", L"斤"},
                                                            {L"dkhpfj_new_dkhpfj", L"3.2"}};
  for (const auto& field : form) host->fields.SetText(field.first, field.second);
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"dkhpfj_new_save"});
  EXPECT_EQ(L"focus dkhpfj_new_custom", shown_.back());
  EXPECT_EQ(L"", host->fields.Text(L"dkhpfj_new_custom"));
  EXPECT_EQ(L"苹果", host->fields.Text(L"dkhpfj_new_product")) << "the next party is priced at once";
  host->fields.SetText(L"dkhpfj_new_custom", L"批发客户");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"dkhpfj_new_save"});
  EXPECT_EQ(L"3.20 3.20 ", Cells(*host, L"listdkhpfj", L"item_客户批发价"));

  host->fields.SetText(L"dkhpfj_edit_custom", L"批发客户");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"dkhpfj_btn_find"});
  EXPECT_EQ(L"批发客户 ", Cells(*host, L"listdkhpfj", L"item_客户名称"));

  page.SetEditing(StoredRow("J4_Customer_TradePrice", "客户名称", "批发客户"));
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"dkhpfj_new_cancel"});
  EXPECT_TRUE(page.Editing().empty());
  EXPECT_FALSE(host->fields.Visible(L"layout_dkhpfj_new"));
}

TEST_F(MasterdataPagesTest, ModifyOpensTheStoredPriceWithItsProductsPrices) {
  ASSERT_TRUE(SavePrice(data(), {PriceBook::kTrade, L"张三商行", L"苹果", L"斤", L"3.5", {}}).saved);
  std::unique_ptr<MemoryHost> host = Host(true, kPriceControls);
  PricePage page(PriceBook::kTrade, View());
  page.Open(*host, L"销售批发价");
  const int row = RowOf(*host, L"listdkhpfj", L"item_商品名称", L"苹果");
  ASSERT_LE(0, row);
  EXPECT_TRUE(page.OnEvent(*host, {pagekit::EventKind::kClick, L"item_mod", L"listdkhpfj", row}));
  EXPECT_TRUE(host->fields.Visible(L"layout_dkhpfj_new"));
  EXPECT_EQ(L"张三商行", host->fields.Text(L"dkhpfj_new_custom"));
  EXPECT_EQ(L"3.50", host->fields.Text(L"dkhpfj_new_dkhpfj"));
  EXPECT_EQ(L"3.00", host->fields.Text(L"dkhpfj_new_pfj"));
  EXPECT_EQ(L"4.00", host->fields.Text(L"dkhpfj_new_lsj"));
  EXPECT_FALSE(page.Editing().empty());

  // Another list's row is not the page's.
  EXPECT_FALSE(page.OnEvent(*host, {pagekit::EventKind::kClick, L"item_mod", L"listgyshtj", 0}));
}

TEST_F(MasterdataPagesTest, ItemPageListsByTypeAndResetsTheForm) {
  ASSERT_TRUE(SaveAccountItem(data(), {L"房租", L"支出", L""}).saved);
  ASSERT_TRUE(SaveAccountItem(data(), {L"利息", L"收入", L""}).saved);
  std::unique_ptr<MemoryHost> host =
      Host(true, {L"layout_szxm_new", L"szxm_edit_xmmc", L"szxm_edit_xmlx", L"sel_all_listszxm"});
  AccountItemPage page(View());
  page.Open(*host, L"收支项目");
  EXPECT_EQ(L"tab 收支项目 mid_szxm", host->calls.back());
  EXPECT_EQ(L"房租 利息 ", Cells(*host, L"listszxm", L"item_项目名称"));
  pagekit::PageEvent bar{pagekit::EventKind::kBarListClick, L"支出", L"szxm_list_type"};
  EXPECT_TRUE(page.OnEvent(*host, bar));
  EXPECT_EQ(L"房租 ", Cells(*host, L"listszxm", L"item_项目名称"));

  host->fields.SetText(L"szxm_edit_xmlx", L"支出");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"szxm_new_cancel"});
  EXPECT_EQ(L"收入", host->fields.Text(L"szxm_edit_xmlx"));
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"szxm_new_save"});
  EXPECT_EQ(L"tip szxm_edit_xmmc 请输入项目名称！", shown_.back());
}

TEST_F(MasterdataPagesTest, AnItemOpenedFromItsRowIsReplacedByItsSave) {
  ASSERT_TRUE(SaveAccountItem(data(), {L"房租", L"支出", L""}).saved);
  ASSERT_TRUE(SaveAccountItem(data(), {L"利息", L"收入", L""}).saved);
  std::unique_ptr<MemoryHost> host =
      Host(true, {L"layout_szxm_new", L"szxm_edit_xmmc", L"szxm_edit_xmlx", L"sel_all_listszxm"});
  host->fields.SetVisible(L"layout_szxm_new", false);
  AccountItemPage page(View());
  page.Open(*host, L"收支项目");
  ASSERT_EQ(L"房租 利息 ", Cells(*host, L"listszxm", L"item_项目名称"));
  pagekit::PageEvent modify{pagekit::EventKind::kClick, L"item_mod", L"listszxm", 0};
  EXPECT_TRUE(page.OnEvent(*host, modify));
  EXPECT_TRUE(host->fields.Visible(L"layout_szxm_new"));
  EXPECT_EQ(L"房租", host->fields.Text(L"szxm_edit_xmmc"));
  EXPECT_EQ(L"支出", host->fields.Text(L"szxm_edit_xmlx"));
  host->fields.SetText(L"szxm_edit_xmmc", L"租金");
  page.OnEvent(*host, {pagekit::EventKind::kClick, L"szxm_new_save"});
  EXPECT_EQ(L"利息 租金 ", Cells(*host, L"listszxm", L"item_项目名称"));
  // A double-click opens the row as 修改 does.
  pagekit::PageEvent activate{pagekit::EventKind::kItemActivate, L"", L"listszxm", 0};
  EXPECT_TRUE(page.OnEvent(*host, activate));
  EXPECT_EQ(L"利息", host->fields.Text(L"szxm_edit_xmmc"));
  EXPECT_EQ(L"收入", host->fields.Text(L"szxm_edit_xmlx"));
}

const std::initializer_list<const wchar_t*> kProductControls = {
    L"hpkc_edit_find", L"hpkc_edit_type", L"hpkc_btn_hide_zero", L"hpkc_new_product", L"hpkc_new_pmgg",
    L"hpkc_new_hplb",  L"hpkc_new_jldw",  L"hpkc_new_jhj",       L"hpkc_new_lsj",     L"hpkc_new_pfj",
    L"hpkc_new_dqkc",  L"hpkc_new_cskc",  L"hpkc_new_zdkc",      L"hpkc_new_zgkc",    L"hpkc_new_bz",
    L"hpkc_new_cbj",   L"hpkc_new_ywdw",  L"hpkc_new_hsl",       L"sel_all_listhpkc"};

TEST_F(MasterdataPagesTest, ProductListColumnsByUser) {
  for (bool owner : {true, false}) {
    shown_.clear();
    std::unique_ptr<MemoryHost> host = Host(owner, kProductControls);
    auto view = View();
    OpenProductList(*host, *view);
    EXPECT_EQ(L"tree hpkc_list_type 食品 饮料 水果 热带水果", shown_[0]);
    EXPECT_EQ(owner ? L"fill listhpkc 15 " : L"fill listhpkc 3 ", shown_[1]);
    ASSERT_EQ(4, host->fields.RowCount(L"listhpkc"));
    EXPECT_EQ(owner, host->fields.Exists(pagekit::Cell(L"listhpkc", 0, L"item_进货价")));
    EXPECT_TRUE(host->fields.Exists(pagekit::Cell(L"listhpkc", 0, L"item_零售价")));
  }
}

TEST_F(MasterdataPagesTest, ProductAddedThroughTheFormIsFoundByItsInitials) {
  std::unique_ptr<MemoryHost> host = Host(true, kProductControls);
  auto view = View();
  Record editing;
  host->fields.SetVisible(L"hpkc_new_product", false);  // as the layout has it
  OpenProductList(*host, *view);
  ClearProductForm(*host, *view, &editing);
  EXPECT_TRUE(host->fields.Visible(L"hpkc_new_product"));
  host->fields.SetText(L"hpkc_new_pmgg", L"香蕉");
  host->fields.SetText(L"hpkc_new_hplb", L"水果");
  host->fields.SetText(L"hpkc_new_jldw", L"把");
  host->fields.SetText(L"hpkc_new_dqkc", L"6");
  SaveProductForm(*host, *view, &editing);
  EXPECT_EQ(L"focus hpkc_new_pmgg", shown_.back());
  EXPECT_EQ(5, host->fields.RowCount(L"listhpkc"));
  host->fields.SetText(L"hpkc_edit_find", L"xj");
  LoadProductPageList(*host, *view, L"");
  EXPECT_EQ(L"香蕉 ", Cells(*host, L"listhpkc", L"item_商品名称"));
  host->fields.SetText(L"hpkc_edit_find", L"");
  LoadProductPageList(*host, *view, L"食品");
  EXPECT_EQ(L"苹果 面包 香蕉 ", Cells(*host, L"listhpkc", L"item_商品名称"));
}

TEST_F(MasterdataPagesTest, BatchDeleteAfterHidingZeroStockKeepsTheHiddenProducts) {
  std::unique_ptr<MemoryHost> host = Host(true, kProductControls);
  auto view = View();
  OpenProductList(*host, *view);
  DeleteCheckedProducts(*host, *view);
  EXPECT_EQ(L"tip sel_all_listhpkc 请勾选需要删除的商品！", shown_.back());
  ToggleHideZeroStock(*host, *view);
  EXPECT_EQ(L"苹果 面包 ", Cells(*host, L"listhpkc", L"item_商品名称"));
  EXPECT_EQ(L"1 2 ", Cells(*host, L"listhpkc", L"item_line_num"));
  for (int row = 0; row < host->fields.RowCount(L"listhpkc"); ++row)
    host->fields.SetSelected(pagekit::Cell(L"listhpkc", row, L"item_chk"), true);  // select-all ticks every row
  DeleteCheckedProducts(*host, *view);
  EXPECT_EQ(L"confirm 确定要执行删除操作 ?", shown_[shown_.size() - 3]);
  EXPECT_EQ(L"芒果 可乐 ", Cells(*host, L"listhpkc", L"item_商品名称"));
  EXPECT_TRUE(StoredRow("J4_Product_Data", "商品名称", "苹果").empty());
  EXPECT_FALSE(StoredRow("J4_Product_Data", "商品名称", "芒果").empty());
}

}  // namespace
}  // namespace masterdata
