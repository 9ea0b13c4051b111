// Program cell names and spreadsheet references: what lands where, and what is
// refused.
#include <gtest/gtest.h>

#include "cell_name.h"

namespace {

TEST(CellName, ProgramNames) {
  struct Case {
    const wchar_t* name;
    bool ok;
    int row, column;
  } cases[] = {
      {L"A1", true, 0, 0},   {L"C2", true, 1, 2},   {L"Z65536", true, 65535, 25}, {L"B10", true, 9, 1},
      {L"", false, 0, 0},    {L"A", false, 0, 0},   {L"A0", false, 0, 0},         {L"1A", false, 0, 0},
      {L"AA1", false, 0, 0}, {L"[1", false, 0, 0},  {L"a1", false, 0, 0},         {L"A01", false, 0, 0},
      {L"A1 ", false, 0, 0}, {L"A-1", false, 0, 0}, {L"A65537", false, 0, 0},     {L"A99999999999", false, 0, 0},
  };
  for (const Case& c : cases) {
    int row = -7, column = -7;
    EXPECT_EQ(c.ok, ParseCellName(c.name, 65536, &row, &column)) << c.name;
    if (c.ok) {
      EXPECT_EQ(c.row, row) << c.name;
      EXPECT_EQ(c.column, column) << c.name;
    } else {
      EXPECT_EQ(-7, row) << c.name;
    }
  }
}

TEST(CellName, SpreadsheetReferences) {
  struct Case {
    int row, column;
    const char* ref;
  } cases[] = {{0, 0, "A1"}, {9, 25, "Z10"}, {0, 26, "AA1"}, {4, 255, "IV5"}, {1048575, 16383, "XFD1048576"}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.ref, CellReference(c.row, c.column));
    int row, column;
    ASSERT_TRUE(ParseCellReference(c.ref, 1048576, 16384, &row, &column)) << c.ref;
    EXPECT_EQ(c.row, row);
    EXPECT_EQ(c.column, column);
  }
  int row, column;
  EXPECT_TRUE(ParseCellReference("$B$3", 100, 100, &row, &column));
  EXPECT_EQ(2, row);
  for (const char* bad : {"", "A", "1", "A0", "XFE1", "A1048577", "AAAA1", "A1B", "a1"})
    EXPECT_FALSE(ParseCellReference(bad, 1048576, 16384, &row, &column)) << bad;
}

}  // namespace
