// All or nothing: each multi-record master data save run with the n-th of its
// writes failing, n = 1, 2, ... until it gets through; every failing run answers
// "not saved" and leaves the tables exactly as they were.
#include <gtest/gtest.h>

#include <functional>

#include "account_item_save.h"
#include "category_edit.h"
#include "test_support/forwarding_datavane.h"
#include "masterdata_test_shop.h"
#include "price_save.h"
#include "product_save.h"

namespace masterdata {
namespace {

using test::MasterdataShopTest;

class MasterdataAtomicityTest : public MasterdataShopTest {
 protected:
  // Runs the save with write 1, 2, ... failing; `save` answers whether it stored.
  // The number of writes of the run that got through.
  int FailEachWrite(const char* label, const std::function<bool(KXPDatavane&)>& save) {
    const std::string before = DumpAll();
    for (int n = 1; n < 30; ++n) {
      pagekit::test::ForwardingDatavane failing(data());
      failing.FailWrite(n);
      const bool saved = save(failing);
      if (failing.Writes() < n) {
        EXPECT_TRUE(saved) << label << ": the run without a failure";
        EXPECT_NE(before, DumpAll()) << label;
        return failing.Writes();
      }
      EXPECT_FALSE(saved) << label << ": write " << n << " failed";
      EXPECT_EQ(before, DumpAll()) << label << ": write " << n << " failed";
    }
    ADD_FAILURE() << label << " never got through";
    return 0;
  }
};

TEST_F(MasterdataAtomicityTest, ProductSaveRenamedWithUnitsAndCost) {
  ProductSaveInput input;
  input.editing = StoredRow("J4_Product_Data", "商品名称", "可乐");
  input.form.name = L"百事可乐";
  input.form.category = L"饮料";
  input.form.unit = L"听";  // not registered yet
  input.form.currentStock = L"-2";
  input.form.businessUnit = L"件";
  input.form.rate = L"12";
  input.form.cost = L"1.5";
  input.user = L"老板";
  // Carry the name (2), business unit (2), the unit, the product, the cost (2).
  EXPECT_EQ(8, FailEachWrite("product", [&](KXPDatavane& d) { return SaveProduct(d, input).saved; }));
}

TEST_F(MasterdataAtomicityTest, PriceSaveMovingOntoAStoredPair) {
  for (PriceBook book : {PriceBook::kTrade, PriceBook::kContract}) {
    ASSERT_TRUE(SavePrice(data(), {book, L"张三商行", L"苹果", L"斤", L"3", {}}).saved);
    ASSERT_TRUE(SavePrice(data(), {book, L"批发客户", L"苹果", L"斤", L"2", {}}).saved);
    const PriceBookNames& names = NamesOf(book);
    Record opened = {Value(names.partyColumn, "张三商行"), Value("商品名称", "苹果"), Value("单位", "斤"),
                     Value(names.priceColumn, "3.00")};
    EXPECT_EQ(2, FailEachWrite("price", [&](KXPDatavane& d) {
                return SavePrice(d, {book, L"批发客户", L"苹果", L"斤", L"4", opened}).saved;
              }));
  }
}

TEST_F(MasterdataAtomicityTest, AccountItemSaveRenamed) {
  ASSERT_TRUE(SaveAccountItem(data(), {L"房租", L"支出", L""}).saved);
  ASSERT_TRUE(SaveAccountItem(data(), {L"租金", L"收入", L""}).saved);
  EXPECT_EQ(3, FailEachWrite("item", [&](KXPDatavane& d) {
              return SaveAccountItem(d, {L"租金", L"支出", L"房租"}).saved;
            }));
}

TEST_F(MasterdataAtomicityTest, CategoryRenameWithChildrenProductsAndLevels) {
  // Row, children, products, the level of 热带水果 (1 under 鲜果 at the top).
  EXPECT_EQ(4, FailEachWrite("category", [&](KXPDatavane& d) {
              return RenameCategory(d, L"水果", {L"鲜果", L""}) == CategoryStatus::kSaved;
            }));
}

TEST_F(MasterdataAtomicityTest, BatchDeleteAndChange) {
  EXPECT_EQ(3, FailEachWrite("change", [&](KXPDatavane& d) {
              return ChangeProductsCategory(d, {L"苹果", L"芒果", L"面包"}, L"饮料");
            }));
  EXPECT_EQ(2, FailEachWrite("delete", [&](KXPDatavane& d) { return DeleteProducts(d, {L"苹果", L"芒果"}); }));
}

}  // namespace
}  // namespace masterdata
