// Test support: spreadsheet objects for the output tests. A recording stand-in
// that keeps the cells and merges set into each book and can refuse to open or
// to close; and the real KXXls.dll's object, loaded once per test program.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "xls_proc.h"

namespace output {
namespace test {

class RecordingXls final : public XlsProc {
 public:
  struct Book {
    std::map<std::wstring, std::wstring> cells;
    std::vector<std::pair<std::wstring, std::wstring>> merges;
    bool open = false;
  };

  int SaveAsText(std::wstring, std::wstring) override { return 1; }
  int OpenBook(std::wstring book) override {
    opened.push_back(book);
    if (failOpen) return 1;
    books[book].open = true;
    return 0;
  }
  int CloseBook(std::wstring book) override {
    closed.push_back(book);
    books[book].open = false;
    if (failClose) return 1;
    // A book is written as a file, as the library would.
    HANDLE file = ::CreateFileW(book.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    return 0;
  }
  std::wstring GetCellText(std::wstring book, std::wstring cell) override {
    auto& cells = books[book].cells;
    auto found = cells.find(cell);
    return found == cells.end() ? std::wstring() : found->second;
  }
  int SetCellText(std::wstring book, std::wstring cell, std::wstring text) override {
    if (!books[book].open) ++writesToClosedBooks;
    books[book].cells[cell] = text;
    return 0;
  }
  int MergeCells(std::wstring book, std::wstring first, std::wstring last) override {
    books[book].merges.emplace_back(first, last);
    return 0;
  }
  int GetRowCount(std::wstring) override { return 0; }
  int GetColumnCount(std::wstring) override { return 0; }

  // The one book written (the last one opened).
  Book& Last() { return books[opened.back()]; }

  std::map<std::wstring, Book> books;
  std::vector<std::wstring> opened;
  std::vector<std::wstring> closed;
  bool failOpen = false;
  bool failClose = false;
  int writesToClosedBooks = 0;
};

// The real library's object, or null when KXXls.dll is not beside the program.
inline XlsProc* XlsFromDll() {
  static XlsProc* xls = [] {
    HMODULE library = ::LoadLibraryW(L"KXXls.dll");
    auto get = library != nullptr
                   ? reinterpret_cast<GetXlsProcInstanceFunc>(::GetProcAddress(library, "GetXlsProcInstance"))
                   : nullptr;
    return get != nullptr ? get() : nullptr;
  }();
  return xls;
}

}  // namespace test
}  // namespace output
