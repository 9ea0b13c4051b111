// The workbook object's rules: books by path, new books for missing files, no
// rewrite of a book only read, refused cell names, unreadable files.
#include <gtest/gtest.h>

#include <memory>

#include "book_table.h"
#include "test_support.h"
#include "workbook_file.h"

namespace {

BookTablePtr NewTable() { return CreateBookTable(); }

TEST(BookTable, MissingFileIsNewBookAndOpeningAgainReusesIt) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"客户资料.xls");
  auto xls = NewTable();
  ASSERT_EQ(0, xls->OpenBook(path));
  EXPECT_EQ(0, xls->GetRowCount(path));
  EXPECT_EQ(0, xls->SetCellText(path, L"B2", L"张三"));
  // Another spelling of the same path names the same open book.
  std::wstring other = path;
  for (auto& ch : other)
    if (ch == L'\\') ch = L'/';
  other.replace(other.size() - 4, 4, L".XLS");
  EXPECT_EQ(0, xls->OpenBook(other));
  EXPECT_EQ(L"张三", xls->GetCellText(other, L"B2"));
  EXPECT_EQ(2, xls->GetRowCount(path));
  EXPECT_EQ(2, xls->GetColumnCount(path));
  EXPECT_EQ(0, folder.FileCount());  // nothing is written before the close
  EXPECT_EQ(0, xls->CloseBook(other));
  EXPECT_EQ(1, folder.FileCount());
  // Closed: the path no longer names a book.
  EXPECT_EQ(L"", xls->GetCellText(path, L"B2"));
  EXPECT_NE(0, xls->SetCellText(path, L"A1", L"x"));
  EXPECT_NE(0, xls->CloseBook(path));
}

TEST(BookTable, OperationsOnAPathNotOpenDoNothing) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"never.xls");
  auto xls = NewTable();
  EXPECT_NE(0, xls->SetCellText(path, L"A1", L"x"));
  EXPECT_NE(0, xls->MergeCells(path, L"A1", L"B2"));
  EXPECT_EQ(L"", xls->GetCellText(path, L"A1"));
  EXPECT_EQ(0, xls->GetRowCount(path));
  EXPECT_EQ(0, xls->GetColumnCount(path));
  EXPECT_NE(0, xls->CloseBook(path));
  EXPECT_EQ(0, folder.FileCount());
}

TEST(BookTable, MalformedCellNamesChangeNothing) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"names.xls");
  auto xls = NewTable();
  ASSERT_EQ(0, xls->OpenBook(path));
  for (const wchar_t* bad : {L"", L"A0", L"1A", L"AA1", L"[1", L"a1", L"A65537"}) {
    EXPECT_NE(0, xls->SetCellText(path, bad, L"wrong")) << bad;
    EXPECT_NE(0, xls->MergeCells(path, bad, L"B2")) << bad;
    EXPECT_NE(0, xls->MergeCells(path, L"B2", bad)) << bad;
    EXPECT_EQ(L"", xls->GetCellText(path, bad)) << bad;
  }
  EXPECT_EQ(0, xls->GetRowCount(path));
  EXPECT_EQ(0, xls->GetColumnCount(path));
  EXPECT_EQ(0, xls->CloseBook(path));
  EXPECT_EQ(0, folder.FileCount());  // nothing changed, nothing written

  // The row limit follows the format the name asks for.
  const std::wstring big = folder.File(L"names.xlsx");
  ASSERT_EQ(0, xls->OpenBook(big));
  EXPECT_EQ(0, xls->SetCellText(big, L"A65537", L"fits"));
  EXPECT_EQ(65537, xls->GetRowCount(big));
  xls->CloseBook(big);
}

