// Side-bar items, the category tree and the units.
#include <gtest/gtest.h>

#include <cstring>

#include "test_support/test_database.h"

namespace {

class Catalog : public DatabaseTest {
 protected:
  std::vector<std::string> Categories() {
    std::vector<std::string> rows;
    for (auto& row : Rows("select 商品类别, 上级类别, 级别 from J4_Product_Type order by 商品类别"))
      rows.push_back(row[0] + "<" + row[1] + ":" + row[2]);
    return rows;
  }
};

TEST_F(Catalog, SideBarItemsAreReplacedByName) {
  EXPECT_EQ(0, data_->AddSideBarItem("销售单", "a.png", "开单"));
  EXPECT_EQ(0, data_->AddSideBarItem("进货单", "b.png", "进货"));
  EXPECT_EQ(0, data_->AddSideBarItem("销售单", "c.png", "O'Brien's"));
  EXPECT_EQ(-1, data_->AddSideBarItem(nullptr, "x", "y"));
  std::vector<SideBarItem> items;
  EXPECT_EQ(0, data_->GetSideBarItems(&items, "销售单"));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ("c.png", items[0].image);
  EXPECT_EQ("O'Brien's", items[0].tip);
  EXPECT_EQ(0, data_->GetSideBarItems(&items, nullptr));
  EXPECT_EQ(0, data_->GetSideBarItems(&items, nullptr));
  EXPECT_EQ(5u, items.size());  // appended each time
  EXPECT_EQ(0, data_->AddSideBarItem("O'Neil's", "d.png", ""));
  items.clear();
  EXPECT_EQ(0, data_->GetSideBarItems(&items, "O'Neil's"));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ("O'Neil's", items[0].name);
  EXPECT_EQ(0, data_->GetSideBarItems(&items, "x' or '1'='1"));
  EXPECT_EQ(1u, items.size());
  EXPECT_EQ(0, data_->DeleteSideBarItem("O'Neil's"));
  EXPECT_EQ(0, data_->DeleteSideBarItem("进货单"));
  EXPECT_EQ(0, data_->DeleteSideBarItem("x' or '1'='1"));
  EXPECT_EQ("1", Value("select count(*) from J4_Sys_SideBar_Item"));
  EXPECT_EQ(0, data_->DeleteSideBarItem(nullptr));
  EXPECT_EQ("0", Value("select count(*) from J4_Sys_SideBar_Item"));
}

TEST_F(Catalog, ReAddingAnItemThatCannotBeStoredKeepsTheOldOne) {
  EXPECT_EQ(0, data_->AddSideBarItem("销售单", "a.png", "开单"));
  Exec(
      "create trigger refuse before insert on J4_Sys_SideBar_Item when new.image='bad' "
      "begin select raise(abort, 'refused'); end");
  EXPECT_EQ(1, data_->AddSideBarItem("销售单", "bad", "x"));
  EXPECT_EQ("a.png", Value("select image from J4_Sys_SideBar_Item where name='销售单'"));
}

TEST_F(Catalog, AddingAnExistingCategoryKeepsItsSubCategories) {
  ASSERT_EQ(0, data_->AddProductType("食品", "", 0));
  ASSERT_EQ(0, data_->AddProductType("水果", "食品", 1));
  ASSERT_EQ(0, data_->AddProductType("蔬菜", "食品", 1));
  ASSERT_EQ(0, data_->AddProductType("苹果", "水果", 2));
  ASSERT_EQ(0, data_->AddProductType("白菜", "蔬菜", 2));
  EXPECT_EQ(0, data_->AddProductType("食品", "商品", 1));
  EXPECT_EQ((std::vector<std::string>{"水果<食品:1", "白菜<蔬菜:2", "苹果<水果:2", "蔬菜<食品:1", "食品<商品:1"}),
            Categories());
}

TEST_F(Catalog, DeletingACategoryTakesItsDirectSubCategories) {
  ASSERT_EQ(0, data_->AddProductType("食品", "", 0));
  ASSERT_EQ(0, data_->AddProductType("水果", "食品", 1));
  ASSERT_EQ(0, data_->AddProductType("苹果", "水果", 2));
  ASSERT_EQ(0, data_->AddProductType("工具", "", 0));
  EXPECT_EQ(0, data_->DeleteProductType("食品"));
  EXPECT_EQ((std::vector<std::string>{"工具<:0", "苹果<水果:2"}), Categories());
  EXPECT_EQ(0, data_->DeleteProductType(nullptr));
  EXPECT_TRUE(Categories().empty());
}

struct TypeRow {
  std::vector<std::string> texts;
};

void CollectType(intptr_t context, const char* category, const char* parent, const char* level) {
  reinterpret_cast<TypeRow*>(context)->texts.push_back(std::string(category) + "|" + parent + "|" + level);
}

TEST_F(Catalog, CategoriesAreStreamedAndLookedUp) {
  ASSERT_EQ(0, data_->AddProductType("O'Neil", "", 0));
  ASSERT_EQ(0, data_->AddProductType("水果", "O'Neil", 1));
  TypeRow collected;
  EXPECT_EQ(0, data_->GetProductTypes(reinterpret_cast<intptr_t>(&collected), CollectType));
  EXPECT_EQ((std::vector<std::string>{"O'Neil||0", "水果|O'Neil|1"}), collected.texts);

  char parent[KXP_TEXT_BUFFER_SIZE] = "untouched";
  int level = 42;
  EXPECT_EQ(2, data_->GetProductType("没有", parent, &level));
  EXPECT_STREQ("untouched", parent);
  EXPECT_EQ(42, level);
  EXPECT_EQ(0, data_->GetProductType("水果", parent, &level));
  EXPECT_STREQ("O'Neil", parent);
  EXPECT_EQ(1, level);
  EXPECT_EQ(1, data_->GetProductType(nullptr, parent, &level));

  const std::string longParent(400, 'p');
  ASSERT_EQ(0, data_->AddProductType("长", longParent.c_str(), 3));
  char bounded[KXP_TEXT_BUFFER_SIZE + 4];
  std::memset(bounded, '#', sizeof bounded);
  EXPECT_EQ(0, data_->GetProductType("长", bounded, &level));
  EXPECT_EQ(std::string(127, 'p'), std::string(bounded));
  EXPECT_EQ('#', bounded[KXP_TEXT_BUFFER_SIZE]);

  EXPECT_EQ(0, data_->DeleteProductType("x' or '1'='1"));
  EXPECT_EQ(3u, Categories().size());
  EXPECT_EQ(0, data_->DeleteProductType("O'Neil"));  // with its sub-category
  EXPECT_EQ((std::vector<std::string>{"长<" + longParent + ":3"}), Categories());
}

TEST_F(Catalog, Units) {
  EXPECT_EQ(0, data_->AddProductUnit("个"));
  EXPECT_EQ(1, data_->AddProductUnit("个"));
  EXPECT_EQ(0, data_->AddProductUnit("O'z"));
  EXPECT_EQ(-1, data_->AddProductUnit(nullptr));
  EXPECT_EQ(0, data_->DeleteProductUnit("O'z"));
  EXPECT_EQ("1", Value("select count(*) from J4_Product_Unit"));
  EXPECT_EQ(0, data_->AddProductUnit("箱"));
  EXPECT_EQ(0, data_->DeleteProductUnit(nullptr));
  EXPECT_EQ("0", Value("select count(*) from J4_Product_Unit"));
}

}  // namespace
