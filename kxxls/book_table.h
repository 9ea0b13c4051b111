// The library's workbook object: the open books, keyed by their full path, and the
// eight operations of XlsProc over them.
#ifndef KXXLS_BOOK_TABLE_H
#define KXXLS_BOOK_TABLE_H

#include <memory>

#include "xls_proc.h"

// XlsProc has no public destructor (the program never frees it); a table made here
// is deleted through this.
struct BookTableDeleter {
  void operator()(XlsProc* table) const;
};
typedef std::unique_ptr<XlsProc, BookTableDeleter> BookTablePtr;

// A new, empty table of open books. The DLL export keeps one for the whole run;
// tests make their own.
BookTablePtr CreateBookTable();

#endif  // KXXLS_BOOK_TABLE_H
