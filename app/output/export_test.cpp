// Spreadsheet exports: what goes into which cell (a recording spreadsheet
// object), the table exports on the real Datavane.dll, and whole files through
// the real KXXls.dll: an export over an older, longer file, a failed write, a
// file too small for the rows.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "export_book.h"
#include "list_export.h"
#include "list_titles.h"
#include "table_export.h"
#include "test_support/answering_dialogs.h"
#include "test_support/datavane_dll.h"
#include "test_support/list_views.h"
#include "test_support/memory_host.h"
#include "test_support/output_test_shop.h"
#include "test_support/recording_xls.h"

namespace output {
namespace {

using test::AnsweringDialogs;
using test::Column;
using test::MakeList;
using test::RecordingXls;
using Cells = std::map<std::wstring, std::wstring>;

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  return folder;
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The files of the folder whose names start with "~export": what an export left
// behind.
int LeftoverFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"~export*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do ++count;
  while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return count;
}

struct Exporter {
  RecordingXls xls;
  AnsweringDialogs dialogs;
  ExportTools tools{xls, dialogs, nullptr};
  Exporter() { dialogs.path = TempFolder() + L"output_export_test.xls"; }
  ~Exporter() { ::DeleteFileW(dialogs.path.c_str()); }
};

const int kAllColumns = pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete;

TEST(ListExport, WritesThePrintedColumnsUnderTheHeaderTexts) {
  struct Case {
    const char* what;
    int style;
    std::vector<Column> header;
    Cells cells;
  };
  const std::vector<Column> withAll = {{L"", 30}, {L"行号", 50}, {L"商品名称", 100}, {L"数量", 60}, {L"操作", 120}};
  const Case cases[] = {
      {"check boxes, line numbers and operations left out",
       kAllColumns,
       withAll,
       {{L"A1", L"商品名称"}, {L"B1", L"数量"}, {L"A2", L"苹果"}, {L"B2", L"3"}, {L"A3", L"梨"}}},
      {"a plain list from column A",
       0,
       {{L"商品名称", 100}, {L"数量", 60}},
       {{L"A1", L"商品名称"}, {L"B1", L"数量"}, {L"A2", L"苹果"}, {L"B2", L"3"}, {L"A3", L"梨"}}},
      {"line numbers alone",
       pagekit::kListLineNumbers,
       {{L"行号", 50}, {L"商品名称", 100}, {L"数量", 60}},
       {{L"A1", L"商品名称"}, {L"B1", L"数量"}, {L"A2", L"苹果"}, {L"B2", L"3"}, {L"A3", L"梨"}}},
  };
  for (const Case& c : cases) {
    Exporter e;
    // The second row has no quantity cell: its cell stays empty.
    const ListView list = MakeList(c.style, c.header,
                                   {{{L"item_line_num", L"1"}, {L"item_商品名称", L"苹果"}, {L"item_数量", L"3"}},
                                    {{L"item_line_num", L"2"}, {L"item_商品名称", L"梨"}}});
    EXPECT_EQ(ExportResult::kDone, ExportListView(list, L"商品.xls", e.tools)) << c.what;
    EXPECT_EQ(c.cells, e.xls.Last().cells) << c.what;
    EXPECT_EQ(std::vector<std::wstring>{L"save 商品.xls"}, e.dialogs.asked) << c.what;
    EXPECT_EQ(e.xls.opened, e.xls.closed) << c.what;
    EXPECT_EQ(0, e.xls.writesToClosedBooks) << c.what;
    EXPECT_TRUE(FileExists(e.dialogs.path)) << c.what;
  }
}

TEST(ListExport, EndsEarlyWithoutListRowsOrAnsweredDialog) {
  struct Case {
    const char* what;
    ListView list;
    const wchar_t* path;  // the dialog's answer
    ExportResult result;
    size_t dialogs;
  };
  ListView missing;
  const Case cases[] = {
      {"no list", missing, L"x.xls", ExportResult::kNothingToExport, 0},
      {"no rows", MakeList(0, {{L"商品名称", 100}}, {}), L"x.xls", ExportResult::kNothingToExport, 0},
      {"dialog cancelled", MakeList(0, {{L"商品名称", 100}}, {{{L"item_商品名称", L"苹果"}}}), L"",
       ExportResult::kCancelled, 1},
  };
  for (const Case& c : cases) {
    RecordingXls xls;
    AnsweringDialogs dialogs;
    dialogs.path = c.path;
    EXPECT_EQ(c.result, ExportListView(c.list, L"x.xls", {xls, dialogs, nullptr})) << c.what;
    EXPECT_EQ(c.dialogs, dialogs.asked.size()) << c.what;
    EXPECT_TRUE(xls.opened.empty()) << c.what;
  }
}

TEST(StockExport, MergesTheGroupsAndReadsGroupedCellsByNumber) {
  struct Case {
    const char* what;
    std::wstring caption;
    std::vector<Column> header;
    test::RowCells row;
    std::vector<std::pair<std::wstring, std::wstring>> merges;
    Cells cells;
    const wchar_t* fileName;
  };
  const Case cases[] = {
      {"summary",
       L"库存统计表",
       {{L"行号", 50},
        {L"商品名称", 200},
        {L"单位", 50},
        {L"数量", 60},
        {L"金额", 60},
        {L"数量", 60},
        {L"金额", 60},
        {L"数量", 60},
        {L"金额", 60},
        {L"数量", 60},
        {L"金额", 60},
        {L"操作", 60}},
       {{L"item_商品名称", L"苹果"},
        {L"item_单位", L"箱"},
        {L"item_数量0", L"1"},
        {L"item_金额0", L"10"},
        {L"item_数量1", L"2"},
        {L"item_金额1", L"20"},
        {L"item_数量2", L"3"},
        {L"item_金额2", L"30"},
        {L"item_数量3", L"4"},
        {L"item_金额3", L"40"}},
       {{L"A1", L"A2"}, {L"B1", L"B2"}, {L"C1", L"D1"}, {L"E1", L"F1"}, {L"G1", L"H1"}, {L"I1", L"J1"}},
       {{L"A2", L"商品名称"},
        {L"B2", L"单位"},
        {L"C2", L"数量"},
        {L"D2", L"金额"},
        {L"E2", L"数量"},
        {L"F2", L"金额"},
        {L"G2", L"数量"},
        {L"H2", L"金额"},
        {L"I2", L"数量"},
        {L"J2", L"金额"},
        {L"C1", L"期初结存"},
        {L"E1", L"日常进货"},
        {L"G1", L"日常出货(成本)"},
        {L"I1", L"期末结存"},
        {L"A3", L"苹果"},
        {L"B3", L"箱"},
        {L"C3", L"1"},
        {L"D3", L"10"},
        {L"E3", L"2"},
        {L"F3", L"20"},
        {L"G3", L"3"},
        {L"H3", L"30"},
        {L"I3", L"4"},
        {L"J3", L"40"}},
       L"save 库存统计表.xls"},
      {"detail, its caption quoted and with >>",
       L"库存统计表>>\"苹果\"明细账",
       {{L"行号", 50},
        {L"业务类型", 60},
        {L"业务日期", 70},
        {L"交易单位", 120},
        {L"数量", 60},
        {L"单价", 60},
        {L"金额", 60},
        {L"数量", 60},
        {L"单价", 60},
        {L"金额", 60},
        {L"数量", 60},
        {L"单价", 60},
        {L"金额", 60}},
       {{L"item_业务类型", L"进货"}, {L"item_数量0", L"5"}, {L"item_单价1", L"2"}, {L"item_金额2", L"10"}},
       {{L"A1", L"A2"}, {L"B1", L"B2"}, {L"C1", L"C2"}, {L"D1", L"F1"}, {L"G1", L"I1"}, {L"J1", L"L1"}},
       {{L"A2", L"业务类型"},
        {L"B2", L"业务日期"},
        {L"C2", L"交易单位"},
        {L"D2", L"数量"},
        {L"E2", L"单价"},
        {L"F2", L"金额"},
        {L"G2", L"数量"},
        {L"H2", L"单价"},
        {L"I2", L"金额"},
        {L"J2", L"数量"},
        {L"K2", L"单价"},
        {L"L2", L"金额"},
        {L"D1", L"日常进货"},
        {L"G1", L"日常出货(成本)"},
        {L"J1", L"期末结存"},
        {L"A3", L"进货"},
        {L"D3", L"5"},
        {L"H3", L"2"},
        {L"L3", L"10"}},
       L"save 库存统计表__苹果_明细账.xls"},
  };
  for (const Case& c : cases) {
    Exporter e;
    const int style = pagekit::kListLineNumbers | (c.header.back().text == L"操作" ? pagekit::kListReserve : 0);
    const ListView list = MakeList(style, c.header, {c.row});
    EXPECT_EQ(ExportResult::kDone, ExportStockView(list, c.caption, e.tools)) << c.what;
    EXPECT_EQ(c.merges, e.xls.Last().merges) << c.what;
    EXPECT_EQ(c.cells, e.xls.Last().cells) << c.what;
    EXPECT_EQ(std::vector<std::wstring>{c.fileName}, e.dialogs.asked) << c.what;
  }
}

TEST(ListTitles, ByListNameSideAndControls) {
  struct Case {
    const char* list;
    pagekit::PageSide side;
    const wchar_t* title;
  };
  pagekit::test::MemoryHost host;
  pagekit::MemoryFields& fields = host.fields;
  fields.Add(L"xsydd_caption");
  fields.SetText(L"xsydd_caption", L"采购订单查询");
  fields.Add(L"ysdzd_edit_custom");
  fields.SetText(L"ysdzd_edit_custom", L"张\"三\"");
  fields.Add(L"ysqkmx_caption");
  fields.SetText(L"ysqkmx_caption", L"应收明细>>全部");
  const Case cases[] = {
      {"listhpkc", pagekit::PageSide::kSales, L"商品"},
      {"listkhyqk", pagekit::PageSide::kPurchase, L"供应商与欠款"},
      {"listxsd", pagekit::PageSide::kSales, L"销售单列表"},
      {"listxsydd", pagekit::PageSide::kSales, L"采购订单查询"},
      {"listysdzd", pagekit::PageSide::kSales, L"张_三_ 客户对账单"},
      {"listyfdzd", pagekit::PageSide::kSales, L""},  // its edit is missing
      {"listysqkmx", pagekit::PageSide::kSales, L"应收明细_全部"},
      {"listlrtjbg", pagekit::PageSide::kSales, L""},
      {"listother", pagekit::PageSide::kSales, L""},
  };
  for (const Case& c : cases) {
    const std::wstring list(c.list, c.list + std::strlen(c.list));
    EXPECT_EQ(c.title, GetListTitle(fields, c.side, list)) << c.list;
  }
}

TEST(ListTitles, FileNamesHoldNoForbiddenCharactersAndStayShort) {
  EXPECT_EQ(L"a_b_c_d_e_f_g_h_i.xls", FileNameOf(L"a/b\\c:d*e?f<g>h|i", L".xls"));
  EXPECT_EQ(L"张_三_ 客户对账单.xls", FileNameOf(L"张\"三\" 客户对账单", L".xls"));
  const std::wstring name = FileNameOf(std::wstring(400, L'长'), L".xls");
  EXPECT_EQ(260u, name.size());
  EXPECT_EQ(L".xls", name.substr(256));
}

TEST(ExportBook, ReplacesTheChosenFileOnlyAfterAGoodClose) {
  struct Case {
    const char* what;
    bool failOpen, failClose;
    ExportResult result;
    bool replaced;
  };
  const Case cases[] = {
      {"written", false, false, ExportResult::kDone, true},
      {"close failed", false, true, ExportResult::kWriteFailed, false},
      {"open failed", true, false, ExportResult::kOpenFailed, false},
  };
  for (const Case& c : cases) {
    Exporter e;
    e.xls.failOpen = c.failOpen;
    e.xls.failClose = c.failClose;
    {
      HANDLE old = ::CreateFileW(e.dialogs.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      DWORD written = 0;
      ::WriteFile(old, "old", 3, &written, nullptr);
      ::CloseHandle(old);
    }
    const ListView list = MakeList(0, {{L"商品名称", 100}}, {{{L"item_商品名称", L"苹果"}}});
    EXPECT_EQ(c.result, ExportListView(list, L"商品.xls", e.tools)) << c.what;
    WIN32_FILE_ATTRIBUTE_DATA info{};
    ::GetFileAttributesExW(e.dialogs.path.c_str(), GetFileExInfoStandard, &info);
    EXPECT_EQ(c.replaced ? 0u : 3u, info.nFileSizeLow) << c.what;
    EXPECT_EQ(0, LeftoverFiles(TempFolder())) << c.what;
    EXPECT_EQ(c.result == ExportResult::kDone ? 0u : 1u, e.dialogs.told.size()) << c.what;
    // The cells went to a file of the export's own, never to the chosen one.
    for (const std::wstring& opened : e.xls.opened) EXPECT_NE(e.dialogs.path, opened) << c.what;
  }
}

TEST(ExportBook, AnXlsFileTooSmallForTheRowsIsRefused) {
  std::vector<test::RowCells> rows(65536, test::RowCells{{L"item_商品名称", L"苹果"}});
  const ListView list = MakeList(0, {{L"商品名称", 100}}, rows);
  struct Case {
    const wchar_t* file;
    ExportResult result;
  };
  for (const Case& c : {Case{L"big.xls", ExportResult::kTooManyRows}, Case{L"big.xlsx", ExportResult::kDone}}) {
    RecordingXls xls;
    AnsweringDialogs dialogs;
    dialogs.path = TempFolder() + c.file;
    EXPECT_EQ(c.result, ExportListView(list, L"商品.xls", {xls, dialogs, nullptr}));
    EXPECT_EQ(c.result == ExportResult::kDone ? 0u : 1u, dialogs.told.size());
    if (c.result != ExportResult::kDone) {
      EXPECT_NE(std::wstring::npos, dialogs.told[0].find(L".xlsx"));
    }
    EXPECT_EQ(c.result == ExportResult::kDone, FileExists(dialogs.path));
    ::DeleteFileW(dialogs.path.c_str());
  }
}

// ---- Table exports on the real data library ----

class TableExportTest : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override {
    DatavaneDllTest::SetUp();
    dialogs_.path = TempFolder() + L"output_table_export.xls";
  }
  void TearDown() override {
    ::DeleteFileW(dialogs_.path.c_str());
    DatavaneDllTest::TearDown();
  }
  RecordingXls xls_;
  AnsweringDialogs dialogs_;
  ExportTools tools_{xls_, dialogs_, nullptr};
};

TEST_F(TableExportTest, WritesHeadingAndRecordsHiddenFieldsEmpty) {
  ASSERT_EQ(0, data().AddProductUnit(pagekit::LibraryText(L"箱").c_str()));
  ASSERT_EQ(0, test::Insert(data(), "J4_Product_Data",
                            {{L"商品名称", L"苹果"},
                             {L"计量单位", L"箱"},
                             {L"当前库存", L"5.00"},
                             {L"进货价", L"2.50"},
                             {L"批发价", L"3.00"},
                             {L"零售价", L"4.00"},
                             {L"备注", L"红"}}));
  ASSERT_EQ(0,
            test::Insert(data(), "J4_Customer_Data",
                         {{L"客户名称", L"华丰"}, {L"类型", L"供应商"}, {L"联系人", L"李四"}, {L"当前应收款", L"8"}}));
  ASSERT_EQ(
      0, test::Insert(data(), "J4_Customer_TradePrice",
                      {{L"客户名称", L"零售客户"}, {L"商品名称", L"苹果"}, {L"单位", L"箱"}, {L"客户批发价", L"3.5"}}));
  struct Case {
    const char* what;
    ExportResult (*run)(pagekit::PageHost&, const ExportTools&);
    pagekit::PageSide side;
    const wchar_t* fileName;
    Cells cells;
  };
  const Case cases[] = {
      {"products",
       &ExportProducts,
       pagekit::PageSide::kSales,
       L"save 商品资料.xls",
       {{L"A1", L"商品名称"}, {L"B1", L"商品类别"}, {L"C1", L"计量单位"}, {L"D1", L"当前库存"}, {L"E1", L"最低库存"},
        {L"F1", L"最高库存"}, {L"G1", L"进货价"},   {L"H1", L"批发价"},   {L"I1", L"零售价"},   {L"J1", L"备注"},
        {L"A2", L"苹果"},     {L"B2", L""},         {L"C2", L"箱"},       {L"D2", L"5.00"},     {L"E2", L""},
        {L"F2", L""},         {L"G2", L"2.50"},     {L"H2", L"3.00"},     {L"I2", L"4.00"},     {L"J2", L"红"}}},
      {"suppliers on the purchase side",
       &ExportCustomers,
       pagekit::PageSide::kPurchase,
       L"save 供应商资料.xls",
       {{L"A1", L"客户名称"},   {L"B1", L"联系人"}, {L"C1", L"联系电话"}, {L"D1", L"传真"},       {L"E1", L"邮箱"},
        {L"F1", L"QQ"},         {L"G1", L"地址"},   {L"H1", L"邮编"},     {L"I1", L"当前应收款"}, {L"J1", L"备注"},
        {L"A2", L"零散供应商"}, {L"B2", L""},       {L"C2", L""},         {L"D2", L""},           {L"E2", L""},
        {L"F2", L""},           {L"G2", L""},       {L"H2", L""},         {L"I2", L""},           {L"J2", L""},
        {L"A3", L"华丰"},       {L"B3", L"李四"},   {L"C3", L""},         {L"D3", L""},           {L"E3", L""},
        {L"F3", L""},           {L"G3", L""},       {L"H3", L""},         {L"I3", L"8"},          {L"J3", L""}}},
      {"trade prices",
       &ExportTradePrices,
       pagekit::PageSide::kSales,
       L"save 客户批发价.xls",
       {{L"A1", L"客户名称"},
        {L"B1", L"商品名称"},
        {L"C1", L"单位"},
        {L"D1", L"客户批发价"},
        {L"A2", L"零售客户"},
        {L"B2", L"苹果"},
        {L"C2", L"箱"},
        {L"D2", L"3.5"}}},
      {"contract prices, none stored",
       &ExportContractPrices,
       pagekit::PageSide::kSales,
       L"save 供应商合同价.xls",
       {{L"A1", L"供应商名称"}, {L"B1", L"商品名称"}, {L"C1", L"单位"}, {L"D1", L"供应商合同价"}}},
  };
  for (const Case& c : cases) {
    xls_.books.clear();
    xls_.opened.clear();
    dialogs_.asked.clear();
    pagekit::test::MemoryHost host(&data());
    host.side = c.side;
    EXPECT_EQ(ExportResult::kDone, c.run(host, tools_)) << c.what;
    EXPECT_EQ(std::vector<std::wstring>{c.fileName}, dialogs_.asked) << c.what;
    EXPECT_EQ(c.cells, xls_.Last().cells) << c.what;
  }
}

TEST_F(TableExportTest, BillDetailsFollowTheSearchWithItsQuotesDoubled) {
  ASSERT_EQ(0, test::Insert(data(), "J4_Account_Data",
                            {{L"单据日期", L"2014-01-10"},
                             {L"单据编号", L"XSD001"},
                             {L"类型", L"销售单"},
                             {L"客户名称", L"O'Neil"},
                             {L"折扣率", L"100"},
                             {L"说明", L"茶"}}));
  ASSERT_EQ(0, test::Insert(data(), "J4_Account_Data",
                            {{L"单据日期", L"2014-01-11"},
                             {L"单据编号", L"XSD002"},
                             {L"类型", L"销售单"},
                             {L"客户名称", L"张三"},
                             {L"折扣率", L"100"}}));
  ASSERT_EQ(
      0, test::Insert(
             data(), "J4_Bill_Items",
             {{L"单据编号", L"XSD001"}, {L"商品名称", L"红茶"}, {L"数量", L"2"}, {L"单价", L"5"}, {L"金额", L"10"}}));
  ASSERT_EQ(0,
            test::Insert(
                data(), "J4_Bill_Items",
                {{L"单据编号", L"XSD002"}, {L"商品名称", L"苹果"}, {L"数量", L"1"}, {L"单价", L"3"}, {L"金额", L"3"}}));
  struct Case {
    const wchar_t* search;
    const wchar_t* condition;
    std::vector<std::wstring> products;  // column D of rows 2 on
  };
  const Case cases[] = {
      {L"", L"类型='销售单' and (单据日期>='2014-01-01' and 单据日期<='2014-12-31')", {L"红茶", L"苹果"}},
      {L"O'Neil",
       L"类型='销售单' and (单据日期>='2014-01-01' and 单据日期<='2014-12-31') "
       L"and (客户名称 like '%O''Neil%' or "
       L"单据编号 like '%O''Neil%' or 说明 like '%O''Neil%')",
       {L"红茶"}},
  };
  for (const Case& c : cases) {
    xls_.books.clear();
    xls_.opened.clear();
    pagekit::test::MemoryHost host(&data());
    for (const wchar_t* name : {L"listxsd", L"xsd_date_find_start", L"xsd_date_find_end", L"xsd_edit_find"})
      host.fields.Add(name);
    host.fields.SetText(L"xsd_date_find_start", L"2014-01-01");
    host.fields.SetText(L"xsd_date_find_end", L"2014-12-31");
    host.fields.SetText(L"xsd_edit_find", c.search);
    EXPECT_EQ(c.condition, BillDetailsCondition(host));
    EXPECT_EQ(ExportResult::kDone, ExportBillDetails(host, tools_));
    Cells& cells = xls_.Last().cells;
    EXPECT_EQ(L"单据日期", cells[L"A1"]);
    EXPECT_EQ(L"折扣率(%)", cells[L"I1"]);
    EXPECT_EQ(L"说明", cells[L"L1"]);
    std::vector<std::wstring> products;
    for (int row = 2; cells.count(L"D" + std::to_wstring(row)) != 0; ++row)
      products.push_back(cells[L"D" + std::to_wstring(row)]);
    EXPECT_EQ(c.products, products) << c.search;
  }
  pagekit::test::MemoryHost noList(&data());
  EXPECT_EQ(ExportResult::kNothingToExport, ExportBillDetails(noList, tools_));
}

}  // namespace
}  // namespace output

