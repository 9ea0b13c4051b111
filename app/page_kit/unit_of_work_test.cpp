// The scoped unit-of-work guard on the real Datavane.dll: what each shape of
// nested scopes stores (a table of scenarios, each adding units of measure), and
// the guard refusing when the thread's unit is not its own.
#include "unit_of_work.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "test_support/datavane_dll.h"

namespace pagekit {
namespace {

class UnitOfWorkTest : public test::DatavaneDllTest {
 protected:
  std::vector<std::string> StoredUnits() {
    std::vector<DataField> record = {MakeDataField("计量单位", "")};
    std::vector<std::vector<DataField>> rows;
    EXPECT_EQ(0, data().QueryRecords("J4_Product_Unit", &record, &rows));
    std::vector<std::string> units;
    for (const auto& row : rows) units.push_back(row[0].value);
    return units;
  }
};

void Add(KXPDatavane& data, const char* unit) { ASSERT_EQ(0, data.AddProductUnit(unit)); }

TEST_F(UnitOfWorkTest, WhatEachShapeOfScopesStores) {
  struct Case {
    const char* name;
    std::function<void(KXPDatavane&)> run;
    std::vector<std::string> stored;
  };
  const Case cases[] = {
      {"committed",
       [](KXPDatavane& d) {
         UnitOfWork unit(d);
         ASSERT_TRUE(unit.IsOpen());
         Add(d, "箱");
         EXPECT_TRUE(unit.Commit());
       },
       {"箱"}},
      {"left without Commit",
       [](KXPDatavane& d) {
         UnitOfWork unit(d);
         Add(d, "箱");
       },
       {}},
      {"inner and outer committed",
       [](KXPDatavane& d) {
         UnitOfWork outer(d);
         Add(d, "箱");
         {
           UnitOfWork inner(d);
           EXPECT_TRUE(inner.IsOpen());
           Add(d, "件");
           EXPECT_TRUE(inner.Commit());
         }
         EXPECT_TRUE(outer.Commit());
       },
       {"箱", "件"}},
      {"inner committed, outer left",
       [](KXPDatavane& d) {
         UnitOfWork outer(d);
         UnitOfWork inner(d);
         Add(d, "件");
         EXPECT_TRUE(inner.Commit());
       },
       {}},
      {"inner left without Commit spoils the outer",
       [](KXPDatavane& d) {
         UnitOfWork outer(d);
         Add(d, "箱");
         {
           UnitOfWork inner(d);
           Add(d, "件");
         }
         Add(d, "盒");
         EXPECT_FALSE(outer.Commit());
       },
       {}},
      {"an exception through both scopes",
       [](KXPDatavane& d) {
         try {
           UnitOfWork outer(d);
           Add(d, "箱");
           UnitOfWork inner(d);
           Add(d, "件");
           throw std::runtime_error("a step failed");
         } catch (const std::runtime_error&) {
         }
       },
       {}},
      {"a guard after the commit begins a unit of its own",
       [](KXPDatavane& d) {
         {
           UnitOfWork first(d);
           Add(d, "箱");
           EXPECT_TRUE(first.Commit());
         }
         UnitOfWork second(d);
         EXPECT_TRUE(second.IsOpen());
         Add(d, "件");
       },
       {"箱"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(0, data().DeleteProductUnit(nullptr));
    c.run(data());
    EXPECT_EQ(c.stored, StoredUnits());
    // Whatever the scopes did, no unit is left open on the thread.
    EXPECT_EQ(-1, data().RollbackWork());
  }
}

// A unit that no guard began (the library's own slot called directly) is not
// joined: the guard cannot know whether its owner will commit.
TEST_F(UnitOfWorkTest, RefusedWhileTheThreadHasAUnitNoGuardBegan) {
  ASSERT_EQ(0, data().BeginWork());
  {
    UnitOfWork unit(data());
    EXPECT_FALSE(unit.IsOpen());
    Add(data(), "箱");
    EXPECT_FALSE(unit.Commit());
  }
  // The direct unit is still open and still its owner's to end.
  EXPECT_EQ(0, data().CommitWork());
  EXPECT_EQ(std::vector<std::string>{"箱"}, StoredUnits());
}

}  // namespace
}  // namespace pagekit
