// Reading products, prices, parties and bill lines from spreadsheet files.
#include "spreadsheet_import.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app_paths.h"
#include "data_store.h"
#include "sheet_rows.h"
#include "text_conversion.h"
#include "unit_of_work.h"

namespace output {
namespace {

// "%.02f" of the text read as a number; a text that is no number reads as 0.
std::string MoneyOf(const std::wstring& text) {
  const double value = std::wcstod(text.c_str(), nullptr);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.02f", value);
  return buffer;
}
std::string MoneyOf(const std::string& text) { return MoneyOf(shell::WideFromAnsi(text)); }

void Set(std::vector<DataField>* record, const char* column, const std::string& value) {
  for (DataField& field : *record)
    if (field.name == column) field.value = value;
}

std::vector<DataField> EmptyRecord(KXPDatavane& data, const char* table, const char* preset) {
  std::vector<DataField> record;
  data.GetTableFields(table, &record);
  for (DataField& field : record) field.value = preset;
  return record;
}

// The sheet's book, open for reading, closed again at scope end.
class OpenSheet {
 public:
  // The library opens a missing file as a new, empty book: an import reads only
  // a file that is there.
  OpenSheet(XlsProc& xls, std::wstring book) : xls_(xls), book_(std::move(book)) {
    open_ = ::GetFileAttributesW(book_.c_str()) != INVALID_FILE_ATTRIBUTES && xls_.OpenBook(book_) == 0;
  }
  ~OpenSheet() {
    if (open_) xls_.CloseBook(book_);
  }
  OpenSheet(const OpenSheet&) = delete;
  OpenSheet& operator=(const OpenSheet&) = delete;
  bool IsOpen() const { return open_; }
  int Rows() const { return xls_.GetRowCount(book_); }
  std::wstring Text(int column, int row) const { return xls_.GetCellText(book_, CellName(column, row)); }

 private:
  XlsProc& xls_;
  std::wstring book_;
  bool open_ = false;
};

// A line of the text form (its line end taken off) split at tabs. The library
// pads every line to the sheet's used columns, so a line whose last cells are
// empty ends in tabs: each tab separates two fields, the last one empty too.
std::vector<std::string> SplitAtTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::string ReadWholeFile(const std::wstring& path) {
  std::string bytes;
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return bytes;
  char buffer[65536];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}

bool Inserted(KXPDatavane& data, const char* table, std::vector<DataField>* record) {
  return data.InsertRecord(table, record) == 0;
}

}  // namespace

std::wstring ProductsTextPath() {
  std::wstring folder = shell::GetModuleDirectory();
  for (wchar_t& c : folder)
    if (c == L'/') c = L'\\';
  return folder + L"template\\商品资料导入.ini";
}

ImportCount ImportProductsFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book, const std::wstring& textPath,
                               const std::wstring& account) {
  ImportCount count;
  // The library writes the text file but does not make its folder.
  const size_t slash = textPath.find_last_of(L"\\/");
  if (slash != std::wstring::npos) ::CreateDirectoryW(textPath.substr(0, slash).c_str(), nullptr);
  if (xls.SaveAsText(book, textPath) != 0) return count;
  const std::string text = ReadWholeFile(textPath);
  count.read = true;
  const std::string user = pagekit::LibraryText(account);
  // One unit for the whole file: a row whose insert fails is still skipped
  // alone.
  pagekit::UnitOfWork unit(data);
  size_t lineStart = text.find('\n');  // line 1 is the heading
  while (lineStart != std::string::npos && lineStart + 1 < text.size()) {
    ++lineStart;
    size_t lineEnd = text.find('\n', lineStart);
    std::string line = text.substr(lineStart, lineEnd == std::string::npos ? std::string::npos : lineEnd - lineStart);
    lineStart = lineEnd;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    const std::vector<std::string> f = SplitAtTabs(line);
    // The library pads each line to the sheet's used columns: the ten columns
    // the products export writes, or eleven.
    if ((f.size() != 10 && f.size() != 11) || f[0].empty()) {
      if (!line.empty()) ++count.skipped;
      continue;
    }
    std::vector<DataField> record = EmptyRecord(data, "J4_Product_Data", "0.00");
    Set(&record, "商品名称", f[0]);
    Set(&record, "商品类别", f[1]);
    Set(&record, "计量单位", f[2]);
    Set(&record, "当前库存", MoneyOf(f[3]));
    Set(&record, "最低库存", MoneyOf(f[4]));
    Set(&record, "最高库存", MoneyOf(f[5]));
    Set(&record, "进货价", MoneyOf(f[6]));
    Set(&record, "批发价", MoneyOf(f[7]));
    Set(&record, "客户批发价", MoneyOf(f[7]));
    Set(&record, "零售价", MoneyOf(f[8]));
    Set(&record, "备注", f[9]);
    Set(&record, "初始库存", "0.00");
    Set(&record, "操作人", user);
    if (!f[2].empty()) data.AddProductUnit(f[2].c_str());
    if (Inserted(data, "J4_Product_Data", &record))
      ++count.imported;
    else
      ++count.skipped;
  }
  unit.Commit();
  return count;
}

