// Spreadsheet imports of books written by Debian's xlwt and openpyxl (see
// testdata/make_import_books.py; the test runs in their folder), through the
// real KXXls.dll into the real Datavane.dll; and products exported and imported
// again.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "spreadsheet_import.h"
#include "table_export.h"
#include "test_support/answering_dialogs.h"
#include "test_support/datavane_dll.h"
#include "test_support/memory_host.h"
#include "test_support/output_test_shop.h"
#include "test_support/recording_xls.h"

namespace output {
namespace {

using Rows = std::vector<std::vector<std::wstring>>;

std::wstring BookPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, folder);
  return std::wstring(folder) + L"\\" + name;
}

std::wstring TempPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

// Counts the opens and closes of the real library's object: every open book is
// closed again.
class CountingXls final : public XlsProc {
 public:
  explicit CountingXls(XlsProc& inner) : inner_(inner) {}
  int SaveAsText(std::wstring book, std::wstring text) override { return inner_.SaveAsText(book, text); }
  int OpenBook(std::wstring book) override {
    const int result = inner_.OpenBook(book);
    if (result == 0) ++open;
    return result;
  }
  int CloseBook(std::wstring book) override {
    --open;
    return inner_.CloseBook(book);
  }
  std::wstring GetCellText(std::wstring book, std::wstring cell) override { return inner_.GetCellText(book, cell); }
  int SetCellText(std::wstring book, std::wstring cell, std::wstring text) override {
    return inner_.SetCellText(book, cell, text);
  }
  int MergeCells(std::wstring book, std::wstring a, std::wstring b) override { return inner_.MergeCells(book, a, b); }
  int GetRowCount(std::wstring book) override { return inner_.GetRowCount(book); }
  int GetColumnCount(std::wstring book) override { return inner_.GetColumnCount(book); }
  int open = 0;

 private:
  XlsProc& inner_;
};

class ImportTest : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override {
    DatavaneDllTest::SetUp();
    XlsProc* real = test::XlsFromDll();
    ASSERT_NE(nullptr, real) << "KXXls.dll beside the test program";
    xls_ = std::make_unique<CountingXls>(*real);
  }
  void TearDown() override {
    EXPECT_EQ(0, xls_ != nullptr ? xls_->open : 0) << "a book left open";
    DatavaneDllTest::TearDown();
  }
  Rows Products() {
    return test::Rows(data(), "J4_Product_Data",
                      {L"商品名称", L"商品类别", L"计量单位", L"当前库存", L"最低库存", L"最高库存", L"进货价",
                       L"批发价", L"客户批发价", L"零售价", L"初始库存", L"备注", L"操作人"});
  }
  std::unique_ptr<CountingXls> xls_;
};

TEST_F(ImportTest, ProductsOfTenAndElevenColumnsLongLinesEmptyNamesAndUnits) {
  ASSERT_EQ(0, test::Insert(data(), "J4_Product_Data", {{L"商品名称", L"旧品"}, {L"当前库存", L"1.00"}}));
  const std::wstring text = TempPath(L"output_import_products.ini");
  const ImportCount eleven = ImportProductsFrom(data(), *xls_, BookPath(L"products11.xlsx"), text, L"老板");
  EXPECT_TRUE(eleven.read);
  EXPECT_EQ(3, eleven.imported);
  EXPECT_EQ(2, eleven.skipped);  // the empty name and the stored 旧品
  const ImportCount ten = ImportProductsFrom(data(), *xls_, BookPath(L"products10.xls"), text, L"老板");
  EXPECT_EQ(2, ten.imported);
  ::DeleteFileW(text.c_str());
  const std::wstring longNote(600, L'长');
  const Rows expected = {
      {L"旧品", L"", L"", L"1.00", L"", L"", L"", L"", L"", L"", L"", L"", L""},
      {L"苹果", L"水果", L"箱", L"5.00", L"1.00", L"50.00", L"2.50", L"3.00", L"3.00", L"4.00", L"0.00", L"红富士",
       L"老板"},
      {L"长备注", L"水果", L"斤", L"1.00", L"0.00", L"0.00", L"1.00", L"1.00", L"1.00", L"1.00", L"0.00", longNote,
       L"老板"},
      {L"无单位", L"水果", L"", L"1.00", L"1.00", L"1.00", L"1.00", L"1.00", L"1.00", L"1.00", L"0.00", L"", L"老板"},
      {L"香蕉", L"水果", L"把", L"7.00", L"0.00", L"0.00", L"1.20", L"1.50", L"1.50", L"2.00", L"0.00", L"进口",
       L"老板"},
      {L"梨", L"水果", L"个", L"0.00", L"0.00", L"0.00", L"0.50", L"0.80", L"0.80", L"1.00", L"0.00", L"", L"老板"},
  };
  EXPECT_EQ(expected, Products());
  // Units registered: those of the imported lines, no empty one.
  EXPECT_EQ((Rows{{L"箱"}, {L"斤"}, {L"把"}, {L"个"}}), test::Rows(data(), "J4_Product_Unit", {L"计量单位"}));
}

