// Statement text from field records: exact texts, as stored callers depend on them.
#include "statement_builder.h"

#include <gtest/gtest.h>

#include "test_support/data_fields.h"

namespace {

struct SelectCase {
  const char* what;
  std::vector<DataField> record;
  bool withOrdering;
  const char* sql;
};

TEST(StatementBuilder, SelectStatements) {
  const SelectCase cases[] = {
      {"columns only", {Field("a", ""), Field("b", "")}, true, "select a,b from T"},
      {"one condition", {Field("a", "x")}, true, "select a from T where  a='x' "},
      {"and / or connectors", {Field("A", "x"), Field("B", "y", 1)}, true, "select A,B from T where  A='x'  or B='y'"},
      {"like connector", {Field("A", "x"), Field("B", "y", 2)}, true, "select A,B from T where  A='x'  like B='y'"},
      {"first condition ignores its code", {Field("A", "x", 1)}, true, "select A from T where  A='x' "},
      {"unknown code joins without connector",
       {Field("A", "x"), Field("B", "y", 9)},
       true,
       "select A,B from T where  A='x'   B='y'"},
      {"hidden condition not selected", {Field("a", ""), Field("k", "1", 0, 1)}, true, "select a from T where  k='1' "},
      {"hidden tests its low byte only", {Field("a", ""), Field("b", "", 0, 256)}, true, "select a,b from T"},
      {"not-equal connector", {Field("A", "x"), Field("B", "y", 3)}, true, "select A,B from T where  A='x'  != B='y'"},
      {"ordering field with a value is also a condition",
       {Field("a", "x"), Field("d", "y", 4)},
       true,
       "select a,d from T where  a='x'   d='y'  order by d desc  limit 0,1"},
      {"two orderings follow each other",
       {Field("a", "", 4), Field("b", "", 5)},
       true,
       "select a,b from T  order by a desc order by b asc  limit 0,1"},
      {"op written as given", {Field("a", "5", 0, 0, ">=")}, true, "select a from T where  a>='5' "},
      {"like op", {Field("a", "%x%", 0, 0, " like ")}, true, "select a from T where  a like '%x%' "},
      {"order desc", {Field("a", ""), Field("d", "", 4)}, true, "select a,d from T  order by d desc  limit 0,1"},
      {"order asc with condition",
       {Field("d", "", 5), Field("k", "v", 0, 1)},
       true,
       "select d from T where  k='v'   order by d asc  limit 0,1"},
      {"ordering dropped for callback queries", {Field("a", ""), Field("d", "", 4)}, false, "select a,d from T"},
      {"raw first", {Field("a", ""), Field("x>1", ".", 0, 1, "", 2)}, true, "select a from T where  x>1 "},
      {"raw later",
       {Field("a", "1"), Field("b like 'q%'", ".", 1, 1, "", 2)},
       true,
       "select a from T where  a='1'  or b like 'q%'"},
      {"raw keeps its quotes",
       {Field("Hanzi2Pinyin(n)", ".", 0, 1, " like 'z%'", 2)},
       true,
       "select  from T where  Hanzi2Pinyin(n) like 'z%' "},
      {"quotes doubled", {Field("n", "O'Brien's")}, true, "select n from T where  n='O''Brien''s' "},
      {"injection stays a value", {Field("n", "x' or '1'='1")}, true, "select n from T where  n='x'' or ''1''=''1' "},
      // A half character would swallow the quote after it when the text goes to UTF-8.
      {"lead byte before a quote", {Field("n", "\x81' or 1=1 --")}, true, "select n from T where  n='?'' or 1=1 --' "},
      {"lead byte at the end", {Field("n", "甲\x81")}, true, "select n from T where  n='甲?' "},
      {"whole characters kept", {Field("n", "中'国")}, true, "select n from T where  n='中''国' "},
      {"number first",
       {Field("q", "2.5", 0, 0, "=", 1)},
       true,
       "select q from T where  q='2.5'  and q='2.50'  and q='2'  and q not like '2.0'  "},
      {"number later",
       {Field("a", "x"), Field("q", "3", 1, 0, "!=", 1)},
       true,
       "select a,q from T where  a='x'  or  (q!='3.00' and q!='3' and q not like '3.0' and q!='3' )"},
      {"number keeps large amounts exact",
       {Field("q", "12345678.91", 0, 0, "=", 1)},
       true,
       "select q from T where  q='12345678.91'  and q='12345678.91'  and q='12345678'  and q not like '12345678.0'  "},
  };
  for (const SelectCase& c : cases) {
    EXPECT_EQ(c.sql, BuildSelectStatement("T", c.record, c.withOrdering)) << c.what;
  }
}

TEST(StatementBuilder, InsertUpdateDelete) {
  EXPECT_EQ("insert into T values('a','b');", BuildInsertStatement("T", {Field("x", "a"), Field("y", "b")}, 2));
  EXPECT_EQ("insert into T values('a','b','');", BuildInsertStatement("T", {Field("x", "a"), Field("y", "b")}, 3));
  EXPECT_EQ("insert into T values('a','','','');", BuildInsertStatement("T", {Field("x", "a")}, 4));
  EXPECT_EQ("insert into T values('O''Brien''s');", BuildInsertStatement("T", {Field("x", "O'Brien's")}, 1));

  EXPECT_EQ("update T set  a='1', b='2'  where  k='x' ",
            BuildUpdateStatement("T", {Field("a", "1"), Field("b", "2")}, {Field("k", "x")}));
  EXPECT_EQ("update T set  a=''  where  k='x'  and j='y' ",
            BuildUpdateStatement("T", {Field("a", "")}, {Field("k", "x"), Field("j", "y")}));
  EXPECT_EQ("update T set  a='1' ", BuildUpdateStatement("T", {Field("a", "1")}, {}));
  EXPECT_EQ("update T set  a='it''s'  where  k='x'' or ''1''=''1' ",
            BuildUpdateStatement("T", {Field("a", "it's")}, {Field("k", "x' or '1'='1")}));

  EXPECT_EQ("delete from T where k='x';", BuildDeleteStatement("T", {Field("k", "x")}));
  EXPECT_EQ("delete from T where k='x' and j='';", BuildDeleteStatement("T", {Field("k", "x"), Field("j", "")}));
  EXPECT_EQ("delete from T where k='x'' or ''1''=''1';", BuildDeleteStatement("T", {Field("k", "x' or '1'='1")}));
}

TEST(StatementBuilder, LongTextsAreNotCut) {
  const std::string longValue(5000, 'v');
  const std::string sql = BuildInsertStatement("T", {Field("x", longValue.c_str())}, 1);
  EXPECT_EQ("insert into T values('" + longValue + "');", sql);
}

}  // namespace
