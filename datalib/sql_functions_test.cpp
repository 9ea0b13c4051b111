// Hanzi2Pinyin and Discount2Actual, directly and as SQL functions.
#include "sql_functions.h"

#include <gtest/gtest.h>

#include "test_support/test_database.h"

namespace {

TEST(SqlFunctions, PinyinInitials) {
  struct Case {
    const char* text;
    const char* initials;
  };
  const Case cases[] = {
      {"中国", "zg"},   {"学生", "xs"},  // 学 lies in the upper end of the "x" range
      {"所", "s"},                       // the last "s" character
      {"他", "t"},      {"压", "y"},       {"阿", "a"},
      {"座", "z"},      {"苹果汁", "pgz"}, {"a中国", ""},  // a text starting with ASCII gives nothing
      {"中国A", "zg"},                                     // stops at the first pair that is not a character
      {"中国亍", "zg"},                                    // level-2 character ends the initials
      {"中", "z"},      {"", ""},          {"x", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.initials, Hanzi2Pinyin(c.text)) << c.text;
  EXPECT_EQ(0, PinyinInitialOf(0xD7FA));
  EXPECT_EQ('s', PinyinInitialOf(0xCBF9));
  EXPECT_EQ('x', PinyinInitialOf(0xD1B8));
}

TEST(SqlFunctions, DiscountToActual) {
  struct Case {
    const char* amount;
    const char* rate;
    const char* actual;
  };
  const Case cases[] = {
      {"90", "90", "100.00"}, {"50", "0", ""}, {"45.5", "70", "65.00"},
      {"abc", "50", "0.00"},  {"50", "", ""},  {"12345678.9", "100", "12345678.90"},
      {"0.1", "3", "3.33"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, Discount2Actual(c.amount, c.rate)) << c.amount << " " << c.rate;
}

class SqlFunctionsOnConnection : public DatabaseTest {};

TEST_F(SqlFunctionsOnConnection, RegisteredFunctionsAnswerInSql) {
  CppSQLite3DB db;
  db.open(data_->connectionSettings());
  RegisterHanzi2Pinyin(db);
  RegisterDiscount2Actual(db);
  struct Case {
    const char* sql;
    const char* result;
  };
  const Case cases[] = {
      {"select Hanzi2Pinyin('中国')", "zg"},
      {"select Hanzi2Pinyin(NULL) is null", "1"},
      {"select Hanzi2Pinyin(12) is null", "1"},
      {"select Discount2Actual('90','90')", "100.00"},
      {"select Discount2Actual('50','0')", ""},
      {"select Discount2Actual(90, 90) is null", "1"},
      {"select Hanzi2Pinyin(客户名称) from J4_Customer_Data where 客户名称='零售客户'", "lskh"},
  };
  for (const Case& c : cases) {
    CppSQLite3Query q = db.execQuery(c.sql);
    ASSERT_FALSE(q.eof()) << c.sql;
    EXPECT_EQ(c.result, q.fieldValue(0)) << c.sql;
  }
}

}  // namespace
