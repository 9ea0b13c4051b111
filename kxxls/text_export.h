// The sheet as tab-separated text in code page 936, the form the program's
// product import reads line by line.
#ifndef KXXLS_TEXT_EXPORT_H
#define KXXLS_TEXT_EXPORT_H

#include <string>

#include "sheet.h"

// One line per row from 1 to the row count, each padded with empty cells to the
// column count, cells joined by tabs, every line (the last too) ending in CRLF.
// Nothing is quoted: tabs and line breaks inside a cell become spaces, characters
// outside GBK become '?'.
std::string SheetToGbkText(const Sheet& sheet);

#endif  // KXXLS_TEXT_EXPORT_H
