// The library's workbook object. Every operation answers failure for now.
#include "book_table.h"

namespace {

class BookTable : public XlsProc {
 public:
  int SaveAsText(std::wstring, std::wstring) override { return -1; }
  int OpenBook(std::wstring) override { return -1; }
  int CloseBook(std::wstring) override { return -1; }
  std::wstring GetCellText(std::wstring, std::wstring) override { return std::wstring(); }
  int SetCellText(std::wstring, std::wstring, std::wstring) override { return -1; }
  int MergeCells(std::wstring, std::wstring, std::wstring) override { return -1; }
  int GetRowCount(std::wstring) override { return 0; }
  int GetColumnCount(std::wstring) override { return 0; }
};

}  // namespace

XlsProc* CreateBookTable() { return new BookTable(); }
