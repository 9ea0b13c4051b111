// The public surface of KXXls.dll, the spreadsheet library: the workbook object
// that the program keeps for its whole run, and the one export that hands it out.
//
// Every operation names its workbook by full path; wide strings travel by value,
// which is why the program and the library share one C++ runtime. The slot order
// of the eight operations is the binary contract with the program: never insert,
// remove or reorder a virtual function here (the object is never deleted, so
// there is no virtual destructor either).
#ifndef KXXLS_XLS_PROC_H
#define KXXLS_XLS_PROC_H

#include <string>

class XlsProc {
 public:
  // Writes the first sheet of `book` as tab-separated text in code page 936: one
  // line per row up to the row count, each padded to the column count, every line
  // ending in CRLF. Uses the open book's cells when it is open, else reads the file.
  // 0 on success.
  virtual int SaveAsText(std::wstring book, std::wstring textPath) = 0;
  // Opens `book` (a missing file is a new, empty book; opening an open book reuses
  // it). 0 on success; non-zero when the file cannot be read as .xls or .xlsx.
  virtual int OpenBook(std::wstring book) = 0;
  // Writes the book if anything changed (.xlsx when the path ends ".xlsx", else
  // .xls) and forgets it. 0 when nothing needed writing or the write succeeded.
  virtual int CloseBook(std::wstring book) = 0;
  // The text of a cell named "%c%d" (column A to Z, row from 1); "" for an empty
  // or unnamed cell or a book that is not open.
  virtual std::wstring GetCellText(std::wstring book, std::wstring cell) = 0;
  // Sets a cell's text ("" clears it). 0 on success.
  virtual int SetCellText(std::wstring book, std::wstring cell, std::wstring text) = 0;
  // Merges the rectangle between two cells. 0 on success.
  virtual int MergeCells(std::wstring book, std::wstring firstCell, std::wstring lastCell) = 0;
  // The number of the last used row, counted from 1; 0 for an empty or unopened book.
  virtual int GetRowCount(std::wstring book) = 0;
  // The number of used columns counted from column A; 0 for an empty or unopened book.
  virtual int GetColumnCount(std::wstring book) = 0;

 protected:
  ~XlsProc() = default;
};

#ifdef KXXLS_BUILD
#define KXXLS_EXPORT __declspec(dllexport)
#else
#define KXXLS_EXPORT
#endif

// The library's one export: always the same object, never freed; null only when
// it could not be created.
extern "C" KXXLS_EXPORT XlsProc* GetXlsProcInstance();
typedef XlsProc* (*GetXlsProcInstanceFunc)();

#endif  // KXXLS_XLS_PROC_H