ImportCount ImportPricesFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book, bool contract) {
  ImportCount count;
  OpenSheet sheet(xls, book);
  if (!sheet.IsOpen()) return count;
  count.read = true;
  const char* table = contract ? "J4_Supplier_ContractPrice" : "J4_Customer_TradePrice";
  const char* party = contract ? "供应商名称" : "客户名称";
  const char* price = contract ? "供应商合同价" : "客户批发价";
  const int rows = sheet.Rows();
  for (int row = 2; row <= rows; ++row) {
    const std::string partyName = pagekit::LibraryText(sheet.Text(0, row));
    const std::string product = pagekit::LibraryText(sheet.Text(1, row));
    const std::string unit = pagekit::LibraryText(sheet.Text(2, row));
    const std::string amount = MoneyOf(sheet.Text(3, row));
    if (partyName.empty() || product.empty() || unit.empty() || amount == "0.00") {
      ++count.skipped;
      continue;
    }
    std::vector<DataField> record = EmptyRecord(data, table, "");
    Set(&record, party, partyName);
    Set(&record, "商品名称", product);
    Set(&record, "单位", unit);
    Set(&record, price, amount);
    std::vector<DataField> pair = {MakeDataField(party, partyName), MakeDataField("商品名称", product)};
    // The pair's old price and the new one: both or neither.
    pagekit::UnitOfWork work(data);
    data.DeleteRecords(table, &pair);
    if (Inserted(data, table, &record) && work.Commit())
      ++count.imported;
    else
      ++count.skipped;
  }
  return count;
}

ImportCount ImportPartiesFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book, bool suppliers,
                              const std::wstring& account) {
  ImportCount count;
  OpenSheet sheet(xls, book);
  if (!sheet.IsOpen()) return count;
  count.read = true;
  static const char* const kColumns[] = {"客户名称", "联系人", "联系电话", "传真",       "邮箱",
                                         "QQ",       "地址",   "邮编",     "当前应收款", "备注"};
  const std::string user = pagekit::LibraryText(account);
  const int rows = sheet.Rows();
  for (int row = 2; row <= rows; ++row) {
    std::vector<DataField> record = EmptyRecord(data, "J4_Customer_Data", "");
    for (int column = 0; column < 10; ++column)
      Set(&record, kColumns[column], pagekit::LibraryText(sheet.Text(column, row)));
    const std::string name = pagekit::LibraryText(sheet.Text(0, row));
    if (name.empty()) {
      ++count.skipped;
      continue;
    }
    const std::string balance = MoneyOf(sheet.Text(8, row));
    Set(&record, "当前应收款", balance);
    Set(&record, "初始应收款", balance);
    Set(&record, "类型", suppliers ? "供应商" : "客户");
    Set(&record, "操作人", user);
    if (Inserted(data, "J4_Customer_Data", &record))
      ++count.imported;
    else
      ++count.skipped;
  }
  return count;
}