TEST_F(ImportTest, PricesReplaceTheirPairAndSkipZeroTextAndShortRows) {
  for (const wchar_t* product : {L"苹果", L"梨"})
    ASSERT_EQ(0, test::Insert(data(), "J4_Product_Data", {{L"商品名称", product}}));
  ASSERT_EQ(0, test::Insert(
                   data(), "J4_Customer_TradePrice",
                   {{L"客户名称", L"零售客户"}, {L"商品名称", L"苹果"}, {L"单位", L"箱"}, {L"客户批发价", L"1.00"}}));
  const ImportCount count = ImportPricesFrom(data(), *xls_, BookPath(L"prices.xls"), false);
  EXPECT_EQ(2, count.imported);
  EXPECT_EQ(3, count.skipped);
  EXPECT_EQ((Rows{{L"批发客户", L"苹果", L"箱", L"3.46"}, {L"零售客户", L"苹果", L"箱", L"12.00"}}),
            test::Rows(data(), "J4_Customer_TradePrice", {L"客户名称", L"商品名称", L"单位", L"客户批发价"}));
}

TEST_F(ImportTest, PartiesOfTheSideStoredNamesAndEmptyNamesLeftAlone) {
  const ImportCount count = ImportPartiesFrom(data(), *xls_, BookPath(L"parties.xlsx"), true, L"老板");
  EXPECT_EQ(2, count.imported);
  EXPECT_EQ(2, count.skipped);
  const std::vector<const wchar_t*> columns = {L"客户名称",   L"类型", L"联系人", L"联系电话", L"传真",
                                               L"邮箱",       L"QQ",   L"地址",   L"邮编",     L"当前应收款",
                                               L"初始应收款", L"备注", L"操作人"};
  Rows suppliers = test::Rows(data(), "J4_Customer_Data", columns, {{L"类型", L"供应商"}});
  ASSERT_FALSE(suppliers.empty());
  EXPECT_EQ(L"零散供应商", suppliers[0][0]);  // the built-in one
  EXPECT_EQ((Rows{{L"华丰", L"供应商", L"李四", L"123", L"456", L"a@b.c", L"789", L"北京路1号", L"100000", L"12.50",
                   L"12.50", L"老客户", L"老板"},
                  {L"短行", L"供应商", L"", L"", L"", L"", L"", L"", L"", L"0.00", L"0.00", L"", L"老板"}}),
            Rows(suppliers.begin() + 1, suppliers.end()));
  // The stored party keeps its contact and balance.
  EXPECT_EQ((Rows{{L"批发客户", L""}}),
            test::Rows(data(), "J4_Customer_Data", {L"客户名称", L"联系人"}, {{L"客户名称", L"批发客户"}}));
}

TEST_F(ImportTest, BillLinesTakeStoredProductsAndStoreNewOnes) {
  ASSERT_EQ(0, test::Insert(data(), "J4_Product_Data",
                            {{L"商品名称", L"苹果"}, {L"商品类别", L"水果"}, {L"计量单位", L"箱"}}));
  ImportCount count;
  const std::vector<ImportedLine> lines = ImportLinesFrom(data(), *xls_, BookPath(L"lines.xls"), L"老板", &count);
  ASSERT_EQ(3u, lines.size());
  struct Expected {
    const wchar_t *product, *unit, *category, *quantity, *price, *amount;
  };
  const Expected expected[] = {{L"苹果", L"箱", L"水果", L"2.00", L"3.50", L"7.00"},
                               {L"新货", L"", L"零售", L"1.00", L"6.00", L"6.00"},
                               {L"短行", L"", L"零售", L"3.00", L"0.00", L"0.00"}};
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(expected[i].product, lines[i].product);
    EXPECT_EQ(expected[i].unit, lines[i].unit) << i;
    EXPECT_EQ(expected[i].category, lines[i].category) << i;
    EXPECT_EQ(expected[i].quantity, lines[i].quantity) << i;
    EXPECT_EQ(expected[i].price, lines[i].price) << i;
    EXPECT_EQ(expected[i].amount, lines[i].amount) << i;
  }
  EXPECT_EQ(1, count.skipped);
  EXPECT_EQ((Rows{{L"新货", L"零售", L"6.00", L"老板"}}),
            test::Rows(data(), "J4_Product_Data", {L"商品名称", L"商品类别", L"零售价", L"操作人"},
                       {{L"商品名称", L"新货"}}));
}

