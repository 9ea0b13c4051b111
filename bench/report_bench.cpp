// Report benchmark: builds a busy shop (and one with half its documents), runs
// every report key once on each with the vector its page passes, and prints the
// time of each run, so that growth with the number of documents shows.
//
// Usage: report_bench [folder for the two database files] [divisor] [reuse]
// A divisor of 10 makes a shop a tenth of the size (products, parties, documents);
// "reuse" runs on the files of an earlier run instead of generating them anew.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data_object.h"
#include "report_bench_data.h"

namespace {

const char* const kPeriod = "单据日期>='2014-01-01' and 单据日期<='2014-12-31' ";

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
  const char* key;
  std::vector<DataField> params;
};

std::vector<Run> PageRuns(const GeneratedShop& shop) {
  return {
      {"ysqkbg", "ysqkbg", Columns(5, {Condition(""), Condition(kPeriod)})},
      {"zjls_qc", "zjls_qc", {Column("sum(收入)"), Column("sum(支出)"), Condition("业务日期 < '2014-01-01'")}},
      {"ysqkbg_mod", "ysqkbg_mod", Columns(6, {Condition(kPeriod), Hidden("客户名称", shop.busyCustomer)})},
      {"yfqkbg", "yfqkbg", Columns(5, {Condition(""), Condition(kPeriod)})},
      {"yfqkbg_mod", "yfqkbg_mod", Columns(6, {Condition(kPeriod), Hidden("客户名称", shop.busySupplier)})},
      {"xstjbg", "xstjbg", Columns(4, {Condition(kPeriod)})},
      {"xstjbg (one product)", "xstjbg",
       Columns(4, {Condition(std::string(kPeriod) + "and 商品名称=='" + shop.busyProduct + "' ")})},
      {"xstjbg_kh", "xstjbg_kh", Columns(4, {Column("客户名称"), Condition(kPeriod)})},
      {"xstjbg_ywy", "xstjbg_ywy", Columns(4, {Column(""), Condition(kPeriod)})},
      {"xstjbg_mx", "xstjbg_mx", ProductDetail(shop.busyProduct)},
      {"jhtjbg", "jhtjbg", Columns(4, {Condition(kPeriod)})},
      {"jhtjbg_gys", "jhtjbg_gys", Columns(4, {Column(""), Condition(kPeriod)})},
      {"jhtjbg_mx", "jhtjbg_mx", ProductDetail(shop.busyProduct)},
      {"ysdzd", "ysdzd", Columns(10, {Condition(kPeriod), Hidden("客户名称", shop.busyCustomer)})},
      {"yfdzd", "yfdzd", Columns(10, {Condition(kPeriod), Hidden("客户名称", shop.busySupplier)})},
      {"kctjbg", "kctjbg", Columns(10, {Condition(""), Condition(kPeriod)})},
      {"kctjbg (no period)", "kctjbg", Columns(10)},
      {"kctjbgmx", "kctjbgmx", Columns(12, {Hidden("商品名称", shop.busyProduct), Condition(kPeriod)})},
      {"kcyjbg", "kcyjbg", Columns(7)},
      {"zjtjbg", "zjtjbg", Columns(3, {Condition(""), Condition(kPeriod)})},
      {"zjtjbgmx", "zjtjbgmx", Columns(6, {Condition(shop.incomeItem), Condition(kPeriod)})},
      {"lrtjbg", "lrtjbg", Columns(5, {Condition(""), Condition(kPeriod)})},
      {"lrtjbg_hp", "lrtjbg_hp", Columns(7, {Condition(""), Condition(kPeriod)})},
      {"xsd_export", "xsd_export",
       Columns(12, {Condition("类型='销售单' and (单据日期>='2014-01-01' and 单据日期<='2014-12-31')")})},
  };
}

void CountRow(intptr_t context, std::vector<DataField>*) { ++*reinterpret_cast<long*>(context); }

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

constexpr int kAttempts = 3;

struct Timing {
  long rows;
  double ms;
};

std::vector<Timing> RunAll(const std::string& path, const ShopSize& size, bool reuse) {
  auto start = std::chrono::steady_clock::now();
  GeneratedShop shop = ShopNames();
  if (!reuse) {
    shop = GenerateShop(path, size);
    std::printf("shop of %d documents and %d lines generated in %.1f s\n", shop.documents, shop.lines, Seconds(start));
  }
  KXPData data;
  data.OpenDatabase(path.c_str());
  std::vector<Timing> timings;
  // Each key runs a few times; the best time is the one least disturbed by
  // whatever else the machine is doing.
  for (const Run& run : PageRuns(shop)) {
    Timing best{0, 0};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      std::vector<DataField> params = run.params;
      long rows = 0;
      start = std::chrono::steady_clock::now();
      data.RunReport(run.key, reinterpret_cast<intptr_t>(&rows), &params, CountRow);
      const double ms = Seconds(start) * 1000;
      if (attempt == 0 || ms < best.ms) best = {rows, ms};
    }
    timings.push_back(best);
  }
  return timings;
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
  const std::vector<Timing> fullTimes = RunAll(folder + "report_bench_full.db", full, reuse);
  const std::vector<Timing> halfTimes = RunAll(folder + "report_bench_half.db", half, reuse);
  const std::vector<Run> runs = PageRuns(ShopNames());
  std::printf("\nbest of %d runs per key\n%-22s %10s %12s %10s %12s %8s\n", kAttempts, "report", "rows", "ms (full)",
              "rows", "ms (half)", "growth");
  for (size_t i = 0; i < runs.size(); ++i)
    std::printf("%-22s %10ld %12.1f %10ld %12.1f %8.2f\n", runs[i].label.c_str(), fullTimes[i].rows, fullTimes[i].ms,
                halfTimes[i].rows, halfTimes[i].ms, halfTimes[i].ms > 0 ? fullTimes[i].ms / halfTimes[i].ms : 0.0);
  return 0;
}
