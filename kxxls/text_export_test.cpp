// Tab text export: the exact bytes the product import reads.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "book_table.h"
#include "test_support.h"

namespace {

std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }

TEST(SaveAsText, GoldenBytes) {
  ScratchFolder folder;
  const std::wstring book = folder.File(L"商品资料.xls");
  const std::wstring text = folder.File(L"商品资料导入.ini");
  BookTablePtr xls = CreateBookTable();
  ASSERT_EQ(0, xls->OpenBook(book));
  xls->SetCellText(book, L"A1", L"商品名称");
  xls->SetCellText(book, L"B1", L"数量");
  xls->SetCellText(book, L"D1", L"备注");
  xls->SetCellText(book, L"A2", L"a\tb");              // a tab inside a cell
  xls->SetCellText(book, L"B2", L"12.50");             // stored as a number, read "12.5"
  xls->SetCellText(book, L"A4", L"x\r\ny\nz\r!");      // line breaks inside a cell, CRLF one of them
  xls->SetCellText(book, L"B4", L"\u0E01\U0001F600");  // outside GBK: one '?' each
  ASSERT_EQ(0, xls->CloseBook(book));

  ASSERT_EQ(0, xls->SaveAsText(book, text));
  const std::string expected =
      "\xC9\xCC\xC6\xB7\xC3\xFB\xB3\xC6\t\xCA\xFD\xC1\xBF\t\t\xB1\xB8\xD7\xA2\r\n"
      "a b\t12.5\t\t\r\n"
      "\t\t\t\r\n"
      "x y z !\t??\t\t\r\n";
  EXPECT_EQ(expected, Text(FileBytes(text)));
  EXPECT_EQ(2, folder.FileCount());  // no temporary file left beside them
}

TEST(SaveAsText, OpenBookExportsWhatItHoldsNow) {
  ScratchFolder folder;
  const std::wstring book = folder.File(L"open.xlsx");
  const std::wstring text = folder.File(L"open.txt");
  BookTablePtr xls = CreateBookTable();
  ASSERT_EQ(0, xls->OpenBook(book));
  xls->SetCellText(book, L"C1", L"1");
  xls->SetCellText(book, L"A2", L"2");
  ASSERT_EQ(0, xls->SaveAsText(book, text));
  EXPECT_EQ("\t\t1\r\n2\t\t\r\n", Text(FileBytes(text)));
  xls->CloseBook(book);
}

TEST(SaveAsText, FailuresWriteNothing) {
  ScratchFolder folder;
  BookTablePtr xls = CreateBookTable();
  const std::wstring text = folder.File(L"out.txt");
  // A workbook that does not exist has nothing to export.
  EXPECT_NE(0, xls->SaveAsText(folder.File(L"missing.xls"), text));
  const std::wstring garbage = folder.File(L"garbage.xls");
  ASSERT_TRUE(PutFileBytes(garbage, Bytes{'x', 'y'}));
  EXPECT_NE(0, xls->SaveAsText(garbage, text));
  EXPECT_EQ(1, folder.FileCount());
  // An empty sheet exports an empty text.
  const std::wstring book = folder.File(L"empty.xlsx");
  ASSERT_EQ(0, xls->OpenBook(book));
  EXPECT_EQ(0, xls->SaveAsText(book, text));
  EXPECT_TRUE(FileBytes(text).empty());
  xls->CloseBook(book);
}

}  // namespace
