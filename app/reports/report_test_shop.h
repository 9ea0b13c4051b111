// Test support of the report pages: a small shop on the real Datavane.dll, each
// test on a fresh database.
//   products   苹果 (水果, 箱, stock 11, limits 5..20, cost 2.5), 香蕉 (水果,
//   斤,
//              stock 3, lowest 5), O'Brien's Tea (茶叶, 盒, stock 25, highest
//              20)
//   parties    张三 (customer, opening 100), O'Neil (customer, opening 7), 华丰 (supplier,
//              opening 50), beside the library's default parties
//   items      房租 (支出), 利息 (收入)
//   salesmen   小王, 小李
//   documents  XSD20131220001 sale to 张三 2013-12-20: 苹果 1 x 10, paid 10,
//   小王
//              JHD20140105001 purchase from 华丰 2014-01-05: 苹果 5 x 3, paid 5
//              XSD20140110001 sale to 张三 2014-01-10, rate 80: 苹果 4 x 25,
//              paid 30, 小王 SKD20140115001 receipt of 20 from 张三 2014-01-15
//              XSD20140201001 sale to O'Neil 2014-02-01: 香蕉 0.5 x 6,
//              O'Brien's Tea
//                             1 x 42, paid 45, 小李
//              ZJD20140210001 expense 房租 1000, ZJD20140212001 income
//              利息 12.5 FKD20140301001 payment of 10 to 华丰 2014-03-01
#pragma once

#include <initializer_list>

#include "test_support/datavane_dll.h"

namespace reports {
namespace test {

class ReportShopTest : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override;
  // A row of the table, its values in the table's column order.
  void Insert(const char* table, std::initializer_list<const char*> values);
};

}  // namespace test
}  // namespace reports
