// The master data lists' conditions: their texts, and what they find in the
// test shop's products and parties through the real library (pinyin initials by
// its Hanzi2Pinyin).
#include <gtest/gtest.h>

#include <algorithm>

#include "list_conditions.h"
#include "list_filters.h"
#include "masterdata_test_shop.h"

namespace masterdata {
namespace {

using test::MasterdataShopTest;

TEST(ListFilters, ConditionTexts) {
  struct Case {
    const char* search;
    const char* category;
    std::vector<std::string> under;
    const char* condition;
  };
  const Case cases[] = {
      {"", "", {}, ""},
      {"", "水果", {}, "(商品类别 = '水果')"},
      {"", "水果", {"热带水果", "温带"}, "(商品类别 = '水果' or 商品类别 in ('热带水果', '温带'))"},
      {"pg",
       "",
       {},
       "((商品名称 like '%pg%' or Hanzi2Pinyin(商品名称) like '%pg%') or (商品类别 like '%pg%' or "
       "Hanzi2Pinyin(商品类别) like '%pg%'))"},
      {"a'b",
       "it's",
       {"x'y"},
       "((商品类别 = 'it''s' or 商品类别 in ('x''y')) and ((商品名称 like '%a''b%' or Hanzi2Pinyin(商品名称) like "
       "'%a''b%') or (商品类别 like '%a''b%' or Hanzi2Pinyin(商品类别) like '%a''b%')))"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.condition, ProductListCondition(c.search, c.category, c.under));
  EXPECT_EQ("", PartyListCondition("客户名称", ""));
  EXPECT_EQ(
      "(供应商名称 = 'O''K' or 联系人 = 'O''K' or 电话 = 'O''K' or (供应商名称 like '%O''K%' or "
      "Hanzi2Pinyin(供应商名称) like '%O''K%'))",
      PartyListCondition("供应商名称", "O'K"));
}

void CollectName(intptr_t context, std::vector<DataField>* row) {
  reinterpret_cast<std::vector<std::string>*>(context)->push_back(row->front().value);
}

// The names a condition finds in the view, streamed as the lists are (the pinyin
// function is the streaming query's), sorted.
std::string Found(KXPDatavane& data, const char* view, const char* column, const std::string& condition) {
  Record record = {Column(column)};
  if (!condition.empty()) record.push_back(pagekit::RawCondition(condition));
  std::vector<std::string> found;
  EXPECT_EQ(0, data.QueryRecordsCallback(view, reinterpret_cast<intptr_t>(&found), &record, &CollectName)) << condition;
  std::sort(found.begin(), found.end());
  std::string names;
  for (const std::string& name : found) names += name + " ";
  return names;
}

// The names of a case, sorted as Found sorts them.
std::string Sorted(const char* names) {
  std::vector<std::string> words;
  std::string word;
  for (const char* c = names; *c != '\0'; ++c) {
    if (*c != ' ') {
      word += *c;
      continue;
    }
    words.push_back(word);
    word.clear();
  }
  std::sort(words.begin(), words.end());
  std::string sorted;
  for (const std::string& w : words) sorted += w + " ";
  return sorted;
}

TEST_F(MasterdataShopTest, ProductConditionsFindByNameInitialsAndCategory) {
  Record odd = {Value("商品名称", "O'Neil"), Value("商品类别", "it's"), Value("计量单位", "个")};
  ASSERT_EQ(0, data().InsertRecord("J4_Product_Data", &odd));
  struct Case {
    const char* search;
    const char* category;
    const char* found;
  };
  const Case cases[] = {
      {"", "", "苹果 芒果 可乐 面包 O'Neil "},
      {"pg", "", "苹果 "},       // 苹果's initials
      {"sg", "", "苹果 芒果 "},  // 水果 and 热带水果's initials
      {"果", "", "苹果 芒果 "},
      {"", "食品", "苹果 面包 "},  // 水果 directly under it; 热带水果 is deeper
      {"", "水果", "苹果 芒果 "},  // itself and 热带水果 directly under it
      {"", "热带水果", "芒果 "},
      {"mg", "水果", "芒果 "},  // category and search text both hold
      {"kl", "水果", ""},
      {"O'N", "", "O'Neil "},
      {"", "it's", "O'Neil "},
  };
  for (const Case& c : cases) {
    const std::string condition = ProductListCondition(c.search, c.category, SubCategories(data(), c.category));
    EXPECT_EQ(Sorted(c.found), Found(data(), "J4_V_Product_Inventory", "商品名称", condition))
        << c.search << "/" << c.category;
  }
}

TEST_F(MasterdataShopTest, PartyConditionFindsByNameContactPhoneAndInitials) {
  struct Case {
    const char* search;
    const char* found;
  };
  const Case cases[] = {
      {"13800000000", "张三商行 "}, {"1380000", ""},       {"张三", "张三商行 "},
      {"zss", "张三商行 "},         {"lskh", "零售客户 "}, {"客户", "零售客户 批发客户 "},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Sorted(c.found),
              Found(data(), "J4_V_Customer_Receivable", "客户名称", PartyListCondition("客户名称", c.search)))
        << c.search;
}

}  // namespace
}  // namespace masterdata
