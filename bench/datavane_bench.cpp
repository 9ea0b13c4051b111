// Cost of Datavane's operations as the program sees them: one operation (open,
// key, statement, close) against the same statement on an already-open raw
// connection, and the whole call sequence of saving a 50-line sales bill, as
// separate operations and inside one unit of work.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "kxp_data.h"
#include "sql_text.h"
#include "sqlite_connection.h"
#include "test_support/sales_bill_save.h"
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

// The times of one step of a run, one entry per run.
double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
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
  sales_bill::AddProducts(data, 50);

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

  // The two ways in turn, so that a change in the machine's load touches both alike.
  std::vector<double> alone, inUnit, begin, commit;
  for (int i = 0; i < 10; ++i) {
    const std::string number = StringPrintf("XSD20261210%03d", i % 3);
    double start = Now();
    sales_bill::SaveSalesBill(data, number, 50);
    alone.push_back(Now() - start);

    start = Now();
    const bool begun = data->BeginWork() == 0;
    const double calls = Now();
    sales_bill::SaveSalesBill(data, number, 50);
    const double committing = Now();
    const bool committed = data->CommitWork() == 0;
    const double end = Now();
    if (!begun || !committed) {
      std::printf("the unit of work was refused or failed\n");
      return 1;
    }
    inUnit.push_back(end - start);
    begin.push_back(calls - start);
    commit.push_back(end - committing);
  }
  const double aloneMs = Median(alone) * 1e3, unitMs = Median(inUnit) * 1e3;
  std::printf("save a 50-line sales bill (undo, lines, header, item, stock, balance), median of 10:\n");
  std::printf("  as separate operations:   %8.2f ms\n", aloneMs);
  std::printf("  inside one unit of work:  %8.2f ms (%.1fx faster; begin %.2f ms, commit %.2f ms)\n", unitMs,
              aloneMs / unitMs, Median(begin) * 1e3, Median(commit) * 1e3);
  DeleteFileA(path.c_str());
  return 0;
}
