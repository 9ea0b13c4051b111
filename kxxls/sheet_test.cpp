// The in-memory sheet: counts follow the last non-empty cell, merges never
// overlap, and a cell's text stops at the spreadsheet limit without splitting a
// character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet.h"

namespace {

TEST(Sheet, CountsFollowTheLastNonEmptyCell) {
  Sheet sheet;
  EXPECT_TRUE(sheet.SetText(4, 3, L"far"));
  EXPECT_TRUE(sheet.SetText(1, 0, L"near"));
  EXPECT_EQ(5, sheet.RowCount());
  EXPECT_EQ(4, sheet.ColumnCount());
  bool changed = false;
  EXPECT_TRUE(sheet.SetText(4, 3, L"", &changed));
  EXPECT_TRUE(changed);
  EXPECT_EQ(2, sheet.RowCount());
  EXPECT_EQ(1, sheet.ColumnCount());
  EXPECT_TRUE(sheet.SetText(1, 0, L"near", &changed));
  EXPECT_FALSE(changed);
  EXPECT_FALSE(sheet.SetText(-1, 0, L"x"));
  EXPECT_FALSE(sheet.SetText(0, Sheet::kMaxColumns, L"x"));
  EXPECT_FALSE(sheet.SetText(Sheet::kMaxRows, 0, L"x"));
  EXPECT_EQ(1u, sheet.CellCount());
}

TEST(Sheet, MergesReplaceTheOnesTheyOverlap) {
  struct Step {
    CellRange range;
    bool changes;
  } steps[] = {
      {{0, 1, 0, 0}, true},   // A1:A2
      {{1, 0, 0, 0}, false},  // the same, corners swapped
      {{0, 0, 2, 3}, true},   // C1:D1
      {{3, 3, 3, 3}, false},  // one cell is no merge
      {{0, 2, 3, 4}, true},   // D1:E3 overlaps C1:D1, which goes
  };
  Sheet sheet;
  for (const Step& s : steps) EXPECT_EQ(s.changes, sheet.Merge(s.range));
  EXPECT_EQ((std::vector<CellRange>{{0, 1, 0, 0}, {0, 2, 3, 4}}), sheet.Merges());
}

TEST(Sheet, TextStopsAtTheCellLimitBetweenCharacters) {
  Sheet sheet;
  sheet.SetText(0, 0, std::wstring(40000, L'x'));
  EXPECT_EQ(Sheet::kMaxTextLength, sheet.Text(0, 0).size());
  // A supplementary character straddling the limit is dropped whole.
  std::wstring text(Sheet::kMaxTextLength - 1, L'y');
  text += L"\U0001F600";
  sheet.SetText(0, 1, text);
  EXPECT_EQ(Sheet::kMaxTextLength - 1, sheet.Text(0, 1).size());
}

}  // namespace
