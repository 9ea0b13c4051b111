// Reading files made by other programs (testdata/make_fixtures.py, with Debian's
// xlwt and openpyxl): every kind of cell record those files carry lands as text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet.h"
#include "workbook_file.h"

namespace {

// The fixtures are copied beside the test program at build time.
std::wstring Fixture(const wchar_t* name) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring dir(exe);
  dir.resize(dir.find_last_of(L'\\') + 1);
  return dir + L"kxxls_testdata\\" + name;
}

struct Expected {
  int row, column;
  std::wstring text;
};

void ExpectCells(const Sheet& sheet, const std::vector<Expected>& cells) {
  for (const Expected& e : cells)
    EXPECT_EQ(e.text, sheet.Text(e.row, e.column)) << "row " << e.row + 1 << " column " << e.column + 1;
}

TEST(FixtureRead, XlwtBook) {
  Sheet sheet;
  ASSERT_EQ(LoadResult::kLoaded, LoadWorkbook(Fixture(L"xlwt_book.xls"), &sheet));
  ExpectCells(sheet, {
                         {0, 0, L"商品名称"},
                         {0, 1, L"数量"},
                         {0, 2, L"单价"},
                         {0, 3, L"在库"},  // shared strings
                         {1, 0, L"可乐"},
                         {1, 1, L"3"},
                         {1, 2, L"2.5"},
                         {1, 3, L"TRUE"},  // RK, RK/100, boolean
                         {2, 0, L"1"},
                         {2, 1, L"2"},
                         {2, 2, L"3.75"},
                         {2, 3, L"-4"},  // one MULRK
                         {3, 0, L"0.1"},
                         {3, 1, L"123456789.125"},
                         {3, 2, L"0012"},  // NUMBER, text code
                         {4, 0, L"42.5"},
                         {4, 1, L"缓存文本"},
                         {4, 2, L"TRUE"},
                         {4, 3, L"#DIV/0!"},  // cached formula results
                         {5, 0, L"合并"},
                         {5, 1, L""},
                         {8, 2, std::wstring(3000, L'长') + L"end"},  // split across CONTINUE
                         {10, 0, L"商品名称编号0000"},
                         {69, 1, L"商品名称编号0178"},
                         {129, 2, L"商品名称编号0359"},
                     });
  EXPECT_EQ(130, sheet.RowCount());
  EXPECT_EQ(4, sheet.ColumnCount());
  EXPECT_EQ((std::vector<CellRange>{{5, 6, 0, 1}}), sheet.Merges());
}

TEST(FixtureRead, OpenpyxlBook) {
  Sheet sheet;
  ASSERT_EQ(LoadResult::kLoaded, LoadWorkbook(Fixture(L"openpyxl_book.xlsx"), &sheet));
  // The first sheet in workbook order is the second sheet part; the other holds
  // "wrong sheet" in A1.
  ExpectCells(sheet, {
                         {0, 0, L"商品名称"},
                         {0, 1, L"数量"},  // shared strings
                         {1, 0, L"可乐"},
                         {1, 1, L"3"},
                         {1, 2, L"2.5"},
                         {1, 3, L"TRUE"},  // inline, numbers, boolean
                         {1, 4, L"7.5"},
                         {1, 5, L"可乐!"},
                         {1, 6, L"内联 文本"},
                         {1, 7, L"TRUE"},
                         {1, 8, L"#DIV/0!"},
                         {2, 0, L"粗体 普通"},  // rich runs joined, the phonetic run left out
                         {2, 1, L"a\rb"},
                         {2, 2, L"0.1"},
                         {3, 0, L"合并"},
                     });
  EXPECT_EQ(4, sheet.RowCount());
  EXPECT_EQ(9, sheet.ColumnCount());
  EXPECT_EQ((std::vector<CellRange>{{3, 4, 0, 1}}), sheet.Merges());
}

}  // namespace
