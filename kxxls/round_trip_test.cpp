// Books written through the library and read back by it, as .xls and as .xlsx:
// every text where it was set, numbers as their shortest decimal, merges kept.
#include <gtest/gtest.h>

#include <string>

#include "book_table.h"
#include "sample_books.h"
#include "sheet.h"
#include "test_support.h"
#include "workbook_file.h"

namespace {

class RoundTrip : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(RoundTrip, EverySampleReadsBack) {
  const std::wstring extension = GetParam();
  ScratchFolder folder;
  for (const SampleBook& book : SampleBooks()) {
    SCOPED_TRACE(book.name);
    const std::wstring path = folder.File(std::wstring(book.name.begin(), book.name.end()) + extension);
    BookTablePtr xls = CreateBookTable();
    ASSERT_EQ(0, WriteSampleBook(xls.get(), path, book));

    BookTablePtr reader = CreateBookTable();
    ASSERT_EQ(0, reader->OpenBook(path));
    EXPECT_EQ(book.rows, reader->GetRowCount(path));
    EXPECT_EQ(book.columns, reader->GetColumnCount(path));
    for (size_t i = 0; i < book.cells.size(); ++i) {
      if (!IsFinalEntry(book, i)) continue;
      const SampleCell& cell = book.cells[i];
      const std::wstring& expected = cell.readBack.empty() ? cell.text : cell.readBack;
      EXPECT_EQ(expected, reader->GetCellText(path, cell.cell)) << std::string(cell.cell.begin(), cell.cell.end());
    }
    reader->CloseBook(path);

    Sheet sheet;
    ASSERT_EQ(LoadResult::kLoaded, LoadWorkbook(path, &sheet));
    EXPECT_EQ(book.expectedMerges, sheet.Merges());
    // The format follows the name: a compound file for .xls, a zip for .xlsx.
    const Bytes bytes = FileBytes(path);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(extension == L".xls" ? 0xD0 : 'P', bytes[0]);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, ::testing::Values(L".xls", L".xlsx", L".XLSX"));

}  // namespace