TEST_F(ImportTest, ProductsExportedImportAgain) {
  ASSERT_EQ(0, test::Insert(data(), "J4_Product_Data",
                            {{L"商品名称", L"苹果"},
                             {L"商品类别", L"水果"},
                             {L"计量单位", L"箱"},
                             {L"当前库存", L"5.00"},
                             {L"进货价", L"2.50"},
                             {L"批发价", L"3.00"},
                             {L"零售价", L"4.00"},
                             {L"备注", L"红"}}));
  test::AnsweringDialogs dialogs;
  dialogs.path = BookPath(L"exported_products.xls");
  pagekit::test::MemoryHost host(&data());
  ASSERT_EQ(ExportResult::kDone, ExportProducts(host, ExportTools{*xls_, dialogs, nullptr}));
  const Rows before = Products();
  std::vector<DataField> all = {MakeDataField(pagekit::LibraryText(L"商品名称"), pagekit::LibraryText(L"苹果"))};
  ASSERT_EQ(0, data().DeleteRecords("J4_Product_Data", &all));
  // The text form goes into a folder that is not there yet: the import makes it.
  const std::wstring folder = TempPath(L"output_template_folder");
  const std::wstring text = folder + L"\\商品资料导入.ini";
  ::DeleteFileW(text.c_str());
  ::RemoveDirectoryW(folder.c_str());
  EXPECT_EQ(1, ImportProductsFrom(data(), *xls_, dialogs.path, text, L"").imported);
  ::DeleteFileW(text.c_str());
  ::RemoveDirectoryW(folder.c_str());
  const Rows after = Products();
  ASSERT_EQ(1u, after.size());
  // What the export carries comes back; the opening stock restarts at 0.
  for (size_t column : {0u, 1u, 2u, 3u, 6u, 7u, 9u, 11u}) EXPECT_EQ(before[0][column], after[0][column]) << column;
}

TEST_F(ImportTest, ButtonsAskWithTheirTitlesAndReopenThePage) {
  struct Case {
    const char* what;
    pagekit::PageSide side;
    ImportCount (*run)(pagekit::PageHost&, const ImportTools&);
    const wchar_t* book;
    const wchar_t* asked;
    const wchar_t* page;
  };
  const Case cases[] = {
      {"trade prices", pagekit::PageSide::kSales, &ImportTradePrices, L"prices.xls", L"import 客户批发价导入",
       L"page 销售批发价"},
      {"customers", pagekit::PageSide::kSales, &ImportCustomers, L"parties.xlsx", L"import 客户资料导入", L"page 客户"},
      {"suppliers", pagekit::PageSide::kPurchase, &ImportCustomers, L"parties.xlsx", L"import 供应商资料导入",
       L"page 供应商"},
      {"a book that is not there", pagekit::PageSide::kSales, &ImportContractPrices, L"missing.xls",
       L"import 供应商合同价导入", nullptr},
  };
  for (const Case& c : cases) {
    test::AnsweringDialogs dialogs;
    dialogs.path = BookPath(c.book);
    pagekit::test::MemoryHost host(&data());
    host.side = c.side;
    c.run(host, ImportTools{*xls_, dialogs, nullptr});
    EXPECT_EQ(std::vector<std::wstring>{c.asked}, dialogs.asked) << c.what;
    EXPECT_EQ(c.page != nullptr ? std::vector<std::wstring>{c.page} : std::vector<std::wstring>{}, host.calls)
        << c.what;
  }
  // A cancelled dialog reads nothing.
  test::AnsweringDialogs cancelled;
  pagekit::test::MemoryHost host(&data());
  EXPECT_FALSE(ImportProducts(host, ImportTools{*xls_, cancelled, nullptr}).read);
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace output