namespace output {
namespace {

// ---- Whole files through the real KXXls.dll, left in the test's folder for
// the host's readers (testdata/read_export_books.py) ----

std::wstring WorkingPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, folder);
  return std::wstring(folder) + L"\\" + name;
}

ListView ProductRows(int count) {
  std::vector<test::RowCells> rows;
  for (int i = 1; i <= count; ++i)
    rows.push_back({{L"item_商品名称", L"品" + std::to_wstring(i)}, {L"item_数量", std::to_wstring(i)}});
  return MakeList(0, {{L"商品名称", 100}, {L"数量", 60}}, rows);
}

ListView StockRows() {
  return MakeList(
      pagekit::kListLineNumbers,
      {{L"行号", 40},
       {L"商品名称", 100},
       {L"单位", 40},
       {L"数量", 50},
       {L"金额", 50},
       {L"数量", 50},
       {L"金额", 50},
       {L"数量", 50},
       {L"金额", 50},
       {L"数量", 50},
       {L"金额", 50}},
      {{{L"item_商品名称", L"苹果"}, {L"item_单位", L"箱"}, {L"item_数量0", L"1"}, {L"item_金额3", L"40"}}});
}

TEST(RealBooks, ExportsOverOlderFilesLeaveNoOldRowOrMerge) {
  XlsProc* xls = test::XlsFromDll();
  ASSERT_NE(nullptr, xls) << "KXXls.dll beside the test program";
  AnsweringDialogs dialogs;
  const ExportTools tools{*xls, dialogs, nullptr};
  struct Step {
    const wchar_t* file;
    ListView list;
    bool stock;
  };
  const Step steps[] = {
      {L"over_rows.xls", ProductRows(100), false}, {L"over_rows.xls", ProductRows(3), false},
      {L"over_stock.xlsx", StockRows(), true},     {L"over_stock.xlsx", ProductRows(3), false},
      {L"stock.xls", StockRows(), true},           {L"list.xlsx", ProductRows(3), false},
  };
  for (const Step& step : steps) {
    dialogs.path = WorkingPath(step.file);
    const ExportResult result =
        step.stock ? ExportStockView(step.list, L"库存统计表", tools) : ExportListView(step.list, L"x.xls", tools);
    ASSERT_EQ(ExportResult::kDone, result) << step.file;
  }
  // Read back through the library: the newer export alone.
  for (const wchar_t* file : {L"over_rows.xls", L"over_stock.xlsx"}) {
    const std::wstring path = WorkingPath(file);
    ASSERT_EQ(0, xls->OpenBook(path));
    EXPECT_EQ(4, xls->GetRowCount(path)) << file;
    EXPECT_EQ(L"品3", xls->GetCellText(path, L"A4")) << file;
    EXPECT_EQ(L"", xls->GetCellText(path, L"A5")) << file;
    xls->CloseBook(path);
  }
  EXPECT_EQ(0, LeftoverFiles(WorkingPath(L"")));
}

