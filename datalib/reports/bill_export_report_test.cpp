// Bill lines for the spreadsheet export over the test shop.
#include "test_support/report_test_fixture.h"

namespace {

const char* const kExportNames[] = {"单据日期", "单据编号", "客户名称", "商品名称", "单位", "数量",
                                    "单价",     "金额",     "折扣率",   "折后金额", "备注", "说明"};
const char* const kSales2014 = "类型='销售单' and (单据日期>='2014-01-01' and 单据日期<='2014-12-31')";

struct ExportedLines {
  ReportRows rows;
  bool namesRight = true;
};

void CollectNamedRow(intptr_t context, std::vector<DataField>* row) {
  ExportedLines* lines = reinterpret_cast<ExportedLines*>(context);
  std::vector<std::string> values;
  if (row->size() != 12) lines->namesRight = false;
  for (size_t i = 0; i < row->size(); ++i) {
    const DataField& f = (*row)[i];
    if (i >= 12 || f.name != kExportNames[i] || f.op != "=" || f.width != 0 || f.extra != 0 || f.index != -1)
      lines->namesRight = false;
    values.push_back((*row)[i].value);
  }
  lines->rows.push_back(values);
}

class BillExportTest : public ReportTest {
 protected:
  ExportedLines Export(std::vector<DataField> params) {
    ExportedLines lines;
    EXPECT_EQ(0, data_->RunReport("xsd_export", reinterpret_cast<intptr_t>(&lines), &params, CollectNamedRow));
    return lines;
  }
};

const ReportRows kSalesLines2014 = {
    {"2014-01-10", "XSD20140110001", "张三", "苹果", "箱", "4", "25", "100", "80", "80.00", "", "销售"},
    {"2014-01-10", "XSD20140110001", "张三", "旧货", "", "1", "5", "5", "80", "4.00", "", "销售"},
    {"2014-02-01", "XSD20140201001", "O'Neil", "香蕉", "斤", "0.5", "6", "3", "100", "3.00", "", "茶叶"},
    {"2014-02-01", "XSD20140201001", "O'Neil", "O'Brien's Tea", "盒", "1", "42", "42", "100", "42.00", "", "茶叶"},
};

TEST_F(BillExportTest, TheExportPagesVectorReadsItsLastEntry) {
  std::vector<DataField> params;
  for (const char* name : kExportNames) params.push_back(Column(name));
  params.push_back(Condition(kSales2014));
  const ExportedLines lines = Export(params);
  EXPECT_EQ(kSalesLines2014, lines.rows);
  EXPECT_TRUE(lines.namesRight);
}

TEST_F(BillExportTest, ConditionAloneAndEdgeCases) {
  EXPECT_EQ(kSalesLines2014, Export({Condition(kSales2014)}).rows);
  const ExportedLines purchases = Export({Condition("类型='进货单'")});
  EXPECT_EQ((ReportRows{{"2014-01-05", "JHD20140105001", "华丰", "苹果", "箱", "5", "3", "15", "100", "15.00", "新货",
                         "进货"}}),
            purchases.rows);
  // A receipt has no lines; an empty condition selects nothing; nor does an empty vector.
  EXPECT_TRUE(Export({Condition("类型='收款单'")}).rows.empty());
  EXPECT_TRUE(Export({Condition("")}).rows.empty());
  EXPECT_TRUE(Export({}).rows.empty());
}

TEST_F(BillExportTest, ABillWithoutRateDiscountsToZero) {
  Exec(
      "insert into J4_Account_Data values ('2014-03-06','XSD20140306001','销售单','O''Neil','','200','无折扣','','','200','')");
  Exec("insert into J4_Bill_Items values ('XSD20140306001','梨','2','100','200','')");
  EXPECT_EQ(
      (ReportRows{{"2014-03-06", "XSD20140306001", "O'Neil", "梨", "个", "2", "100", "200", "", "0.00", "", "无折扣"}}),
      Export({Condition("单据编号='XSD20140306001'")}).rows);
}

// A callback that changes the records it was handed: the next line must still
// arrive as twelve records just built, and a product that recurs after its unit
// was looked up keeps that unit.
void ChangeRecords(intptr_t context, std::vector<DataField>* row) {
  CollectNamedRow(context, row);
  (*row)[3].width = 80;
  (*row)[0].name = "日期";
  (*row)[5].extra = 1;
  row->pop_back();
}

TEST_F(BillExportTest, EveryLineGetsRecordsAsBuiltWhateverTheCallbackDidToThePreviousOnes) {
  Exec(
      "insert into J4_Account_Data values ('2014-03-06','XSD20140306001','销售单','O''Neil','100','9','','','','9','')");
  Exec("insert into J4_Bill_Items values ('XSD20140306001','苹果','1','9','9','')");
  for (auto callback : {CollectNamedRow, ChangeRecords}) {
    ExportedLines lines;
    std::vector<DataField> params = {Condition(kSales2014)};
    data_->RunReport("xsd_export", reinterpret_cast<intptr_t>(&lines), &params, callback);
    ASSERT_EQ(5u, lines.rows.size());
    EXPECT_TRUE(lines.namesRight);
    EXPECT_EQ(kSalesLines2014, ReportRows(lines.rows.begin(), lines.rows.begin() + 4));
    EXPECT_EQ((std::vector<std::string>{"2014-03-06", "XSD20140306001", "O'Neil", "苹果", "箱", "1", "9", "9", "100",
                                        "9.00", "", ""}),
              lines.rows.back());
  }
}
}  // namespace
