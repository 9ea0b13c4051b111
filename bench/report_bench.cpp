// Report benchmark: builds a busy shop (and one with half its documents), runs
// every report key on each with the vectors its page passes (the page opening,
// one year, all three years, one party or product, a period without documents)
// and prints the best time of each run, so that growth with the number of
// documents shows. A grouped table query through QueryRecords runs beside them.
//
// Usage: report_bench [folder] [divisor] [reuse] [only label part | plans [label part] | sql statement [plain] | digests]
// A divisor of 10 makes a shop a tenth of the size (products, parties, documents);
// "reuse" runs on the files of an earlier run instead of generating them anew;
// "only" times just the runs whose label holds the part.
// "plans" runs each report once on the full shop instead and prints, per run,
// the statements that took the time with their count and query plan; a label
// part limits that to the runs whose label holds it. "sql" times one statement;
// "digests" prints a digest of every run's rows, to compare two builds.
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "block_read_vfs.h"
#include "data_object.h"
#include "report_bench_data.h"
#include "sqlite_connection.h"
#include "text_encoding.h"

namespace {

const char* const kYear = "单据日期>='2014-01-01' and 单据日期<='2014-12-31' ";
const char* const kAllYears = "单据日期>='2012-01-01' and 单据日期<='2014-12-31' ";
const char* const kNoDocuments = "单据日期>='2020-01-01' and 单据日期<='2020-12-31' ";

DataField Column(const std::string& caption, const std::string& value = "") { return MakeDataField(caption, value); }
DataField Condition(const std::string& text) {
  DataField field = MakeDataField(text, ".");
  field.op = "";
  field.valueType = 2;
  field.hidden = 1;
  return field;
}
DataField Hidden(const std::string& name, const std::string& value) {
  DataField field = MakeDataField(name, value);
  field.hidden = 1;
  return field;
}
std::vector<DataField> Columns(size_t count, std::initializer_list<DataField> more = {}) {
  std::vector<DataField> params(count, Column("列"));
  params.insert(params.end(), more.begin(), more.end());
  return params;
}
std::vector<DataField> ProductDetail(const std::string& product) {
  std::vector<DataField> params = Columns(10);
  params[3] = Column("商品名称", product);
  return params;
}

struct Run {
  std::string label;
  const char* key;  // null: a QueryRecords on `table` with the vector as its record
  std::vector<DataField> params;
  const char* table = nullptr;
};

// The periods a report page can pass, in the order the table prints them.
struct Period {
  const char* label;
  std::string text;
};
std::vector<Period> Periods() { return {{"year", kYear}, {"3 years", kAllYears}, {"empty period", kNoDocuments}}; }

std::vector<Run> PageRuns(const GeneratedShop& shop) {
  const std::string customerFilter = "客户名称='" + shop.busyCustomer + "' ";
  const std::string productFilter = "商品名称='" + shop.busyProduct + "' ";
  std::vector<Run> runs;
  auto add = [&](const std::string& label, const char* key, std::vector<DataField> params) {
    runs.push_back({label, key, std::move(params)});
  };
  // Summaries of every party of a side: opened with the columns alone, found with a party filter and dates.
  for (const char* key : {"ysqkbg", "yfqkbg"}) {
    const std::string& party = key[1] == 's' ? shop.busyCustomer : shop.busySupplier;
    add(std::string(key) + " opening", key, Columns(5));
    for (const Period& p : Periods())
      add(std::string(key) + " " + p.label, key, Columns(5, {Condition(""), Condition(p.text)}));
    add(std::string(key) + " one party", key, Columns(5, {Condition("客户名称='" + party + "' "), Condition(kYear)}));
  }
  add("zjls_qc before 2014", "zjls_qc",
      {Column("sum(收入)"), Column("sum(支出)"), Condition("业务日期 < '2014-01-01'")});
  add("zjls_qc before 2020", "zjls_qc",
      {Column("sum(收入)"), Column("sum(支出)"), Condition("业务日期 < '2020-01-01'")});
  add("zjls_qc before 2000", "zjls_qc",
      {Column("sum(收入)"), Column("sum(支出)"), Condition("业务日期 < '2000-01-01'")});
  // One party's ledger and statement: a drill-down passes no dates, a find the page's dates.
  for (const char* key : {"ysqkbg_mod", "yfqkbg_mod", "ysdzd", "yfdzd"}) {
    const std::string& party = key[1] == 's' ? shop.busyCustomer : shop.busySupplier;
    const size_t columns = key[2] == 'd' ? 10 : 6;
    add(std::string(key) + " all dates", key, Columns(columns, {Condition(""), Hidden("客户名称", party)}));
    for (const Period& p : Periods())
      add(std::string(key) + " " + p.label, key, Columns(columns, {Condition(p.text), Hidden("客户名称", party)}));
  }
  // Trade summaries: the product mode takes the product inside the dates.
  for (const char* key : {"xstjbg", "jhtjbg"}) {
    const std::string filter =
        key[0] == 'x' ? "and 商品名称=='" + shop.busyProduct + "' " : "and 客户名称=='" + shop.busySupplier + "' ";
    add(std::string(key) + " no dates", key, Columns(4, {Condition("")}));
    for (const Period& p : Periods()) add(std::string(key) + " " + p.label, key, Columns(4, {Condition(p.text)}));
    add(std::string(key) + " one " + (key[0] == 'x' ? "product" : "party"), key,
        Columns(4, {Condition(kYear + filter)}));
  }
  for (const char* key : {"xstjbg_kh", "jhtjbg_gys", "xstjbg_ywy"}) {
    const std::string& one = key[7] == 'k' ? shop.busyCustomer : key[7] == 'g' ? shop.busySupplier : shop.salesman;
    add(std::string(key) + " no dates", key, Columns(4, {Column(""), Condition("")}));
    for (const Period& p : Periods())
      add(std::string(key) + " " + p.label, key, Columns(4, {Column(""), Condition(p.text)}));
    add(std::string(key) + " one name", key, Columns(4, {Column("", one), Condition(kYear)}));
  }
  add("xstjbg_mx busy product", "xstjbg_mx", ProductDetail(shop.busyProduct));
  add("xstjbg_mx quiet product", "xstjbg_mx", ProductDetail(shop.quietProduct));
  add("jhtjbg_mx busy product", "jhtjbg_mx", ProductDetail(shop.busyProduct));
  // Stock.
  add("kctjbg opening", "kctjbg", Columns(10));
  for (const Period& p : Periods())
    add(std::string("kctjbg ") + p.label, "kctjbg", Columns(10, {Condition(""), Condition(p.text)}));
  add("kctjbg one product", "kctjbg", Columns(10, {Condition(productFilter), Condition(kYear)}));
  add("kctjbg one product 3y", "kctjbg", Columns(10, {Condition(productFilter), Condition(kAllYears)}));
  add("kctjbg one category", "kctjbg", Columns(10, {Condition("商品类别='" + shop.category + "' "), Condition(kYear)}));
  add("kctjbgmx all dates", "kctjbgmx", Columns(12, {Hidden("商品名称", shop.busyProduct), Condition("")}));
  for (const Period& p : Periods())
    add("kctjbgmx " + std::string(p.label), "kctjbgmx",
        Columns(12, {Hidden("商品名称", shop.busyProduct), Condition(p.text)}));
  add("kctjbgmx quiet product", "kctjbgmx", Columns(12, {Hidden("商品名称", shop.quietProduct), Condition(kYear)}));
  add("kcyjbg opening", "kcyjbg", Columns(7));
  add("kcyjbg above maximum", "kcyjbg", Columns(7, {Condition("超出")}));
  // Income and expense.
  add("zjtjbg opening", "zjtjbg", Columns(3));
  for (const Period& p : Periods())
    add("zjtjbg " + std::string(p.label), "zjtjbg", Columns(3, {Condition(""), Condition(p.text)}));
  add("zjtjbg one item", "zjtjbg", Columns(3, {Condition("项目名称='" + shop.incomeItem + "' "), Condition(kYear)}));
  add("zjtjbgmx all dates", "zjtjbgmx", Columns(6, {Condition(shop.incomeItem), Condition("")}));
  for (const Period& p : Periods())
    add("zjtjbgmx " + std::string(p.label), "zjtjbgmx", Columns(6, {Condition(shop.incomeItem), Condition(p.text)}));
  // Profit.
  add("lrtjbg opening", "lrtjbg", Columns(5));
  for (const Period& p : Periods())
    add("lrtjbg " + std::string(p.label), "lrtjbg", Columns(5, {Condition(""), Condition(p.text)}));
  add("lrtjbg one customer", "lrtjbg", Columns(5, {Condition(customerFilter), Condition(kYear)}));
  add("lrtjbg_hp opening", "lrtjbg_hp", Columns(7));
  for (const Period& p : Periods())
    add("lrtjbg_hp " + std::string(p.label), "lrtjbg_hp", Columns(7, {Condition(""), Condition(p.text)}));
  add("lrtjbg_hp one product", "lrtjbg_hp", Columns(7, {Condition(shop.busyProduct), Condition(kYear)}));
  add("lrtjbg_hp one product 3y", "lrtjbg_hp", Columns(7, {Condition(shop.busyProduct), Condition(kAllYears)}));
  add("lrtjbg_hp quiet product", "lrtjbg_hp", Columns(7, {Condition(shop.quietProduct), Condition(kYear)}));
  // Export.
  for (const Period& p : Periods())
    add("xsd_export " + std::string(p.label), "xsd_export",
        Columns(12, {Condition("类型='销售单' and (" + p.text + ")")}));
  // A grouped query of the documents through the generic record access.
  runs.push_back({"QueryRecords by party",
                  nullptr,
                  {Column("客户名称"), Column("sum(实际金额)"), Condition("类型='销售单' group by 客户名称")},
                  "J4_Account_Data"});
  return runs;
}

// The rows a run delivered and, when asked for, a digest of every row's texts
// and marks in order, so that two builds of the library can be compared.
struct Delivered {
  long rows = 0;
  bool digesting = false;
  uint64_t digest = 14695981039346656037ULL;