TEST(RealBooks, AFailedWriteLeavesTheOldFile) {
  XlsProc* xls = test::XlsFromDll();
  ASSERT_NE(nullptr, xls);
  AnsweringDialogs dialogs;
  dialogs.path = WorkingPath(L"kept.xls");
  ASSERT_EQ(ExportResult::kDone, ExportListView(ProductRows(5), L"x.xls", {*xls, dialogs, nullptr}));
  // The chosen file held open without sharing by another program: it cannot be
  // replaced.
  HANDLE held = ::CreateFileW(dialogs.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  EXPECT_EQ(ExportResult::kWriteFailed, ExportListView(ProductRows(2), L"x.xls", {*xls, dialogs, nullptr}));
  ::CloseHandle(held);
  ASSERT_EQ(0, xls->OpenBook(dialogs.path));
  EXPECT_EQ(6, xls->GetRowCount(dialogs.path));
  xls->CloseBook(dialogs.path);
  EXPECT_EQ(0, LeftoverFiles(WorkingPath(L"")));
  EXPECT_EQ(1u, dialogs.told.size());
}

class RealTableBooks : public pagekit::test::DatavaneDllTest {};

TEST_F(RealTableBooks, BillDetailsAndPartiesThroughTheRealLibrary) {
  XlsProc* xls = test::XlsFromDll();
  ASSERT_NE(nullptr, xls);
  ASSERT_EQ(0, test::Insert(data(), "J4_Account_Data",
                            {{L"单据日期", L"2014-01-10"},
                             {L"单据编号", L"JHD001"},
                             {L"类型", L"进货单"},
                             {L"客户名称", L"华丰"},
                             {L"折扣率", L"100"},
                             {L"说明", L"首批"}}));
  ASSERT_EQ(0, test::Insert(data(), "J4_Bill_Items",
                            {{L"单据编号", L"JHD001"},
                             {L"商品名称", L"苹果"},
                             {L"数量", L"5"},
                             {L"单价", L"3"},
                             {L"金额", L"15"},
                             {L"备注", L"新货"}}));
  ASSERT_EQ(0, test::Insert(data(), "J4_Customer_Data",
                            {{L"客户名称", L"华丰"}, {L"类型", L"供应商"}, {L"联系人", L"李四"}}));
  AnsweringDialogs dialogs;
  pagekit::test::MemoryHost host(&data());
  host.side = pagekit::PageSide::kPurchase;
  for (const wchar_t* name : {L"listxsd", L"xsd_date_find_start", L"xsd_date_find_end", L"xsd_edit_find"})
    host.fields.Add(name);
  host.fields.SetText(L"xsd_date_find_start", L"2014-01-01");
  host.fields.SetText(L"xsd_date_find_end", L"2014-12-31");
  dialogs.path = WorkingPath(L"bill_details.xls");
  ASSERT_EQ(ExportResult::kDone, ExportBillDetails(host, {*xls, dialogs, nullptr}));
  dialogs.path = WorkingPath(L"suppliers.xlsx");
  ASSERT_EQ(ExportResult::kDone, ExportCustomers(host, {*xls, dialogs, nullptr}));
  EXPECT_EQ((std::vector<std::wstring>{L"save 进货单明细.xls", L"save 供应商资料.xls"}), dialogs.asked);
}

}  // namespace
}  // namespace output
