// Cost of Datavane's operations as the program sees them: one operation (open,
// key, statement, close) against the same statement on an already-open raw
// connection, and the whole call sequence of saving a 50-line sales bill.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "kxp_data.h"
#include "sql_text.h"
#include "sqlite_connection.h"
#include "text_encoding.h"

namespace {

template <class Work>
double MedianSeconds(int runs, Work&& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    work(i);
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

DataField F(const std::string& name, const std::string& value, int hidden = 0) {
  DataField f = MakeDataField(name, value);
  f.hidden = hidden;
  return f;
}

std::string ProductName(int i) { return StringPrintf("商品%03d", i); }

// Saving a sales bill as the bill page does: undo the stored bill of that number,
// look up and insert each line, seed cost prices, write the header, post the
// stock and update the customer's balance.
void SaveBill(KXPDatavane* data, const std::string& number, int lineCount) {
  // Undo the stored bill: its lines' stock goes back, header and lines go.
  std::vector<DataField> oldLines = {F("商品名称", ""), F("数量", ""), F("单据编号", number, 1)};
  std::vector<std::vector<DataField>> stored;
  data->QueryRecords("J4_Bill_Items", &oldLines, &stored);
  if (!stored.empty()) data->AdjustStock(number, &stored, true);
  std::vector<DataField> key = {F("单据编号", number)};
  data->DeleteRecords("J4_Account_Data", &key);
  data->DeleteRecords("J4_Bill_Items", &key);

  std::vector<std::vector<DataField>> stockRows;
  for (int i = 0; i < lineCount; ++i) {
    const std::string product = ProductName(i);
    std::vector<DataField> inventory = {F("商品名称", product), F("进货价", "")};
    std::vector<std::vector<DataField>> found;
    data->QueryRecords("J4_V_Product_Inventory", &inventory, &found);
    std::vector<DataField> unit = {F("name", "箱", 1), F("name_basic", "个", 1), F("product", product, 1),
                                   F("value", "")};
    std::vector<std::vector<DataField>> conversion;
    data->QueryRecords("J4_LogicalUnit", &unit, &conversion);
    std::vector<DataField> line = {F("", number), F("", product), F("", "2.00"),
                                   F("", "5.00"), F("", "10.00"), F("", "")};
    if (data->InsertRecord("J4_Bill_Items", &line) != 0) continue;
    stockRows.push_back({F("商品名称", product), F("数量", "2.00")});
    std::vector<DataField> cost = {F("商品名称", product), F("单位成本", "")};
    std::vector<std::vector<DataField>> costRows;
    data->QueryRecords("J4_Product_CostPrice", &cost, &costRows);
    if (costRows.empty()) {
      std::vector<DataField> seed = {F("", product), F("", found.empty() ? "" : found[0][1].value)};
      data->InsertRecord("J4_Product_CostPrice", &seed);
    }
  }
  std::vector<DataField> item = {F("", "销售收入"), F("", "收入")};
  data->InsertRecord("J4_Account_Item", &item);
  std::vector<DataField> header = {F("", "2026-12-10"), F("", number),   F("", "销售单"), F("", "零售客户"),
                                   F("", "100"),        F("", "400.00"), F("", ""),       F("", "销售收入"),
                                   F("", "老板"),       F("", "500.00"), F("", "")};
  data->InsertRecord("J4_Account_Data", &header);
  data->AdjustStock(number, &stockRows, false);
  std::vector<DataField> party = {F("客户名称", "零售客户"), F("当前应收款", "")};
  std::vector<std::vector<DataField>> balance;
  data->QueryRecords("J4_Customer_Data", &party, &balance);
  if (!balance.empty()) {
    const std::string newBalance = StringPrintf("%.02f", std::atof(balance[0][1].value.c_str()) + 100.0);
    std::vector<DataField> set = {F("客户名称", "零售客户"), F("当前应收款", newBalance)};
    data->UpdateRecord("J4_Customer_Data", &set, &balance[0]);
  }
}

}  // namespace

int main() {
  HMODULE dll = LoadLibraryA("Datavane.dll");
  auto get = dll ? reinterpret_cast<GetKXPDataInstanceFunc>(GetProcAddress(dll, "GetKXPDataInstance")) : nullptr;
  KXPDatavane* data = get ? get() : nullptr;
  if (!data) {
    std::printf("Datavane.dll or its export is missing\n");
    return 1;
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "datavane_bench.db";
  DeleteFileA(path.c_str());

  double start = Now();
  if (data->OpenDatabase(path.c_str()) != 0) {
    std::printf("cannot create %s\n", path.c_str());
    return 1;
  }
  std::printf("OpenDatabase on a new file (schema):      %8.2f ms\n", (Now() - start) * 1e3);
  start = Now();
  data->OpenDatabase(path.c_str());
  std::printf("OpenDatabase on an existing file:         %8.2f ms\n", (Now() - start) * 1e3);

  data->AddUser("老板", "");
  for (int i = 0; i < 50; ++i) {
    std::vector<DataField> product = {F("", ProductName(i)), F("", ""),     F("", "个"), F("", "5.00"),
                                      F("", "9.00"),         F("", "8.00"), F("", ""),   F("", "1000")};
    data->InsertRecord("J4_Product_Data", &product);
  }

  ConnectionSettings settings;
  settings.path = path;
  settings.key = "bramblecot_wev~!";
  // The raw connection: the same file, cipher and key, SQLite's default modes.
  sqlite3* raw = nullptr;
  sqlite3_open_v2(AnsiToUtf8(path).c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3mc_config(raw, "cipher", sqlite3mc_cipher_index("chacha20"));
  sqlite3mc_config_cipher(raw, "chacha20", "kdf_iter", 1);
  sqlite3_key(raw, settings.key.data(), static_cast<int>(settings.key.size()));
  sqlite3_busy_timeout(raw, 60000);
  const std::string select = AnsiToUtf8("select * from J4_Sys_User where name='老板' and pwd=''");
  const int runs = 200;

  const double operation = MedianSeconds(runs, [&](int) { data->CheckUserPassword("老板", ""); });
  const double direct = MedianSeconds(runs, [&](int) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(raw, select.c_str(), -1, &statement, nullptr);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
  });
  std::printf("read:  CheckUserPassword %8.1f us, raw statement %8.1f us, ratio %5.1fx\n", operation * 1e6,
              direct * 1e6, operation / direct);

  const double writeOperation =
      MedianSeconds(runs, [&](int i) { data->SetUserEmail("老板", (i % 2) ? "a@b" : "c@d"); });
  const double writeDirect = MedianSeconds(runs, [&](int i) {
    sqlite3_exec(raw,
                 AnsiToUtf8(i % 2 ? "update J4_Sys_User set email='a@b' where name='老板'"
                                  : "update J4_Sys_User set email='c@d' where name='老板'")
                     .c_str(),
                 nullptr, nullptr, nullptr);
  });
  std::printf("write: SetUserEmail      %8.1f us, raw statement %8.1f us, ratio %5.1fx\n", writeOperation * 1e6,
              writeDirect * 1e6, writeOperation / writeDirect);

  CppSQLite3DB opening;
  const double openClose = MedianSeconds(runs, [&](int) {
    opening.open(settings);
    opening.close();
  });
  std::printf("open + key + close alone:  %8.1f us\n", openClose * 1e6);
  sqlite3_close(raw);

  const double bill = MedianSeconds(10, [&](int i) { SaveBill(data, StringPrintf("XSD20261210%03d", i % 3), 50); });
  std::printf("save a 50-line sales bill (undo, lines, header, stock, balance): %8.2f ms (median of 10)\n", bill * 1e3);
  DeleteFileA(path.c_str());
  return 0;
}