  void add(const std::vector<DataField>& row) {
    ++rows;
    if (!digesting) return;
    for (const DataField& field : row) {
      mix(field.name);
      mix(field.value);
      mix(std::to_string(field.extra));
    }
  }
  void mix(const std::string& text) {
    for (unsigned char c : text) digest = (digest ^ c) * 1099511628211ULL;
    digest = (digest ^ 0xff) * 1099511628211ULL;
  }
};

void OnRow(intptr_t context, std::vector<DataField>* row) { reinterpret_cast<Delivered*>(context)->add(*row); }

// Runs one report (or table query).
Delivered RunOnce(KXPData& data, const Run& run, bool digesting = false) {
  std::vector<DataField> params = run.params;
  Delivered delivered;
  delivered.digesting = digesting;
  if (run.key) {
    data.RunReport(run.key, reinterpret_cast<intptr_t>(&delivered), &params, OnRow);
    if (digesting) delivered.add(params);  // what the report left in the vector
  } else {
    std::vector<std::vector<DataField>> result;
    data.QueryRecords(run.table, &params, &result);
    for (const auto& row : result) delivered.add(row);
  }
  return delivered;
}

constexpr int kAttempts = 3;

struct Timing {
  long rows;
  double ms;
  double cpuMs;  // the thread's processor time: less swayed by other programs than the clock
};

double ThreadCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

std::unique_ptr<KXPData> OpenShop(const std::string& path, const ShopSize& size, bool reuse) {
  if (!reuse) {
    const double start = Now();
    const GeneratedShop shop = GenerateShop(path, size);
    std::printf("shop of %d documents and %d lines generated in %.1f s\n", shop.documents, shop.lines, Now() - start);
  }
  auto data = std::make_unique<KXPData>();
  data->OpenDatabase(path.c_str());
  return data;
}

std::vector<Timing> RunAll(const std::string& path, const ShopSize& size, bool reuse, const std::string& only) {
  std::unique_ptr<KXPData> data = OpenShop(path, size, reuse);
  std::vector<Timing> timings;
  // Each run is repeated; the best time is the one least disturbed by whatever
  // else the machine is doing.
  for (const Run& run : PageRuns(ShopNames(size))) {
    Timing best{0, 0, 0};
    if (run.label.find(only) == std::string::npos) {
      timings.push_back(best);
      continue;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      const double start = Now(), cpuStart = ThreadCpuSeconds();
      const long rows = RunOnce(*data, run).rows;
      const double ms = (Now() - start) * 1000, cpuMs = (ThreadCpuSeconds() - cpuStart) * 1000;
      if (attempt == 0 || ms < best.ms) best.ms = ms;
      if (attempt == 0 || cpuMs < best.cpuMs) best.cpuMs = cpuMs;
      best.rows = rows;
    }
    timings.push_back(best);
  }
  return timings;
}

// Prints every run's rows and digest on the full shop.
void PrintDigests(const std::string& path, const ShopSize& size) {
  std::unique_ptr<KXPData> data = OpenShop(path, size, true);
  for (const Run& run : PageRuns(ShopNames(size))) {
    const Delivered delivered = RunOnce(*data, run, true);
    std::printf("%-30s %8ld %016llx\n", run.label.c_str(), delivered.rows,
                static_cast<unsigned long long>(delivered.digest));
  }
}

// Plans: every statement that a report's connections run is timed through the
// profile trace, which a connection gets as it opens.
struct StatementCost {
  int runs = 0;
  double ms = 0;
};
std::map<std::string, StatementCost> g_costs;

int OnProfile(unsigned type, void*, void* statement, void* nanoseconds) {
  if (type == SQLITE_TRACE_PROFILE) {
    StatementCost& cost = g_costs[sqlite3_sql(static_cast<sqlite3_stmt*>(statement))];
    ++cost.runs;
    cost.ms += *static_cast<sqlite3_int64*>(nanoseconds) / 1e6;
  }
  return 0;
}

int TraceEveryConnection(sqlite3* db, char**, const sqlite3_api_routines*) {
  sqlite3_trace_v2(db, SQLITE_TRACE_PROFILE, OnProfile, nullptr);
  return SQLITE_OK;
}

void PrintPlan(CppSQLite3DB& db, const std::string& utf8Sql) {
  sqlite3_stmt* explain = nullptr;
  if (sqlite3_prepare_v2(db.handle(), ("explain query plan " + utf8Sql).c_str(), -1, &explain, nullptr) != SQLITE_OK) {
    std::printf("      (no plan: %s)\n", Utf8ToAnsi(sqlite3_errmsg(db.handle())).c_str());
    return;
  }
  while (sqlite3_step(explain) == SQLITE_ROW)
    std::printf("      %s\n", Utf8ToAnsi(reinterpret_cast<const char*>(sqlite3_column_text(explain, 3))).c_str());
  sqlite3_finalize(explain);
}

void PrintPlans(const std::string& path, const ShopSize& size, const std::string& only) {
  std::unique_ptr<KXPData> data = OpenShop(path, size, true);
  CppSQLite3DB explainer;
  explainer.open(data->connectionSettings());
  sqlite3_auto_extension(reinterpret_cast<void (*)()>(TraceEveryConnection));
  for (const Run& run : PageRuns(ShopNames(size))) {
    if (run.label.find(only) == std::string::npos) continue;
    g_costs.clear();
    const BlockReadCounts before = BlockReadCountsNow();
    const double start = Now();
    const long rows = RunOnce(*data, run).rows;
    const BlockReadCounts after = BlockReadCountsNow();
    std::printf("\n%s: %ld rows in %.1f ms, %zu file reads (%zu as asked), %zu pages read from blocks held\n",
                run.label.c_str(), rows, (Now() - start) * 1000, after.fileReads - before.fileReads,
                after.passedOn - before.passedOn, after.pagesServed - before.pagesServed);
    std::vector<std::pair<std::string, StatementCost>> costs(g_costs.begin(), g_costs.end());
    std::sort(costs.begin(), costs.end(), [](const auto& a, const auto& b) { return a.second.ms > b.second.ms; });
    for (const auto& [sql, cost] : costs) {
      if (sql.compare(0, 6, "select") != 0 && sql.compare(0, 6, "SELECT") != 0) continue;
      std::printf("  %8.1f ms %7d x  %s\n", cost.ms, cost.runs, Utf8ToAnsi(sql).c_str());
      PrintPlan(explainer, sql);
    }
  }
  sqlite3_reset_auto_extension();
  explainer.close();
}

// Times one statement on the full shop's file, stepped to its end, and prints its plan.
// "plain" runs it as a data operation would, with the connection's own cache and
// outside a transaction of the bench's.
void TimeStatement(const std::string& path, const std::string& ansiSql, bool plain) {
  KXPData data;
  data.OpenDatabase(path.c_str());
  CppSQLite3DB db;
  db.open(data.connectionSettings());
  if (!plain) {
    db.execDML("pragma cache_size = -65536");
    db.execDML("begin");
  }
  const std::string sql = AnsiToUtf8(ansiSql);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    sqlite3_stmt* statement = nullptr;
    const double start = Now();
    if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      std::printf("%s\n", Utf8ToAnsi(sqlite3_errmsg(db.handle())).c_str());
      return;
    }
    long rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      if (rows == 0 && attempt == 0 && sqlite3_column_text(statement, 0))
        std::printf("first: %s\n",
                    Utf8ToAnsi(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))).c_str());
      ++rows;
    }
    sqlite3_finalize(statement);
    std::printf("%ld rows in %.1f ms\n", rows, (Now() - start) * 1000);
  }
  PrintPlan(db, sql);
  if (!plain) db.execDML("rollback");
  db.close();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? std::string(argv[1]) + "\\" : std::string();
  const int divisor = argc > 2 ? std::atoi(argv[2]) : 1;
  ShopSize full;
  if (divisor > 1) {
    full.products /= divisor;
    full.customers /= divisor;
    full.suppliers /= divisor;
    full.documents /= divisor;
  }
  ShopSize half = full;
  half.documents /= 2;
  const bool reuse = argc > 3 && std::string(argv[3]) == "reuse";
  if (argc > 4 && std::string(argv[4]) == "plans") {
    PrintPlans(folder + "report_bench_full.db", full, argc > 5 ? argv[5] : "");
    return 0;
  }
  if (argc > 4 && std::string(argv[4]) == "digests") {
    PrintDigests(folder + "report_bench_full.db", full);
    return 0;
  }
  if (argc > 5 && std::string(argv[4]) == "sql") {
    TimeStatement(folder + "report_bench_full.db", argv[5], argc > 6 && std::string(argv[6]) == "plain");
    return 0;
  }
  const std::string only = argc > 5 && std::string(argv[4]) == "only" ? argv[5] : "";
  const std::vector<Timing> fullTimes = RunAll(folder + "report_bench_full.db", full, reuse, only);
  const std::vector<Timing> halfTimes = RunAll(folder + "report_bench_half.db", half, reuse, only);
  const std::vector<Run> runs = PageRuns(ShopNames(full));
  std::printf("\nbest of %d runs each (cpu: the thread's processor time)\n%-30s %8s %10s %10s %8s %10s %7s\n",
              kAttempts, "report", "rows", "ms (full)", "cpu (full)", "rows", "ms (half)", "growth");
  double slowest = 0;
  for (size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].label.find(only) == std::string::npos) continue;
    std::printf("%-30s %8ld %10.1f %10.1f %8ld %10.1f %7.2f%s\n", runs[i].label.c_str(), fullTimes[i].rows,
                fullTimes[i].ms, fullTimes[i].cpuMs, halfTimes[i].rows, halfTimes[i].ms,
                halfTimes[i].ms > 0 ? fullTimes[i].ms / halfTimes[i].ms : 0.0,
                fullTimes[i].ms > 300 ? "  over 0.3 s" : "");
    if (runs[i].key) slowest = std::max(slowest, fullTimes[i].ms);
  }
  std::printf("slowest report key at full size: %.1f ms\n", slowest);
  return 0;
}
