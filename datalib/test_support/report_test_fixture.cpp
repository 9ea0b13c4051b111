// The shop database of the report tests and the row collector.
#include "test_support/report_test_fixture.h"

namespace {

const char* const kShop[] = {
    "insert into J4_Product_Data values ('苹果','水果','箱','2','','','','11','10','5','20','','')",
    "insert into J4_Product_Data values ('香蕉','水果','斤','3','','','','3','0','5','','','')",
    "insert into J4_Product_Data values ('O''Brien''s Tea','茶叶','盒','10','','','','25','0','','20','','')",
    "insert into J4_Product_Data values ('梨','水果','个','1','','','','1','0','','','','')",
    "insert into J4_Product_CostPrice values ('苹果','2.5')",
    "insert into J4_Customer_Data values ('张三','客户','','','','','','','','','100','','')",
    "insert into J4_Customer_Data values ('O''Neil','客户','','','','','','','','','','','')",
    "insert into J4_Customer_Data values ('华丰','供应商','','','','','','','','','50','','')",
    "insert into J4_Customer_Data values ('大户','客户','','','','','','','','','1234567.89','','')",
    "insert into J4_Account_Item values ('房租','支出')",
    "insert into J4_Account_Item values ('利息','收入')",
    "insert into J4_Account_Item values ('杂费','支出')",
    "insert into J4_Saler values ('小王')",
    "insert into J4_Saler values ('小李')",
    // 单据日期, 单据编号, 类型, 客户名称, 折扣率, 收款金额, 说明, 收支项目, 操作人, 实际金额, 业务员
    "insert into J4_Account_Data values ('2013-12-20','XSD20131220001','销售单','张三','100','10','旧单','','','10','小王')",
    "insert into J4_Account_Data values ('2014-01-05','JHD20140105001','进货单','华丰','100','15','进货','','','5','')",
    "insert into J4_Account_Data values ('2014-01-10','XSD20140110001','销售单','张三','80','80','销售','','','30','小王')",
    "insert into J4_Account_Data values ('2014-01-15','SKD20140115001','收款单','张三','','20','收款','','','20','')",
    "insert into J4_Account_Data values ('2014-02-01','XSD20140201001','销售单','O''Neil','100','45','茶叶','','','45','小李')",
    "insert into J4_Account_Data values ('2014-02-10','ZJD20140210001','收支单','','','','房租','房租','','1000','')",
    "insert into J4_Account_Data values ('2014-02-12','ZJD20140212001','收支单','','','','利息','利息','','12.5','')",
    "insert into J4_Account_Data values ('2014-03-01','FKD20140301001','付款单','华丰','','10','付款','','','10','')",
    // 单据编号, 商品名称, 数量, 单价, 金额, 备注
    "insert into J4_Bill_Items values ('XSD20131220001','苹果','1','10','10','')",
    "insert into J4_Bill_Items values ('JHD20140105001','苹果','5','3','15','新货')",
    "insert into J4_Bill_Items values ('XSD20140110001','苹果','4','25','100','')",
    "insert into J4_Bill_Items values ('XSD20140110001','旧货','1','5','5','')",
    "insert into J4_Bill_Items values ('XSD20140201001','香蕉','0.5','6','3','')",
    "insert into J4_Bill_Items values ('XSD20140201001','O''Brien''s Tea','1','42','42','')",
};

struct Collector {
  size_t cells;
  ReportRows* rows;
  std::vector<int>* marks;
  std::vector<std::vector<int>>* extras;
};

void CollectRow(intptr_t context, std::vector<DataField>* row) {
  Collector* collector = reinterpret_cast<Collector*>(context);
  std::vector<std::string> values;
  for (size_t i = 0; i < collector->cells && i < row->size(); ++i) values.push_back((*row)[i].value);
  collector->rows->push_back(values);
  collector->marks->push_back(row->empty() ? 0 : (*row)[0].extra);
  std::vector<int> extras;
  for (const DataField& entry : *row) extras.push_back(entry.extra);
  collector->extras->push_back(extras);
}

}  // namespace

void ReportTest::SetUp() {
  DatabaseTest::SetUp();
  for (const char* sql : kShop) Exec(sql);
}

ReportRows ReportTest::Run(const char* key, std::vector<DataField>& params, size_t cells) {
  ReportRows rows;
  totalMarks_.clear();
  extras_.clear();
  Collector collector{cells, &rows, &totalMarks_, &extras_};
  EXPECT_EQ(0, data_->RunReport(key, reinterpret_cast<intptr_t>(&collector), &params, CollectRow));
  return rows;
}

void ReportTest::RunCases(const std::vector<ReportCase>& cases) {
  for (const ReportCase& c : cases) {
    std::vector<DataField> params = c.params;
    const ReportRows rows = Run(c.key, params, c.cells);
    if (c.anyOrder)
      EXPECT_EQ(AnyOrder(c.rows), AnyOrder(rows)) << c.title;
    else
      EXPECT_EQ(c.rows, rows) << c.title;
  }
}
