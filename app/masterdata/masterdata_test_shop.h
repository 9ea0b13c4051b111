// The shop the master data tests run on, on the real Datavane.dll: a fresh
// database per test with a small category tree, a few products with units and
// costs, and parties; and dumps of the tables a master data save may touch, to
// see that a refused or failed save changed nothing.
//
// Categories: 食品 (0) > 水果 (1) > 热带水果 (2); 饮料 (0).
// Products: 苹果 (水果, 斤, stock 10), 芒果 (热带水果, 个, stock 0),
//           可乐 (饮料, 瓶, stock -2, business unit 箱 of 24), 面包 (食品, 个, stock 5).
// Parties: the three built-in ones and 张三商行 (客户, balance 100.00).
#pragma once

#include <string>

#include "test_support/datavane_dll.h"
#include "masterdata_records.h"

namespace masterdata {
namespace test {

class MasterdataShopTest : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override;

  // Every row of the table, each as "v1|v2|...", sorted, one per line.
  std::string Dump(const char* table);
  // The dumps of every table a master data save writes.
  std::string DumpAll();
  // The stored row of that key with all the table's columns (empty when none).
  Record StoredRow(const char* table, const char* keyColumn, const std::string& key);
  // One column of that row.
  std::string StoredValue(const char* table, const char* keyColumn, const std::string& key, const char* column);
  // A sales or purchase bill posted for a product: its stock moves by the quantity.
  void PostBill(const char* number, const char* product, const char* quantity);
};

}  // namespace test
}  // namespace masterdata
