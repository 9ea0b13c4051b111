// Test support for the reports: one small shop's database (products, parties,
// bills with lines, a receipt, a payment, income and expense) and helpers that
// build report vectors and collect the rows a report delivers.
//
// The shop, in the order the rows are stored:
//   products  苹果 (箱, price 2, stock 10 -> 11, limits 5..20, cost price 2.5),
//             香蕉 (斤, price 3, stock 3, lowest 5, no highest),
//             O'Brien's Tea (盒, price 10, stock 25, highest 20, no lowest),
//             梨 (个, price 1, stock 1, no limits)
//   parties   张三 (customer, opening 100), O'Neil (customer), 华丰 (supplier,
//             opening 50), 大户 (customer, opening 1234567.89), next to the
//             three default parties
//   documents XSD20131220001 sale to 张三, 2013-12-20: 10 paid 10, 苹果 1 x 10
//             JHD20140105001 purchase from 华丰, 2014-01-05: 15 paid 5, 苹果 5 x 3
//             XSD20140110001 sale to 张三, 2014-01-10, rate 80: 80 paid 30,
//                            苹果 4 x 25 and 旧货 1 x 5 (旧货 is no product any more)
//             SKD20140115001 receipt of 20 from 张三, 2014-01-15
//             XSD20140201001 sale to O'Neil, 2014-02-01: 45 paid 45, 香蕉 0.5 x 6 and
//                            O'Brien's Tea 1 x 42
//             ZJD20140210001 expense 房租 1000, ZJD20140212001 income 利息 12.5
//             FKD20140301001 payment of 10 to 华丰, 2014-03-01
//   salesmen 小王 (the 2013 sale and the January sale), 小李 (the February sale)
#ifndef DATAVANE_REPORT_TEST_FIXTURE_H
#define DATAVANE_REPORT_TEST_FIXTURE_H

#include <set>
#include <string>
#include <vector>

#include "test_support/test_database.h"

// The period of 2014 as the report pages write it.
constexpr const char* kYear2014 = "单据日期>='2014-01-01' and 单据日期<='2014-12-31' ";

using ReportRows = std::vector<std::vector<std::string>>;

// Report vectors the way the pages build them.
inline DataField Column(const char* caption, const char* value = "") { return Field(caption, value); }
inline DataField Condition(const std::string& text) { return RawCondition(text); }
inline DataField Party(const std::string& name) { return Field("客户名称", name, 0, 1); }
// `count` column entries with empty names.
inline std::vector<DataField> Columns(size_t count) { return std::vector<DataField>(count, Column("")); }
inline std::vector<DataField> With(std::vector<DataField> params, std::initializer_list<DataField> more) {
  params.insert(params.end(), more.begin(), more.end());
  return params;
}

// One run of a report and the rows it must deliver.
struct ReportCase {
  const char* title;
  const char* key;
  std::vector<DataField> params;
  size_t cells;     // how many leading values of each row to compare
  ReportRows rows;  // in delivery order
  bool anyOrder;    // the rows come in an order that SQLite leaves open
};

class ReportTest : public DatabaseTest {
 protected:
  void SetUp() override;

  // Runs every case on a copy of its vector and compares the rows.
  void RunCases(const std::vector<ReportCase>& cases);

  // Runs a report and answers the first `cells` values of every delivered row.
  ReportRows Run(const char* key, std::vector<DataField>& params, size_t cells);
  ReportRows Run(const char* key, std::vector<DataField>&& params, size_t cells) { return Run(key, params, cells); }
  // For every delivered row: whether entry 0 was marked as a total row.
  std::vector<int> totalMarks_;
  // For every delivered row: the `extra` flag of each entry.
  std::vector<std::vector<int>> extras_;
};

// Rows whose order SQLite leaves open, compared as a multiset.
inline std::multiset<std::vector<std::string>> AnyOrder(const ReportRows& rows) {
  return std::multiset<std::vector<std::string>>(rows.begin(), rows.end());
}

#endif
