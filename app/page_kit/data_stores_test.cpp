// The data stores on the real Datavane.dll, a fresh database per test: Chinese
// names and quotes stored and read back unchanged; a refused write reported and a
// text the library's code page cannot hold refused before it is written; the
// forwarding seam failing the n-th write and nothing else; the per-account options
// row inserted, then updated; the catalog cache ordered by level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "account_options_store.h"
#include "catalog_cache.h"
#include "catalog_store.h"
#include "test_support/datavane_dll.h"
#include "test_support/forwarding_datavane.h"

namespace {

using pagekit::AccountOption;
using pagekit::CatalogStore;
using pagekit::CategoryEntry;
using pagekit::StoreResult;

// A character outside the GBK code page (Thai ko kai).
const wchar_t kNotGbk[] = L"\u0E01";

class DataStores : public pagekit::test::DatavaneDllTest {};

std::vector<std::wstring> Texts(const std::vector<CategoryEntry>& categories) {
  std::vector<std::wstring> texts;
  for (const CategoryEntry& c : categories) texts.push_back(c.name + L"<" + c.parent + L">" + std::to_wstring(c.level));
  return texts;
}

TEST_F(DataStores, CatalogTextsMakeTheRoundTrip) {
  CatalogStore store(data());
  for (const wchar_t* unit : {L"箱", L"瓶", L"O'Neil's 件"}) EXPECT_EQ(StoreResult::kDone, store.AddUnit(unit)) << unit;
  EXPECT_EQ((std::vector<std::wstring>{L"箱", L"瓶", L"O'Neil's 件"}), store.UnitNames());
  EXPECT_EQ(StoreResult::kDone, store.AddCategory({L"饮料", L"", 0}));
  EXPECT_EQ(StoreResult::kDone, store.AddCategory({L"碳酸'饮料", L"饮料", 1}));
  EXPECT_EQ((std::vector<std::wstring>{L"饮料<>0", L"碳酸'饮料<饮料>1"}), Texts(store.Categories()));
  EXPECT_EQ(StoreResult::kDone, store.DeleteUnit(L"O'Neil's 件"));
  EXPECT_EQ((std::vector<std::wstring>{L"箱", L"瓶"}), store.UnitNames());
  // A category goes with the categories directly under it.
  EXPECT_EQ(StoreResult::kDone, store.DeleteCategory(L"饮料"));
  EXPECT_TRUE(store.Categories().empty());
}

TEST_F(DataStores, RefusedWritesAreReported) {
  CatalogStore store(data());
  ASSERT_EQ(StoreResult::kDone, store.AddUnit(L"箱"));
  // The unit is the table's key.
  EXPECT_EQ(StoreResult::kDatabaseError, store.AddUnit(L"箱"));
  // Stored as question marks it could never be found again: nothing is written.
  EXPECT_EQ(StoreResult::kTextNotStorable, store.AddUnit(std::wstring(L"瓶") + kNotGbk));
  EXPECT_EQ(StoreResult::kTextNotStorable, store.AddCategory({L"饮料", kNotGbk, 1}));
  EXPECT_EQ(StoreResult::kTextNotStorable,
            pagekit::AccountOptionsStore(data()).Store(kNotGbk, AccountOption::kAutoRun, true));
  EXPECT_EQ(std::vector<std::wstring>{L"箱"}, store.UnitNames());
  EXPECT_TRUE(store.Categories().empty());
}

TEST_F(DataStores, TheSeamFailsTheNthWriteAlone) {
  pagekit::test::ForwardingDatavane seam(data());
  CatalogStore store(seam);
  seam.FailWrite(2);
  const struct {
    const wchar_t* unit;
    StoreResult result;
  } cases[] = {{L"箱", StoreResult::kDone}, {L"瓶", StoreResult::kDatabaseError}, {L"包", StoreResult::kDone}};
  for (const auto& c : cases) {
    // Reads between the writes are not counted.
    store.UnitNames();
    EXPECT_EQ(c.result, store.AddUnit(c.unit)) << c.unit;
  }
  EXPECT_EQ(3, seam.Writes());
  // The failed write never reached the library.
  EXPECT_EQ((std::vector<std::wstring>{L"箱", L"包"}), CatalogStore(data()).UnitNames());
  // Another code, and counting from now.
  seam.FailWrite(1, 2);
  EXPECT_EQ(StoreResult::kNotFound, store.DeleteUnit(L"箱"));
  EXPECT_EQ(StoreResult::kDone, store.DeleteUnit(L"包"));
  EXPECT_EQ(std::vector<std::wstring>{L"箱"}, CatalogStore(data()).UnitNames());
}

TEST_F(DataStores, AccountOptionsInsertTheRowThenUpdateIt) {
  pagekit::test::ForwardingDatavane seam(data());
  pagekit::AccountOptionsStore options(seam);
  EXPECT_FALSE(options.Read(L"老板").stored);

  EXPECT_EQ(StoreResult::kDone, options.Store(L"老板", AccountOption::kMinimiseOnClose, true));
  pagekit::AccountOptions read = options.Read(L"老板");
  EXPECT_TRUE(read.stored);
  EXPECT_TRUE(read.minimiseOnClose);
  EXPECT_FALSE(read.autoRun);

  EXPECT_EQ(StoreResult::kDone, options.Store(L"老板", AccountOption::kAutoRun, true));
  read = options.Read(L"老板");
  EXPECT_TRUE(read.autoRun);
  EXPECT_TRUE(read.minimiseOnClose);
  // Another account's row is its own.
  EXPECT_FALSE(options.Read(L"营业员").stored);

  // An update the library refuses is reported and changes nothing.
  seam.FailWrite(1);
  EXPECT_EQ(StoreResult::kDatabaseError, options.Store(L"老板", AccountOption::kAutoRun, false));
  EXPECT_TRUE(options.Read(L"老板").autoRun);
  EXPECT_EQ(StoreResult::kDone, options.Store(L"老板", AccountOption::kAutoRun, false));
  EXPECT_FALSE(options.Read(L"老板").autoRun);
}

TEST_F(DataStores, OptionValuesThatAreNoNumberCountAsOff) {
  std::vector<DataField> row = {MakeDataField("name", "营业员"), MakeDataField("autorun", "是"),
                                MakeDataField("exit_min", "1")};
  ASSERT_EQ(0, data().InsertRecord("tb_priority", &row));
  const pagekit::AccountOptions read = pagekit::AccountOptionsStore(data()).Read(L"营业员");
  EXPECT_TRUE(read.stored);
  EXPECT_FALSE(read.autoRun);
  EXPECT_TRUE(read.minimiseOnClose);
}

TEST_F(DataStores, CatalogCacheMeetsParentsBeforeTheirChildren) {
  CatalogStore store(data());
  // Stored child first: the library gives them in that order.
  ASSERT_EQ(StoreResult::kDone, store.AddCategory({L"可乐", L"碳酸饮料", 2}));
  ASSERT_EQ(StoreResult::kDone, store.AddCategory({L"碳酸饮料", L"饮料", 1}));
  ASSERT_EQ(StoreResult::kDone, store.AddCategory({L"饮料", L"", 0}));
  ASSERT_EQ(StoreResult::kDone, store.AddCategory({L"零食", L"", 0}));
  ASSERT_EQ(StoreResult::kDone, store.AddUnit(L"箱"));
  pagekit::CatalogCache cache;
  cache.ReloadCategories(store);
  cache.ReloadUnits(store);
  EXPECT_EQ((std::vector<std::wstring>{L"饮料<>0", L"零食<>0", L"碳酸饮料<饮料>1", L"可乐<碳酸饮料>2"}),
            Texts(cache.Categories()));
  EXPECT_EQ(std::vector<std::wstring>{L"箱"}, cache.UnitNames());
  ASSERT_NE(nullptr, cache.FindCategory(L"可乐"));
  EXPECT_EQ(L"碳酸饮料", cache.FindCategory(L"可乐")->parent);
  EXPECT_EQ(nullptr, cache.FindCategory(L"可"));
  // Reloading replaces what was read.
  ASSERT_EQ(StoreResult::kDone, store.DeleteCategory(L"零食"));
  cache.ReloadCategories(store);
  EXPECT_EQ(3u, cache.Categories().size());
}

}  // namespace
