// The report slot: which keys run, what it does without a vector or a callback,
// and that nothing thrown inside a report leaves it.
#include "test_support/report_test_fixture.h"

#include <stdexcept>
#include <string>

namespace {

class ReportDispatchTest : public ReportTest {};

int g_calls = 0;
void CountRow(intptr_t, std::vector<DataField>*) { ++g_calls; }
void ThrowOnSecondRow(intptr_t, std::vector<DataField>*) {
  if (++g_calls == 2) throw std::runtime_error("list is gone");
}

TEST_F(ReportDispatchTest, OnlyExactKeysRun) {
  const char* keys[] = {"XSTJBG", "xstjbg ", "", "xstjbgx", "unknown"};
  for (const char* key : keys) {
    std::vector<DataField> params = With(Columns(4), {Condition("")});
    g_calls = 0;
    EXPECT_EQ(0, data_->RunReport(key, 0, &params, CountRow)) << key;
    EXPECT_EQ(0, g_calls) << key;
  }
  std::vector<DataField> params = With(Columns(4), {Condition("")});
  g_calls = 0;
  EXPECT_EQ(0, data_->RunReport("xstjbg", 0, &params, CountRow));
  EXPECT_EQ(3, g_calls);
}

TEST_F(ReportDispatchTest, MissingArgumentsRunNothing) {
  std::vector<DataField> params = With(Columns(4), {Condition("")});
  g_calls = 0;
  EXPECT_EQ(0, data_->RunReport(nullptr, 0, &params, CountRow));
  EXPECT_EQ(0, data_->RunReport("xstjbg", 0, nullptr, CountRow));
  EXPECT_EQ(0, data_->RunReport("xstjbg", 0, &params, nullptr));
  EXPECT_EQ(0, data_->RunReport("zjls_qc", 0, nullptr, nullptr));
  EXPECT_EQ(0, g_calls);
  EXPECT_EQ("", params[0].value);
}

TEST_F(ReportDispatchTest, EveryKeyWithAnEmptyVectorRunsNothing) {
  const char* keys[] = {"ysqkbg",    "zjls_qc",    "ysqkbg_mod", "yfqkbg",    "yfqkbg_mod", "xstjbg",
                        "xstjbg_kh", "xstjbg_ywy", "xstjbg_mx",  "jhtjbg",    "jhtjbg_gys", "jhtjbg_mx",
                        "ysdzd",     "yfdzd",      "kctjbg",     "kctjbgmx",  "kcyjbg",     "zjtjbg",
                        "zjtjbgmx",  "lrtjbg",     "lrtjbg_hp",  "xsd_export"};
  for (const char* key : keys) {
    std::vector<DataField> params;
    g_calls = 0;
    EXPECT_EQ(0, data_->RunReport(key, 0, &params, CountRow)) << key;
    EXPECT_EQ(0, g_calls) << key;
    EXPECT_TRUE(params.empty()) << key;
  }
}

TEST_F(ReportDispatchTest, EveryKeyNeedsItsWholeVector) {
  const struct {
    const char* key;
    size_t minimum;
  } keys[] = {{"ysqkbg", 5},     {"zjls_qc", 3},    {"ysqkbg_mod", 6}, {"yfqkbg", 5},     {"yfqkbg_mod", 6},
              {"xstjbg", 5},     {"xstjbg_kh", 6},  {"xstjbg_ywy", 6}, {"xstjbg_mx", 10}, {"jhtjbg", 5},
              {"jhtjbg_gys", 6}, {"jhtjbg_mx", 10}, {"ysdzd", 12},     {"yfdzd", 12},     {"kctjbg", 10},
              {"kctjbgmx", 13},  {"kcyjbg", 7},     {"zjtjbg", 3},     {"zjtjbgmx", 8},   {"lrtjbg", 5},
              {"lrtjbg_hp", 7},  {"xsd_export", 1}};
  // Values that would give rows if the report ran: a product in entry 3 and a
  // party in the last entry.
  auto vector = [](size_t size) {
    std::vector<DataField> params;
    for (size_t i = 0; i < size; ++i) params.push_back(Column("", ("v" + std::to_string(i)).c_str()));
    if (size > 3) params[3] = Column("商品名称", "苹果");
    if (size > 0) params.back().value = "张三";
    return params;
  };
  for (const auto& k : keys) {
    const std::vector<DataField> shortVector = vector(k.minimum - 1);
    std::vector<DataField> params = shortVector;
    g_calls = 0;
    EXPECT_EQ(0, data_->RunReport(k.key, 0, &params, CountRow)) << k.key;
    EXPECT_EQ(0, g_calls) << k.key << " one entry short";
    ASSERT_EQ(shortVector.size(), params.size()) << k.key;
    for (size_t i = 0; i < params.size(); ++i) EXPECT_EQ(shortVector[i].value, params[i].value) << k.key << " " << i;
    // With the whole vector nothing is written past its end.
    params = vector(k.minimum);
    EXPECT_EQ(0, data_->RunReport(k.key, 0, &params, CountRow)) << k.key;
    if (std::string(k.key) != "xsd_export") {
      EXPECT_EQ(k.minimum, params.size()) << k.key;
    }
  }
}

TEST_F(ReportDispatchTest, AThrowingCallbackEndsTheReportQuietly) {
  std::vector<DataField> params = With(Columns(4), {Condition("")});
  g_calls = 0;
  EXPECT_EQ(0, data_->RunReport("xstjbg", 0, &params, ThrowOnSecondRow));
  EXPECT_EQ(2, g_calls);
  // The connection was closed on the way out: the database is free for writing.
  Exec("insert into J4_Saler values ('小张')");
}

void EmptyTheVector(intptr_t, std::vector<DataField>* row) {
  ++g_calls;
  row->clear();
  row->shrink_to_fit();
}

TEST_F(ReportDispatchTest, ACallbackThatEmptiesTheVectorEndsNothingBadly) {
  struct {
    const char* key;
    std::vector<DataField> params;
    int rows;
  } cases[] = {
      {"kctjbgmx", With(Columns(12), {Column("商品名称", "苹果"), Condition("")}), 5},
      {"lrtjbg", Columns(5), 3},
      {"lrtjbg_hp", Columns(7), 5},
      {"ysdzd", With(Columns(10), {Condition(""), Party("张三")}), 7},
  };
  for (auto& c : cases) {
    g_calls = 0;
    EXPECT_EQ(0, data_->RunReport(c.key, 0, &c.params, EmptyTheVector)) << c.key;
    EXPECT_TRUE(c.params.empty()) << c.key;
    EXPECT_EQ(c.rows, g_calls) << c.key;  // the walk goes on, writing nothing
  }
}

KXPData* g_data = nullptr;
int g_nestedResult = -2;
void QueryWhileReporting(intptr_t, std::vector<DataField>*) {
  std::vector<DataField> record = {MakeDataField("商品名称", "")};
  std::vector<std::vector<DataField>> rows;
  g_nestedResult = g_data->QueryRecords("J4_Product_Data", &record, &rows);
  ++g_calls;
}

TEST_F(ReportDispatchTest, ACallbackMayReadTheDatabase) {
  std::vector<DataField> params = Columns(7);
  g_data = data_.get();
  g_calls = 0;
  EXPECT_EQ(0, data_->RunReport("kcyjbg", 0, &params, QueryWhileReporting));
  EXPECT_EQ(2, g_calls);
  EXPECT_EQ(0, g_nestedResult);
}

TEST_F(ReportDispatchTest, ADatabaseErrorEndsTheReportWithZero) {
  std::vector<DataField> params = With(Columns(4), {Condition("no such column here = 1")});
  g_calls = 0;
  EXPECT_EQ(0, data_->RunReport("xstjbg", 0, &params, CountRow));
  EXPECT_EQ(0, g_calls);
}

TEST_F(ReportDispatchTest, ADatabaseErrorAfterSomeRowsKeepsThem) {
  // The condition fails ("integer overflow") only on O'Neil's bill of 45, the
  // fourth party; the three before it are delivered.
  const char* failsOn45 = "abs(cast(实际金额 as integer) - 45 + (-9223372036854775807 - 1)) >= 0";
  const ReportRows rows = Run("xstjbg_kh", With(Columns(4), {Column("客户名称"), Condition(failsOn45)}), 4);
  EXPECT_EQ((ReportRows{{"零售客户", "", "0.00", ""}, {"批发客户", "", "0.00", ""}, {"张三", "47.5", "7.50", "40"}}),
            rows);
}

TEST_F(ReportDispatchTest, BeforeAnyDatabaseIsOpened) {
  KXPData fresh;
  std::vector<DataField> params = With(Columns(4), {Condition("")});
  g_calls = 0;
  EXPECT_EQ(0, fresh.RunReport("xstjbg", 0, &params, CountRow));
  EXPECT_EQ(0, g_calls);
}

}  // namespace
