// Books written through the library and read back by it, as .xls and as .xlsx:
// every text where it was set, numbers as their shortest decimal, merges kept.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "book_table.h"
#include "sheet.h"
#include "test_support.h"
#include "workbook_file.h"

namespace {

struct CellCase {
  std::wstring cell;
  std::wstring text;
  std::wstring readBack;  // empty: the same as `text`
};

struct BookCase {
  const char* name;
  std::vector<CellCase> cells;
  std::vector<std::pair<std::wstring, std::wstring>> merges;
  std::vector<CellRange> expectedMerges;
  int rows, columns;
};

std::wstring Name(int column, int row) { return std::wstring(1, static_cast<wchar_t>(L'A' + column)) + std::to_wstring(row); }

std::vector<BookCase> Cases() {
  std::vector<BookCase> cases;
  cases.push_back({"chinese_text",
                   {{L"A1", L"商品名称"}, {L"B1", L"计量单位"}, {L"A2", L"可口可乐 330ml"}, {L"B2", L"瓶"},
                    {L"C3", L"€ © “引号” \U0001F600 末尾"}},
                   {}, {}, 3, 3});
  cases.push_back({"numbers_and_codes",
                   {{L"A1", L"3"}, {L"B1", L"12.50", L"12.5"}, {L"C1", L"-0.001"}, {L"D1", L"007"},
                    {L"E1", L"1234567890123456"}, {L"F1", L"XSD20240101001"}, {L"G1", L"1e5"},
                    {L"H1", L"-0"}, {L"I1", L"123456789012345"}, {L"J1", L"0.30", L"0.3"}, {L"K1", L"12.5"}},
                   {}, {}, 1, 11});
  cases.push_back({"empty_cells_and_gaps",
                   {{L"B2", L"x"}, {L"E7", L"y"}, {L"A9", L""}, {L"C3", L"gone"}, {L"C3", L"", L""}},
                   {}, {}, 7, 5});
  cases.push_back({"merges",
                   {{L"A1", L"编号"}, {L"C1", L"期初结存"}, {L"E1", L"日常进货"}},
                   {{L"A1", L"A2"}, {L"D1", L"C1"}, {L"E1", L"F1"}, {L"B5", L"B5"}, {L"E1", L"G3"}},
                   {{0, 1, 0, 0}, {0, 0, 2, 3}, {0, 2, 4, 6}}, 1, 5});
  // More distinct strings than one record holds, and one string longer than a record,
  // so the shared string table continues in CONTINUE records, some mid-string.
  BookCase big{"long_string_table", {}, {}, {}, 0, 0};
  for (int r = 1; r <= 1500; ++r) {
    big.cells.push_back({Name(0, r), L"商品" + std::to_wstring(r)});
    big.cells.push_back({Name(1, r), L"item " + std::to_wstring(r * 7)});
  }
  std::wstring longText;
  for (int i = 0; i < 6000; ++i) longText += static_cast<wchar_t>(i % 3 ? L'a' + i % 26 : 0x4E00 + i % 500);
  big.cells.push_back({L"C1501", longText});
  big.rows = 1501;
  big.columns = 3;
  cases.push_back(big);
  return cases;
}

class RoundTrip : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(RoundTrip, EveryCaseReadsBack) {
  const std::wstring extension = GetParam();
  ScratchFolder folder;
  for (const BookCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const std::wstring path = folder.File(std::wstring(c.name, c.name + std::strlen(c.name)) + extension);
    BookTablePtr xls = CreateBookTable();
    ASSERT_EQ(0, xls->OpenBook(path));
    for (const CellCase& cell : c.cells) xls->SetCellText(path, cell.cell, cell.text);
    for (const auto& m : c.merges) xls->MergeCells(path, m.first, m.second);
    ASSERT_EQ(0, xls->CloseBook(path));

    BookTablePtr reader = CreateBookTable();
    ASSERT_EQ(0, reader->OpenBook(path));
    EXPECT_EQ(c.rows, reader->GetRowCount(path));
    EXPECT_EQ(c.columns, reader->GetColumnCount(path));
    for (const CellCase& cell : c.cells) {
      // A later entry for the same cell wins; only the last is checked.
      bool later = false;
      for (const CellCase* k = &cell + 1; k != c.cells.data() + c.cells.size(); ++k) later |= k->cell == cell.cell;
      if (later) continue;
      const std::wstring& expected = cell.readBack.empty() ? cell.text : cell.readBack;
      EXPECT_EQ(expected, reader->GetCellText(path, cell.cell)) << std::string(cell.cell.begin(), cell.cell.end());
    }
    reader->CloseBook(path);

    Sheet sheet;
    ASSERT_EQ(LoadResult::kLoaded, LoadWorkbook(path, &sheet));
    EXPECT_EQ(c.expectedMerges, sheet.Merges());
    // The format follows the name: a compound file for .xls, a zip for .xlsx.
    const Bytes bytes = FileBytes(path);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(extension == L".xls" ? 0xD0 : 'P', bytes[0]);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, ::testing::Values(L".xls", L".xlsx", L".XLSX"));

}  // namespace
