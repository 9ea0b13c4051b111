// The report slot: which keys run, what it does without a vector or a callback,
// and that nothing thrown inside a report leaves it.
#include "reports/report_test_fixture.h"

#include <stdexcept>

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
  const char* keys[] = {"ysqkbg", "zjls_qc", "ysqkbg_mod", "yfqkbg", "yfqkbg_mod", "xstjbg", "xstjbg_kh", "xstjbg_ywy",
                        "xstjbg_mx", "jhtjbg", "jhtjbg_gys", "jhtjbg_mx", "ysdzd", "yfdzd", "kctjbg", "kctjbgmx",
                        "kcyjbg", "zjtjbg", "zjtjbgmx", "lrtjbg", "lrtjbg_hp", "xsd_export"};
  for (const char* key : keys) {
    std::vector<DataField> params;
    g_calls = 0;
    EXPECT_EQ(0, data_->RunReport(key, 0, &params, CountRow)) << key;
    EXPECT_EQ(0, g_calls) << key;
    EXPECT_TRUE(params.empty()) << key;
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

TEST_F(ReportDispatchTest, BeforeAnyDatabaseIsOpened) {
  KXPData fresh;
  std::vector<DataField> params = With(Columns(4), {Condition("")});
  g_calls = 0;
  EXPECT_EQ(0, fresh.RunReport("xstjbg", 0, &params, CountRow));
  EXPECT_EQ(0, g_calls);
}

}  // namespace
