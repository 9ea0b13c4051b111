// Output benchmark: through the real KXXls.dll and Datavane.dll, exporting 10,000
// products (a table export streamed by the library's query) and a 5,000-row stock
// report (a list on screen with its two-row header), importing 10,000 product
// lines (the sheet as text, one unit of work) and a 1,000-line bill (cell by cell,
// each product looked up or stored). Prints the time of each.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "data_store.h"
#include "export_run.h"
#include "kxp_data.h"
#include "list_builders.h"
#include "list_export.h"
#include "output_dialogs.h"
#include "spreadsheet_import.h"
#include "table_export.h"
#include "test_support/memory_host.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Get>
Get* Bind(const wchar_t* dll, const char* name) {
  HMODULE library = ::LoadLibraryW(dll);
  return library != nullptr ? reinterpret_cast<Get*>(::GetProcAddress(library, name)) : nullptr;
}

// The save dialog always answers with one path.
class FixedDialogs final : public output::OutputDialogs {
 public:
  explicit FixedDialogs(std::wstring path) : path_(std::move(path)) {}
  std::wstring ChooseSaveFile(HWND, const std::wstring&) override { return path_; }
  std::wstring ChooseImportFile(HWND, const std::wstring&) override { return path_; }
  void Tell(HWND, const std::wstring& text) override { std::fwprintf(stderr, L"told: %ls\n", text.c_str()); }

 private:
  std::wstring path_;
};

std::wstring Temp(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

void InsertProducts(KXPDatavane& data, int count) {
  data.BeginWork();
  for (int i = 0; i < count; ++i) {
    std::vector<DataField> record;
    data.GetTableFields("J4_Product_Data", &record);
    const std::string name = pagekit::LibraryText(L"商品" + std::to_wstring(i));
    for (DataField& field : record) field.value = "1.00";
    record[0].value = name;
    record[1].value = pagekit::LibraryText(L"食品");
    record[2].value = pagekit::LibraryText(L"箱");
    data.InsertRecord("J4_Product_Data", &record);
  }
  data.CommitWork();
}

output::ListView StockList(int rows) {
  output::ListView list;
  list.exists = true;
  list.style = pagekit::kListLineNumbers | pagekit::kListReserve;
  list.headerHeight = 50;
  const wchar_t* texts[] = {L"行号", L"商品名称", L"单位", L"数量", L"金额", L"数量", L"金额",
                            L"数量", L"金额", L"数量", L"金额", L"操作"};
  int x = 0;
  for (const wchar_t* text : texts) {
    list.header.push_back(output::HeaderItemView{text, RECT{x, 0, x + 60, 50}});
    x += 60;
  }
  for (int r = 0; r < rows; ++r) {
    output::RowView row;
    row.height = 25;
    row.cells[L"item_商品名称"] = output::CellView{L"商品" + std::to_wstring(r), 60, 60, 25};
    row.cells[L"item_单位"] = output::CellView{L"箱", 120, 60, 25};
    for (int g = 0; g < 4; ++g) {
      row.cells[L"item_数量" + std::to_wstring(g)] = output::CellView{std::to_wstring(r % 97), 0, 60, 25};
      row.cells[L"item_金额" + std::to_wstring(g)] = output::CellView{std::to_wstring(r % 89) + L".50", 0, 60, 25};
    }
    list.rows.push_back(std::move(row));
  }
  return list;
}

// A bill sheet of `lines` lines; every other product is stored already.
void WriteBillSheet(XlsProc& xls, const std::wstring& path, int lines) {
  ::DeleteFileW(path.c_str());
  xls.OpenBook(path);
  xls.SetCellText(path, L"A1", L"商品名称");
  for (int i = 0; i < lines; ++i) {
    const std::wstring row = std::to_wstring(i + 2);
    xls.SetCellText(path, L"A" + row, (i % 2 ? L"商品" : L"新货") + std::to_wstring(i));
    xls.SetCellText(path, L"B" + row, L"2");
    xls.SetCellText(path, L"C" + row, L"3.5");
    xls.SetCellText(path, L"D" + row, L"7");
  }
  xls.CloseBook(path);
}

}  // namespace

int main() {
  auto* getData = Bind<KXPDatavane*()>(L"Datavane.dll", "GetKXPDataInstance");
  auto* getXls = Bind<XlsProc*()>(L"KXXls.dll", "GetXlsProcInstance");
  KXPDatavane* data = getData != nullptr ? getData() : nullptr;
  XlsProc* xls = getXls != nullptr ? getXls() : nullptr;
  if (data == nullptr || xls == nullptr) {
    std::printf("Datavane.dll and KXXls.dll are needed beside the benchmark\n");
    return 1;
  }
  const std::wstring db = Temp(L"output_bench.db");
  ::DeleteFileW(db.c_str());
  if (data->OpenDatabase(pagekit::LibraryText(db).c_str()) != 0) return 1;
  InsertProducts(*data, 10000);
  pagekit::test::MemoryHost host(data);

  const std::wstring products = Temp(L"output_bench_products.xls");
  FixedDialogs productDialogs(products);
  auto start = std::chrono::steady_clock::now();
  output::ExportResult result = output::ExportProducts(host, output::ExportTools{*xls, productDialogs, nullptr});
  std::printf("export 10,000 products (.xls):          %6.2f s (%s)\n", SecondsSince(start),
              result == output::ExportResult::kDone ? "written" : "FAILED");

  const std::wstring stock = Temp(L"output_bench_stock.xlsx");
  FixedDialogs stockDialogs(stock);
  const output::ListView list = StockList(5000);
  start = std::chrono::steady_clock::now();
  result = output::ExportStockView(list, L"库存统计表", output::ExportTools{*xls, stockDialogs, nullptr});
  std::printf("export a 5,000-row stock report (.xlsx): %6.2f s (%s)\n", SecondsSince(start),
              result == output::ExportResult::kDone ? "written" : "FAILED");

  // The products come back into an empty shop.
  const std::wstring emptyDb = Temp(L"output_bench_import.db");
  ::DeleteFileW(emptyDb.c_str());
  if (data->OpenDatabase(pagekit::LibraryText(emptyDb).c_str()) != 0) return 1;
  const std::wstring text = Temp(L"output_bench_products.ini");
  start = std::chrono::steady_clock::now();
  const output::ImportCount imported = output::ImportProductsFrom(*data, *xls, products, text, L"老板");
  std::printf("import 10,000 product lines:             %6.2f s (%d imported, %d skipped)\n", SecondsSince(start),
              imported.imported, imported.skipped);

  const std::wstring bill = Temp(L"output_bench_bill.xls");
  WriteBillSheet(*xls, bill, 1000);
  output::ImportCount lines;
  start = std::chrono::steady_clock::now();
  const std::vector<output::ImportedLine> read = output::ImportLinesFrom(*data, *xls, bill, L"老板", &lines);
  std::printf("import a 1,000-line bill (lines read):   %6.2f s (%zu lines)\n", SecondsSince(start), read.size());

  for (const std::wstring& path : {products, stock, text, bill}) ::DeleteFileW(path.c_str());
  ::DeleteFileW(db.c_str());
  ::DeleteFileW(emptyDb.c_str());
  return 0;
}