std::vector<ImportedLine> ImportLinesFrom(KXPDatavane& data, XlsProc& xls, const std::wstring& book,
                                          const std::wstring& account, ImportCount* count) {
  std::vector<ImportedLine> lines;
  OpenSheet sheet(xls, book);
  if (!sheet.IsOpen()) return lines;
  count->read = true;
  const std::string user = pagekit::LibraryText(account);
  // The new products in one unit of work: a failed insert fails that call alone.
  pagekit::UnitOfWork unit(data);
  const int rows = sheet.Rows();
  for (int row = 2; row <= rows; ++row) {
    ImportedLine line;
    line.product = sheet.Text(0, row);
    const std::wstring quantity = sheet.Text(1, row);
    if (line.product.empty() || quantity.empty()) {
      ++count->skipped;
      continue;
    }
    line.quantity = shell::WideFromAnsi(MoneyOf(quantity));
    line.price = shell::WideFromAnsi(MoneyOf(sheet.Text(2, row)));
    line.amount = shell::WideFromAnsi(MoneyOf(sheet.Text(3, row)));
    const std::string name = pagekit::LibraryText(line.product);
    std::vector<DataField> query = {MakeDataField("商品名称", name), MakeDataField("单位", ""),
                                    MakeDataField("商品类别", "")};
    std::vector<std::vector<DataField>> found;
    data.QueryRecords("J4_V_Product_Inventory", &query, &found);
    if (!found.empty() && found[0].size() >= 3) {
      line.unit = pagekit::PageText(found[0][1].value);
      line.category = pagekit::PageText(found[0][2].value);
    } else {
      std::vector<DataField> product = EmptyRecord(data, "J4_Product_Data", "0.00");
      Set(&product, "商品名称", name);
      Set(&product, "商品类别", "零售");
      Set(&product, "计量单位", "");
      Set(&product, "零售价", pagekit::LibraryText(line.price));
      Set(&product, "备注", "");
      Set(&product, "操作人", user);
      data.InsertRecord("J4_Product_Data", &product);
      line.category = L"零售";
    }
    lines.push_back(line);
    ++count->imported;
  }
  unit.Commit();
  return lines;
}

ImportCount ImportProducts(pagekit::PageHost& host, const ImportTools& tools) {
  ImportCount count;
  KXPDatavane* data = host.Data();
  const std::wstring book = tools.dialogs.ChooseImportFile(tools.owner, L"商品资料导入");
  if (data == nullptr || book.empty()) return count;
  count = ImportProductsFrom(*data, tools.xls, book, ProductsTextPath(), host.CurrentSession().account);
  if (count.read) host.OpenPageByName(L"商品");
  return count;
}

namespace {

ImportCount ImportPrices(pagekit::PageHost& host, const ImportTools& tools, bool contract) {
  ImportCount count;
  KXPDatavane* data = host.Data();
  const std::wstring book =
      tools.dialogs.ChooseImportFile(tools.owner, contract ? L"供应商合同价导入" : L"客户批发价导入");
  if (data == nullptr || book.empty()) return count;
  count = ImportPricesFrom(*data, tools.xls, book, contract);
  if (count.read) host.OpenPageByName(contract ? L"供应商合同价" : L"销售批发价");
  return count;
}

}  // namespace

ImportCount ImportTradePrices(pagekit::PageHost& host, const ImportTools& tools) {
  return ImportPrices(host, tools, false);
}
ImportCount ImportContractPrices(pagekit::PageHost& host, const ImportTools& tools) {
  return ImportPrices(host, tools, true);
}

ImportCount ImportCustomers(pagekit::PageHost& host, const ImportTools& tools) {
  ImportCount count;
  KXPDatavane* data = host.Data();
  const bool suppliers = host.Side() == pagekit::PageSide::kPurchase;
  const std::wstring book =
      tools.dialogs.ChooseImportFile(tools.owner, suppliers ? L"供应商资料导入" : L"客户资料导入");
  if (data == nullptr || book.empty()) return count;
  count = ImportPartiesFrom(*data, tools.xls, book, suppliers, host.CurrentSession().account);
  if (count.read) host.OpenPageByName(suppliers ? L"供应商" : L"客户");
  return count;
}

std::vector<ImportedLine> ImportBillLines(pagekit::PageHost& host, const ImportTools& tools, bool order) {
  KXPDatavane* data = host.Data();
  const bool purchase = host.Side() == pagekit::PageSide::kPurchase;
  const wchar_t* title = order ? L"销售预定单导入" : (purchase ? L"进货单导入" : L"销售单导入");
  const std::wstring book = tools.dialogs.ChooseImportFile(tools.owner, title);
  if (data == nullptr || book.empty()) return {};
  ImportCount count;
  return ImportLinesFrom(*data, tools.xls, book, host.CurrentSession().account, &count);
}

}  // namespace output