TEST(BookTable, BookOnlyReadIsNeverRewritten) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"导入.xlsx");
  auto xls = NewTable();
  ASSERT_EQ(0, xls->OpenBook(path));
  xls->SetCellText(path, L"A1", L"商品");
  xls->SetCellText(path, L"A2", L"3");
  ASSERT_EQ(0, xls->CloseBook(path));
  const Bytes before = FileBytes(path);
  FILETIME written;
  {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(h, nullptr, nullptr, &written);
    CloseHandle(h);
  }
  Sleep(20);
  ASSERT_EQ(0, xls->OpenBook(path));
  EXPECT_EQ(2, xls->GetRowCount(path));
  EXPECT_EQ(L"商品", xls->GetCellText(path, L"A1"));
  EXPECT_EQ(0, xls->SetCellText(path, L"A1", L"商品"));  // the same text is no change
  EXPECT_EQ(0, xls->MergeCells(path, L"C3", L"C3"));     // nor is a one-cell merge
  EXPECT_EQ(0, xls->CloseBook(path));
  EXPECT_EQ(before, FileBytes(path));
  FILETIME after;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileTime(h, nullptr, nullptr, &after);
  CloseHandle(h);
  EXPECT_EQ(0, CompareFileTime(&written, &after));
  EXPECT_EQ(1, folder.FileCount());
}

TEST(BookTable, FormatComesFromTheSignatureWhenReading) {
  ScratchFolder folder;
  // An .xlsx package under a .xls name is read as what it is; once changed it is
  // written as the name asks.
  const std::wstring xlsxInside = folder.File(L"real.xlsx");
  const std::wstring misnamed = folder.File(L"misnamed.xls");
  auto xls = NewTable();
  ASSERT_EQ(0, xls->OpenBook(xlsxInside));
  xls->SetCellText(xlsxInside, L"A1", L"内容");
  ASSERT_EQ(0, xls->CloseBook(xlsxInside));
  ASSERT_TRUE(PutFileBytes(misnamed, FileBytes(xlsxInside)));
  ASSERT_EQ(0, xls->OpenBook(misnamed));
  EXPECT_EQ(L"内容", xls->GetCellText(misnamed, L"A1"));
  xls->SetCellText(misnamed, L"B1", L"2");
  ASSERT_EQ(0, xls->CloseBook(misnamed));
  const Bytes written = FileBytes(misnamed);
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(0xD0, written[0]);
}

TEST(BookTable, UnreadableFilesAreRefused) {
  ScratchFolder folder;
  auto xls = NewTable();
  struct Case {
    const wchar_t* name;
    Bytes content;
  } cases[] = {
      {L"text.xls", Bytes{'n', 'a', 'm', 'e', '\t', '1', '\r', '\n'}},
      {L"half_header.xls", Bytes{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1, 0, 0}},
      {L"zip_head.xlsx", Bytes{'P', 'K', 3, 4, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const std::wstring path = folder.File(c.name);
    ASSERT_TRUE(PutFileBytes(path, c.content));
    EXPECT_NE(0, xls->OpenBook(path)) << std::string(c.name, c.name + wcslen(c.name));
    EXPECT_NE(0, xls->SetCellText(path, L"A1", L"x"));
    EXPECT_EQ(c.content, FileBytes(path));
  }
  // A folder that does not exist is no new book either: it could never be written.
  EXPECT_NE(0, xls->OpenBook(folder.File(L"no_such_folder\\book.xls")));
  // An empty file is.
  const std::wstring empty = folder.File(L"empty.xls");
  ASSERT_TRUE(PutFileBytes(empty, Bytes()));
  EXPECT_EQ(0, xls->OpenBook(empty));
  xls->CloseBook(empty);
}

TEST(BookTable, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"locked.xls");
  auto xls = NewTable();
  ASSERT_EQ(0, xls->OpenBook(path));
  xls->SetCellText(path, L"A1", L"old");
  ASSERT_EQ(0, xls->CloseBook(path));
  const Bytes before = FileBytes(path);
  ASSERT_EQ(0, xls->OpenBook(path));
  xls->SetCellText(path, L"A1", L"new");
  // Another program holds the file open without sharing: the replacement fails.
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  EXPECT_NE(0, xls->CloseBook(path));
  CloseHandle(held);
  EXPECT_EQ(before, FileBytes(path));
  EXPECT_EQ(1, folder.FileCount());
}

}  // namespace
