// The library's workbook object: the open books, keyed by their full path, and the
// eight operations of XlsProc over them.
#ifndef KXXLS_BOOK_TABLE_H
#define KXXLS_BOOK_TABLE_H

#include "xls_proc.h"

// A new, empty table of open books. The DLL export keeps one for the whole run;
// tests make their own.
XlsProc* CreateBookTable();

#endif  // KXXLS_BOOK_TABLE_H
