// KXXls.dll as the program sees it: loaded by name, the undecorated export, one
// object whose wide strings cross the boundary by value.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "xls_proc.h"

namespace {

TEST(KxxlsDll, ExportHandsOutOneObject) {
  HMODULE dll = LoadLibraryW(L"KXXls.dll");
  ASSERT_NE(nullptr, dll);
  auto get = reinterpret_cast<GetXlsProcInstanceFunc>(GetProcAddress(dll, "GetXlsProcInstance"));
  ASSERT_NE(nullptr, get);
  XlsProc* xls = get();
  ASSERT_NE(nullptr, xls);
  EXPECT_EQ(xls, get());
  // A book that was never opened has nothing to give.
  EXPECT_EQ(L"", xls->GetCellText(L"C:\\nowhere\\never.xls", L"A1"));
  EXPECT_EQ(0, xls->GetRowCount(L"C:\\nowhere\\never.xls"));

  // An export and an import through the DLL, in the program's order of calls.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring book = std::wstring(temp) + L"kxxls_dll_\u5BA2\u6237.xls";
  DeleteFileW(book.c_str());
  ASSERT_EQ(0, xls->OpenBook(book));
  xls->SetCellText(book, L"A1", L"\u5BA2\u6237\u540D\u79F0");
  xls->SetCellText(book, L"B2", std::wstring(300, L'x'));  // longer than any short-string buffer
  xls->MergeCells(book, L"A1", L"B1");
  xls->CloseBook(book);
  ASSERT_EQ(0, xls->OpenBook(book));
  EXPECT_EQ(2, xls->GetRowCount(book));
  EXPECT_EQ(2, xls->GetColumnCount(book));
  EXPECT_EQ(L"\u5BA2\u6237\u540D\u79F0", xls->GetCellText(book, L"A1"));
  EXPECT_EQ(std::wstring(300, L'x'), xls->GetCellText(book, L"B2"));
  xls->CloseBook(book);
  EXPECT_TRUE(DeleteFileW(book.c_str()));
}

}  // namespace
